// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The two power-off windows: the small dialog that sets the daily time with three wrapping
// spins, and the 30-second countdown with its tinted warning, progress bar and two buttons.
#include "resources/ImageIds.h"
#include "resources/ShutdownTimeIds.h"
#include "resources/ShutdownWarnIds.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& ShutdownTimeTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    using Id = ShutdownTimeIds;
    constexpr int kNone = kNoControlId;
    static const DialogTemplate dialog{
        .id = kShutdownTimeTemplateId,
        .rect = {0, 0, 150, 63},
        .fontFace = "仿宋_GB2312",
        .fontPointSize = 11,
        .caption = "自动关机时间设置",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNone, K::IconImage, "", {13, 14, 20, 20})
                .Resource(kAlarmClockIcon).Named("闹钟"),
            ControlRow(Id::kHourEdit, K::Edit, "", {36, 17, 15, 14})
                .Styled(S::kDigitsOnly).Named("时"),
            ControlRow(Id::kHourSpin, K::SpinButton, "", {51, 17, 9, 14}).Named("调整小时"),
            ControlRow(kNone, K::TextLeft, "时", {61, 19, 9, 8}),
            ControlRow(Id::kMinuteEdit, K::Edit, "", {70, 17, 13, 14})
                .Styled(S::kDigitsOnly).Named("分"),
            ControlRow(Id::kMinuteSpin, K::SpinButton, "", {83, 16, 9, 15}).Named("调整分钟"),
            ControlRow(kNone, K::TextLeft, "分", {96, 20, 9, 8}),
            ControlRow(Id::kSecondEdit, K::Edit, "", {105, 18, 15, 14})
                .Styled(S::kDigitsOnly).Named("秒"),
            ControlRow(Id::kSecondSpin, K::SpinButton, "", {120, 18, 9, 14}).Named("调整秒"),
            ControlRow(kNone, K::TextLeft, "秒", {130, 20, 8, 8}),
            ControlRow(Id::kOk, K::DefPushButton, "确定", {51, 41, 58, 14}),
        }};
    // clang-format on
    return dialog;
}

const DialogTemplate& ShutdownWarnTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    using Id = ShutdownWarnIds;
    static const DialogTemplate dialog{
        .id = kShutdownWarnTemplateId,
        .rect = {0, 0, 187, 103},
        .fontFace = "楷体_GB2312",
        .fontPointSize = 10,
        .caption = "即将关闭计算机",
        .style = DialogStyle::kCaption | DialogStyle::kModalFrame | DialogStyle::kSystemModal |
                 DialogStyle::kSetForeground,
        .menuId = 0,
        // "取消[&C]" comes first of the buttons: it has the focus when the countdown opens.
        // clang-format off
        .controls = {
            ControlRow(Id::kHeading, K::TextLeft, " 警  告", {62, 3, 43, 22}),
            ControlRow(kNoControlId, K::IconImage, "", {137, 3, 20, 20})
                .Resource(kTrayIconWorking).Named("守时鸟"),
            ControlRow(Id::kLine1, K::TextLeft, "已到了关机时间，请您马上保存您的数据，",
                       {27, 28, 154, 8}),
            ControlRow(Id::kLine2, K::TextLeft, "30秒后系统将自动关闭！按取消按钮取消此次关机，",
                       {5, 41, 171, 8}),
            ControlRow(Id::kLine3, K::TextLeft, "机, 您可以调延迟时间设定自动返冲时间。",
                       {5, 54, 169, 8}),
            ControlRow(Id::kProgress, K::ProgressBar, "", {5, 71, 176, 8})
                .Styled(S::kBordered).Named("关机倒计时"),
            ControlRow(Id::kCancel, K::PushButton, "取消[&C]", {96, 84, 50, 15}),
            ControlRow(Id::kShutdownNow, K::PushButton, "立即关闭[&R]", {26, 84, 51, 14}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
