// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The reminder pop-up: the picture on the left, the heading and four text lines on the right,
// and the acknowledging button under the picture.
#include "resources/ImageIds.h"
#include "resources/ReminderIds.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& ReminderTemplate() {
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kReminderTemplateId,
        .rect = {0, 0, 207, 122},
        .fontFace = "黑体",
        .fontPointSize = 10,
        .caption = "Hi",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame |
                 DialogStyle::kSetForeground,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kNoControlId, K::Picture, "", {4, 3, 59, 89})
                .Styled(ControlStyle::kBordered).Resource(kReminderPicture).Named("守时鸟图片"),
            ControlRow(kReminderHeadingId, K::TextCentre, "-Hi,不知您是否记得,此时-", {75, 3, 122, 21}),
            ControlRow(kReminderLineIds[0], K::TextLeft, "", {71, 38, 132, 17}).Named("提醒内容第一行"),
            ControlRow(kReminderLineIds[1], K::TextLeft, "", {71, 56, 132, 17}).Named("提醒内容第二行"),
            ControlRow(kReminderLineIds[2], K::TextLeft, "", {71, 74, 132, 19}).Named("提醒内容第三行"),
            ControlRow(kReminderLineIds[3], K::TextLeft, "", {71, 93, 132, 18}).Named("提醒内容第四行"),
            ControlRow(kReminderThanksId, K::DefPushButton, "谢谢提醒", {12, 95, 43, 18}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
