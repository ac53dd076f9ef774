// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <set>

#include "resources/DialogTemplate.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

TEST(TemplatesTest, LookupByNumber) {
    ASSERT_NE(FindTemplate(106), nullptr);
    ASSERT_NE(FindTemplate(116), nullptr);
    EXPECT_EQ(FindTemplate(106)->id, 106);
    EXPECT_EQ(FindTemplate(116)->id, 116);
    EXPECT_EQ(FindTemplate(0), nullptr);
    EXPECT_EQ(FindTemplate(999), nullptr);
}

TEST(TemplatesTest, EveryTemplateKeepsItsControlsInsideAndItsNumbersUnique) {
    for (int id : {106, 116, 114, 118, 107, 108}) {
        const DialogTemplate& dialog = *FindTemplate(id);
        std::set<int> seen;
        for (const ControlTemplate& control : dialog.controls) {
            SCOPED_TRACE(testing::Message() << "dialog " << id << " control " << control.id);
            EXPECT_GE(control.rect.x, 0);
            EXPECT_GE(control.rect.y, 0);
            EXPECT_LE(control.rect.x + control.rect.width, dialog.rect.width);
            EXPECT_LE(control.rect.y + control.rect.height, dialog.rect.height);
            if (control.id != kNoControlId) {
                EXPECT_TRUE(seen.insert(control.id).second);
            }
            // Uncaptioned numbered controls need a name for assistive technology.
            if (control.id != kNoControlId && control.caption.empty()) {
                EXPECT_FALSE(control.accessibleName.empty());
            }
        }
    }
}

TEST(TemplatesTest, MainPanelHeaderAndRows) {
    const DialogTemplate& panel = MainPanelTemplate();
    EXPECT_EQ(panel.rect.width, 290);
    EXPECT_EQ(panel.rect.height, 175);
    EXPECT_EQ(panel.fontFace, "宋体");
    EXPECT_EQ(panel.fontPointSize, 9);
    EXPECT_EQ(panel.caption, "超级守时鸟");
    EXPECT_EQ(panel.menuId, 104);
    EXPECT_TRUE(panel.style & DialogStyle::kMinimizeBox);
    EXPECT_TRUE(panel.style & DialogStyle::kSysMenu);
    ASSERT_EQ(panel.controls.size(), 36u);

    const ControlTemplate& first = panel.controls.front();
    EXPECT_EQ(first.id, kNoControlId);
    EXPECT_EQ(first.kind, ControlKind::GroupBox);
    EXPECT_EQ(first.caption, "状态信息");

    const ControlTemplate* link = FindControl(panel, 1016);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->caption, "  给作者写信");  // two leading blanks
    EXPECT_EQ(link->kind, ControlKind::Hyperlink);

    const ControlTemplate* animation = FindControl(panel, 1024);
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->resourceId, 128);
    EXPECT_EQ(animation->rect.x, 233);
    EXPECT_EQ(animation->rect.width, 36);

    const ControlTemplate* slider = FindControl(panel, 1035);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->kind, ControlKind::SliderH);
    EXPECT_TRUE(slider->style & ControlStyle::kBordered);
    EXPECT_EQ(FindControl(panel, 1022)->kind, ControlKind::SliderV);
    EXPECT_TRUE(FindControl(panel, 1048)->style & ControlStyle::kReadOnly);
    EXPECT_TRUE(FindControl(panel, 1041)->style & ControlStyle::kSunken);
    EXPECT_EQ(FindControl(panel, 1048)->accessibleName, "预设关机时间");
    EXPECT_EQ(FindControl(panel, kNoControlId), nullptr);

    // The main panel has no default push button: Enter is the panel's own business.
    for (const ControlTemplate& control : panel.controls)
        EXPECT_NE(control.kind, ControlKind::DefPushButton);

    const ControlTemplate& last = panel.controls.back();
    EXPECT_EQ(last.caption, "信息反馈");
    EXPECT_EQ(last.rect.y, 148);
}

TEST(TemplatesTest, ReminderHeaderAndRows) {
    const DialogTemplate& reminder = ReminderTemplate();
    EXPECT_EQ(reminder.fontFace, "黑体");
    EXPECT_EQ(reminder.fontPointSize, 10);
    EXPECT_EQ(reminder.caption, "Hi");
    EXPECT_EQ(reminder.rect.width, 207);
    EXPECT_EQ(reminder.rect.height, 122);
    EXPECT_TRUE(reminder.style & DialogStyle::kSetForeground);
    EXPECT_TRUE(reminder.style & DialogStyle::kSysMenu);
    EXPECT_EQ(reminder.menuId, 0);
    ASSERT_EQ(reminder.controls.size(), 7u);
    EXPECT_EQ(reminder.controls[0].kind, ControlKind::Picture);
    EXPECT_EQ(reminder.controls[0].resourceId, 126);
    EXPECT_EQ(FindControl(reminder, 1057)->caption, "-Hi,不知您是否记得,此时-");
    const int lines[] = {1109, 1110, 1111, 1112};
    const int tops[] = {38, 56, 74, 93};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(FindControl(reminder, lines[i])->rect.y, tops[i]);
    const ControlTemplate* thanks = FindControl(reminder, 1097);
    EXPECT_EQ(thanks->kind, ControlKind::DefPushButton);
    EXPECT_EQ(thanks->caption, "谢谢提醒");
}

TEST(PasswordTemplatesTest, ControlsInsideTheirDialogs) {
    for (int id :
         {kFirstPasswordTemplateId, kChangePasswordTemplateId, kPasswordPromptTemplateId}) {
        const DialogTemplate* dialog = FindTemplate(id);
        ASSERT_NE(dialog, nullptr);
        for (const ControlTemplate& control : dialog->controls) {
            EXPECT_LE(control.rect.x + control.rect.width, dialog->rect.width) << id;
            EXPECT_LE(control.rect.y + control.rect.height, dialog->rect.height) << id;
            if (control.kind == ControlKind::Edit) {
                EXPECT_TRUE(control.style & ControlStyle::kPassword) << id;
            }
        }
    }
    EXPECT_FALSE(PasswordPromptTemplate().style & DialogStyle::kCaption);
    for (const ControlTemplate& control : ChangePasswordTemplate().controls) {
        EXPECT_NE(control.kind, ControlKind::DefPushButton);
    }
}

}  // namespace
}  // namespace tocklet
