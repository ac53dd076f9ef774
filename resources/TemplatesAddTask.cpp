// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The add-task dialog: the action radios in a small frame at the top left, the schedule radios
// in their group below, date, time and weekday fields on the right, the reminder text across
// the frame, and the file button and the Save / Next / Exit row underneath.
#include "resources/AddTaskIds.h"
#include "resources/ImageIds.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& AddTaskTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    using Id = AddTaskIds;
    constexpr int kNone = kNoControlId;
    static const DialogTemplate dialog{
        .id = kAddTaskTemplateId,
        .rect = {0, 0, 225, 130},
        .fontFace = "黑体",
        .fontPointSize = 10,
        .caption = "添加新任务",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNone, K::Frame, "", {4, 4, 214, 99}),
            ControlRow(kNone, K::GroupBox, "选择类型", {11, 34, 64, 46}),
            ControlRow(Id::kDaily, K::RadioButton, "每天都执行", {18, 42, 49, 10}),
            ControlRow(Id::kOnDate, K::RadioButton, "指定日期", {18, 55, 42, 10}),
            ControlRow(Id::kWeekly, K::RadioButton, "每周都执行", {18, 67, 50, 10}),
            ControlRow(kNone, K::Frame, "", {12, 11, 87, 22}),
            ControlRow(Id::kMessage, K::RadioButton, "消息提醒", {13, 19, 43, 10}),
            ControlRow(Id::kProgram, K::RadioButton, "执行程序", {55, 19, 43, 10}),
            ControlRow(kNone, K::TextLeft, "日期:", {99, 20, 19, 8}),
            ControlRow(Id::kMonth, K::ComboBox, "", {118, 19, 33, 73})
                .Styled(S::kEditableCombo).Named("月"),
            ControlRow(kNone, K::TextLeft, "月", {156, 20, 10, 8}),
            ControlRow(Id::kDay, K::ComboBox, "", {168, 18, 32, 86})
                .Styled(S::kEditableCombo).Named("日"),
            ControlRow(kNone, K::TextLeft, "日", {203, 21, 9, 8}),
            ControlRow(kNone, K::TextLeft, "时间:", {99, 44, 17, 8}),
            ControlRow(Id::kHourEdit, K::Edit, "", {119, 41, 25, 14})
                .Styled(S::kDigitsOnly).Named("时"),
            ControlRow(Id::kHourSpin, K::SpinButton, "", {144, 41, 10, 16}).Named("调整小时"),
            ControlRow(kNone, K::TextLeft, "时", {155, 43, 8, 8}),
            ControlRow(Id::kMinuteEdit, K::Edit, "", {165, 42, 24, 14})
                .Styled(S::kDigitsOnly).Named("分"),
            ControlRow(Id::kMinuteSpin, K::SpinButton, "", {189, 40, 11, 17}).Named("调整分钟"),
            ControlRow(kNone, K::TextLeft, "分", {203, 46, 8, 8}),
            ControlRow(Id::kWeekday, K::ComboBox, "", {153, 65, 48, 65})
                .Styled(S::kEditableCombo).Named("星期"),
            ControlRow(kNone, K::TextLeft, "下面填入提醒内容", {78, 66, 64, 8}),
            ControlRow(Id::kReminderEdit, K::Edit, "", {14, 83, 197, 14}).Named("提醒内容"),
            ControlRow(kNone, K::TextLeft, "这里选择文件", {4, 109, 26, 19}),
            ControlRow(Id::kBrowse, K::PushButton, "...", {31, 109, 31, 19})
                .Resource(kBrowseButtonBitmap),
            ControlRow(kNone, K::Frame, "", {68, 106, 142, 22}),
            ControlRow(Id::kSave, K::DefPushButton, "存入", {81, 109, 33, 15}),
            ControlRow(Id::kNext, K::PushButton, "下一个", {127, 108, 33, 15}),
            ControlRow(Id::kExit, K::PushButton, "退出", {169, 108, 33, 15}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
