// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The main panel's window: status check boxes on the left, launch and repeat options in the
// middle, task buttons on the right, the toolbar strip at the top and the counters at the
// bottom.
#include "resources/ImageIds.h"
#include "resources/MainPanelIds.h"
#include "resources/Menus.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& MainPanelTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    constexpr int kNone = kNoControlId;
    static const DialogTemplate dialog{
        .id = kMainPanelTemplateId,
        .rect = {0, 0, 290, 175},
        .fontFace = "宋体",
        .fontPointSize = 9,
        .caption = "超级守时鸟",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kMinimizeBox |
                 DialogStyle::kModalFrame | DialogStyle::kAppWindow,
        .menuId = kPanelMenuId,
        // clang-format off
        .controls = {
            ControlRow(kNone, K::GroupBox, "状态信息", {12, 48, 80, 96}),
            ControlRow(kIdChimeOn, K::CheckBox, "整点报时", {24, 61, 45, 10}),
            ControlRow(kIdMonitoring, K::CheckBox, "监控状态", {23, 97, 44, 10}),
            ControlRow(kIdShutdownTime, K::Edit, "", {39, 129, 43, 12})
                .Styled(S::kReadOnly).Named("预设关机时间"),
            ControlRow(kNone, K::TextLeft, "预设关机时间:", {23, 121, 53, 8}),
            ControlRow(kIdShowClock, K::CheckBox, "显示实钟", {23, 109, 48, 10}),
            ControlRow(kNone, K::GroupBox, "", {10, 1, 260, 23}),
            ControlRow(kIdAddTasks, K::PushButton, "添加新的任务", {202, 109, 56, 18}),
            ControlRow(kIdDeleteTasks, K::PushButton, "删除废弃任务", {146, 109, 55, 17}),
            ControlRow(kIdSetShutdownTime, K::PushButton, "关机时间设置", {145, 127, 56, 18}),
            ControlRow(kIdBanner, K::TextCentre, "", {12, 9, 255, 14}).Named("注册单位和用户"),
            ControlRow(kIdChimeSound, K::CheckBox, "音乐提醒", {40, 73, 46, 10}),
            ControlRow(kIdChimeText, K::CheckBox, "文字提醒", {39, 84, 45, 10}),
            ControlRow(kIdUserInfo, K::PushButton, "修改用户信息", {202, 127, 56, 18}),
            ControlRow(kIdToolbarPager, K::Pager, "", {36, 25, 192, 20}).Named("工具栏"),
            ControlRow(kNone, K::Picture, "", {121, 46, 37, 18})
                .Resource(kPanelPicture).Named("守时鸟图片"),
            ControlRow(kIdMailLink, K::Hyperlink, "  给作者写信", {161, 49, 56, 10}),
            ControlRow(kIdChangePassword, K::RoundButton, "更换密码", {99, 109, 46, 36}),
            ControlRow(kIdDelaySlider, K::SliderV, "", {261, 88, 15, 60})
                .Styled(S::kAutoTicks).Named("允许延迟时间"),
            ControlRow(kIdAnimation, K::Animation, "", {233, 47, 36, 14})
                .Styled(S::kCentreImage | S::kTransparent | S::kAutoPlay)
                .Resource(kBirdAnimation).Named("守时鸟动画"),
            ControlRow(kNone, K::TextCentre, "允许延迟时间", {254, 67, 30, 18}),
            ControlRow(kIdDelayText, K::TextCentre, "", {229, 155, 18, 10})
                .Styled(S::kSunken).Named("允许延迟分钟数"),
            ControlRow(kIdLaunchMinimised, K::RadioButton, "最小化", {102, 79, 40, 10}),
            ControlRow(kIdLaunchNormal, K::RadioButton, "正常窗口", {101, 91, 43, 10}),
            ControlRow(kNone, K::GroupBox, "执行任务", {99, 66, 49, 39}),
            ControlRow(kIdRepeatSlider, K::SliderH, "", {194, 73, 51, 15})
                .Styled(S::kBordered | S::kAutoTicks).Named("重复次数"),
            ControlRow(kNone, K::TextLeft, "重复次数", {157, 77, 33, 8}),
            ControlRow(kIdUsePassword, K::CheckBox, "密码保护", {151, 93, 48, 10}),
            ControlRow(kNone, K::GroupBox, "", {151, 65, 98, 26}),
            ControlRow(kNone, K::TextLeft, "允许延迟:", {188, 157, 38, 8}),
            ControlRow(kNone, K::TextLeft, "设定重复次数:", {103, 157, 52, 8}),
            ControlRow(kIdRepeatText, K::TextCentre, "", {155, 155, 18, 10})
                .Styled(S::kSunken).Named("设定重复次数"),
            ControlRow(kNone, K::TextLeft, "分钟", {251, 156, 17, 8}),
            ControlRow(kNone, K::TextLeft, "现有任务:", {22, 157, 37, 8}),
            ControlRow(kIdTaskCountText, K::TextCentre, "", {59, 156, 20, 9})
                .Styled(S::kSunken).Named("现有任务数"),
            ControlRow(kNone, K::GroupBox, "信息反馈", {12, 148, 267, 23}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
