// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include <gtest/gtest.h>

#include <iterator>

#include "resources/DialogTemplate.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

TEST(AddTaskTemplateTest, LayoutAsDesigned) {
    const DialogTemplate* dialog = FindTemplate(101);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(&AddTaskTemplate(), dialog);
    EXPECT_EQ(dialog->rect.width, 225);
    EXPECT_EQ(dialog->rect.height, 130);
    EXPECT_EQ(dialog->fontFace, "黑体");
    EXPECT_EQ(dialog->fontPointSize, 10);
    EXPECT_EQ(dialog->caption, "添加新任务");
    EXPECT_TRUE(dialog->style & DialogStyle::kCaption);
    EXPECT_TRUE(dialog->style & DialogStyle::kSysMenu);
    EXPECT_FALSE(dialog->style & DialogStyle::kMinimizeBox);

    struct Row {
        int id;
        ControlKind kind;
        const char* caption;
        DluRect rect;
    };
    using K = ControlKind;
    constexpr int N = kNoControlId;
    const Row rows[] = {
        {N, K::Frame, "", {4, 4, 214, 99}},
        {N, K::GroupBox, "选择类型", {11, 34, 64, 46}},
        {1076, K::RadioButton, "每天都执行", {18, 42, 49, 10}},
        {1077, K::RadioButton, "指定日期", {18, 55, 42, 10}},
        {1078, K::RadioButton, "每周都执行", {18, 67, 50, 10}},
        {N, K::Frame, "", {12, 11, 87, 22}},
        {1095, K::RadioButton, "消息提醒", {13, 19, 43, 10}},
        {1096, K::RadioButton, "执行程序", {55, 19, 43, 10}},
        {N, K::TextLeft, "日期:", {99, 20, 19, 8}},
        {1083, K::ComboBox, "", {118, 19, 33, 73}},
        {N, K::TextLeft, "月", {156, 20, 10, 8}},
        {1084, K::ComboBox, "", {168, 18, 32, 86}},
        {N, K::TextLeft, "日", {203, 21, 9, 8}},
        {N, K::TextLeft, "时间:", {99, 44, 17, 8}},
        {1074, K::Edit, "", {119, 41, 25, 14}},
        {1030, K::SpinButton, "", {144, 41, 10, 16}},
        {N, K::TextLeft, "时", {155, 43, 8, 8}},
        {1086, K::Edit, "", {165, 42, 24, 14}},
        {1052, K::SpinButton, "", {189, 40, 11, 17}},
        {N, K::TextLeft, "分", {203, 46, 8, 8}},
        {1098, K::ComboBox, "", {153, 65, 48, 65}},
        {N, K::TextLeft, "下面填入提醒内容", {78, 66, 64, 8}},
        {1075, K::Edit, "", {14, 83, 197, 14}},
        {N, K::TextLeft, "这里选择文件", {4, 109, 26, 19}},
        {1097, K::PushButton, "...", {31, 109, 31, 19}},
        {N, K::Frame, "", {68, 106, 142, 22}},
        {1079, K::DefPushButton, "存入", {81, 109, 33, 15}},
        {1080, K::PushButton, "下一个", {127, 108, 33, 15}},
        {1081, K::PushButton, "退出", {169, 108, 33, 15}},
    };
    ASSERT_EQ(dialog->controls.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ControlTemplate& c = dialog->controls[i];
        SCOPED_TRACE(::testing::Message() << "row " << i << " id " << rows[i].id);
        EXPECT_EQ(c.id, rows[i].id);
        EXPECT_EQ(c.kind, rows[i].kind);
        EXPECT_EQ(c.caption, rows[i].caption);
        EXPECT_EQ(c.rect.x, rows[i].rect.x);
        EXPECT_EQ(c.rect.y, rows[i].rect.y);
        EXPECT_EQ(c.rect.width, rows[i].rect.width);
        EXPECT_EQ(c.rect.height, rows[i].rect.height);
        EXPECT_LE(c.rect.x + c.rect.width, dialog->rect.width);
        EXPECT_LE(c.rect.y + c.rect.height, dialog->rect.height);
        if (c.id != N && c.caption.empty()) {
            EXPECT_FALSE(c.accessibleName.empty());
        }
    }
    for (int combo : {1083, 1084, 1098})
        EXPECT_TRUE(FindControl(*dialog, combo)->style & ControlStyle::kEditableCombo);
    for (int number : {1074, 1086})
        EXPECT_TRUE(FindControl(*dialog, number)->style & ControlStyle::kDigitsOnly);
    EXPECT_FALSE(FindControl(*dialog, 1075)->style & ControlStyle::kDigitsOnly);
    EXPECT_EQ(FindControl(*dialog, 1097)->resourceId, 127);
}

}  // namespace
}  // namespace tocklet
