// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The three password windows: the first-use dialog that sets the password, the dialog that
// changes it, and the caption-less prompt that guards an operation.
#include "resources/ChangePasswordIds.h"
#include "resources/FirstPasswordIds.h"
#include "resources/ImageIds.h"
#include "resources/PasswordPromptIds.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& FirstPasswordTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kFirstPasswordTemplateId,
        .rect = {0, 0, 180, 92},
        .fontFace = "宋体",
        .fontPointSize = 9,
        .caption = "第一次使用",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame |
                 DialogStyle::kSetForeground,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNoControlId, K::TextLeft, "为了您的数据安全，请您输入密码",
                       {16, 9, 150, 10}),
            ControlRow(kNoControlId, K::TextLeft, "输入密码:", {16, 30, 44, 8}),
            ControlRow(kFirstPasswordId, K::Edit, "", {64, 28, 90, 12})
                .Styled(S::kPassword).Named("输入密码"),
            ControlRow(kNoControlId, K::TextLeft, "确认密码:", {16, 49, 44, 8}),
            ControlRow(kFirstConfirmId, K::Edit, "", {64, 47, 90, 12})
                .Styled(S::kPassword).Named("确认密码"),
            ControlRow(kFirstOkId, K::DefPushButton, "确认", {65, 69, 50, 14}),
        }};
    // clang-format on
    return dialog;
}

const DialogTemplate& ChangePasswordTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kChangePasswordTemplateId,
        .rect = {0, 0, 180, 100},
        .fontFace = "宋体",
        .fontPointSize = 9,
        .caption = "更新密码",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNoControlId, K::TextLeft, "输入旧密码:", {14, 13, 50, 8}),
            ControlRow(kChangeOldId, K::Edit, "", {68, 11, 90, 12})
                .Styled(S::kPassword).Named("输入旧密码"),
            ControlRow(kNoControlId, K::TextLeft, "输入新密码:", {14, 33, 50, 8}),
            ControlRow(kChangeNewId, K::Edit, "", {68, 31, 90, 12})
                .Styled(S::kPassword).Named("输入新密码"),
            ControlRow(kNoControlId, K::TextLeft, "确认新密码:", {14, 53, 50, 8}),
            ControlRow(kChangeConfirmId, K::Edit, "", {68, 51, 90, 12})
                .Styled(S::kPassword).Named("确认新密码"),
            // Neither button is the default one: Enter closes the dialog unchanged.
            ControlRow(kChangeOkId, K::PushButton, "确认", {36, 76, 45, 14}),
            ControlRow(kChangeCancelId, K::PushButton, "取消", {100, 76, 45, 14}),
        }};
    // clang-format on
    return dialog;
}

const DialogTemplate& PasswordPromptTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kPasswordPromptTemplateId,
        .rect = {0, 0, 200, 75},
        .fontFace = "宋体",
        .fontPointSize = 9,
        .caption = "",
        // No title bar and no close box; it comes to the front even over a hidden panel.
        .style = DialogStyle::kModalFrame | DialogStyle::kSetForeground,
        .menuId = 0,
        // clang-format off
        .controls = {
            // First, so that every other control lies above it.
            ControlRow(kNoControlId, K::Picture, "", {0, 0, 200, 75})
                .Styled(S::kBordered).Resource(kPasswordBackground).Named("密码背景图片"),
            ControlRow(kNoControlId, K::TextLeft,
                       "此项操作有权限,只有输入正确密码才有资格使用", {46, 8, 140, 18}),
            ControlRow(kPromptEditId, K::Edit, "", {62, 31, 92, 12})
                .Styled(S::kPassword).Named("密码"),
            ControlRow(kPromptSubmitId, K::DefPushButton, "提交[&J]", {50, 52, 46, 14}),
            ControlRow(kPromptGiveUpId, K::PushButton, "算了吧[&E]", {112, 52, 46, 14}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
