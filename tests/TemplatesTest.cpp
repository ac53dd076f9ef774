// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <set>
#include <vector>

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

// The numbers are the program's own and never change, whatever the names say: each template's
// numbered controls, in template order.
TEST(TemplatesTest, EveryTemplateHoldsItsFixedNumbers) {
    struct Numbers {
        int dialog;
        std::vector<int> controls;
    };
    const std::vector<Numbers> table{
        {106, {1054, 1047, 1048, 1053, 1089, 1090, 1091, 1002, 1004, 1005, 1097, 1013,
               1016, 1021, 1022, 1024, 1033, 1036, 1037, 1035, 1038, 1040, 1041}},
        {116, {1057, 1109, 1110, 1111, 1112, 1097}},
        {112, {1000, 1009, 1097}},
        {113, {1025, 1009, 1026, 1097, 1008}},
        {103, {1000, 1002, 1097}},
        {115, {1105, 1108, 1081}},
        {101,
         {1076, 1077, 1078, 1095, 1096, 1083, 1084, 1074, 1030, 1086, 1052, 1098, 1075, 1097, 1079,
          1080, 1081}},
        {117, {1000, 1001, 1010, 1039}},
        {118, {}},
        {114, {1003, 1004, 1005, 1007, 1008, 1006, 1001}},
        {100, {1}},
        {108, {1040, 1027, 1042, 1028, 1043, 1029, 1020}},
        {107, {1053, 1054, 1055, 1056, 1045, 1097, 1058}},
    };
    for (const Numbers& row : table) {
        const DialogTemplate* dialog = FindTemplate(row.dialog);
        ASSERT_NE(dialog, nullptr) << row.dialog;
        std::vector<int> numbered;
        for (const ControlTemplate& control : dialog->controls)
            if (control.id != kNoControlId) numbered.push_back(control.id);
        EXPECT_EQ(numbered, row.controls) << "dialog " << row.dialog;
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
