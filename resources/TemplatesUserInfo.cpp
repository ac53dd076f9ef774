// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The owner editor: the organisation and owner names of the installation, beside the
// program's clock icon.
#include "resources/ImageIds.h"
#include "resources/Templates.h"
#include "resources/UserInfoIds.h"

namespace tocklet {

const DialogTemplate& UserInfoTemplate() {
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kUserInfoTemplateId,
        .rect = {0, 0, 214, 82},
        .fontFace = "宋体",
        .fontPointSize = 9,
        .caption = "修改用户信息",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNoControlId, K::IconImage, "", {12, 14, 21, 20})
                .Resource(kTrayIconWorking).Named("守时鸟图标"),
            ControlRow(kNoControlId, K::TextLeft, "用户单位:", {42, 16, 38, 8}),
            ControlRow(kUserInfoOrganizationId, K::Edit, "", {82, 14, 122, 12}).Named("用户单位"),
            ControlRow(kNoControlId, K::TextLeft, "用户姓名:", {42, 36, 38, 8}),
            ControlRow(kUserInfoOwnerId, K::Edit, "", {82, 34, 74, 12}).Named("用户姓名"),
            ControlRow(kUserInfoSendId, K::DefPushButton, "发送[&S]", {54, 58, 50, 14}),
            ControlRow(kUserInfoCancelId, K::PushButton, "取消", {118, 58, 50, 14}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
