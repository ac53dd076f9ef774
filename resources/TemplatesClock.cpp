// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The floating clock's window and the clock colour dialog.
#include "resources/ClockColorIds.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& FloatClockTemplate() {
    static const DialogTemplate dialog{
        .id = kFloatClockTemplateId,
        .rect = {0, 0, 90, 16},
        .fontFace = "MS Sans Serif",
        .fontPointSize = 8,
        .caption = "",
        .style = DialogStyle::kNoBorder | DialogStyle::kSystemModal | DialogStyle::kSetForeground |
                 DialogStyle::kToolWindow | DialogStyle::kAppWindow,
        .menuId = 0,
        // The LED face is made in code, over this empty text.
        .controls = {ControlRow(kNoControlId, ControlKind::TextLeft, "", {38, 4, 14, 8})},
    };
    return dialog;
}

const DialogTemplate& ClockColorTemplate() {
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kClockColorTemplateId,
        .rect = {250, 15, 175, 50},
        .fontFace = "宋体",
        .fontPointSize = 10,
        .caption = "设置数字颜色框",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNoControlId, K::GroupBox, "设置颜色", {8, 0, 125, 47}),
            ControlRow(kClockColorRedId, K::RadioButton, "红色", {16, 10, 32, 10})
                .Styled(ControlStyle::kStartsGroup),
            ControlRow(kClockColorGreenId, K::RadioButton, "绿色", {16, 23, 32, 10}),
            ControlRow(kClockColorBlueId, K::RadioButton, "蓝色", {16, 35, 32, 10}),
            ControlRow(kClockColorYellowId, K::RadioButton, "黄色", {73, 11, 32, 10}),
            ControlRow(kClockColorBrownId, K::RadioButton, "棕色", {73, 23, 32, 10}),
            ControlRow(kClockColorWhiteId, K::RadioButton, "白色", {73, 34, 32, 10}),
            ControlRow(kClockColorChooseId, K::DefPushButton, "选定", {139, 12, 28, 28}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
