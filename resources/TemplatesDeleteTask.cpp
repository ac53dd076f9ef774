// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The delete-task dialog: the stored tasks by their text, one deletion per opening.
#include "resources/DeleteTaskIds.h"
#include "resources/Templates.h"

namespace tocklet {

const DialogTemplate& DeleteTaskTemplate() {
    using S = ControlStyle;
    using K = ControlKind;
    static const DialogTemplate dialog{
        .id = kDeleteTaskTemplateId,
        .rect = {0, 0, 246, 125},
        .fontFace = "宋体",
        .fontPointSize = 10,
        .caption = "更新任务",
        .style = DialogStyle::kCaption | DialogStyle::kSysMenu | DialogStyle::kModalFrame,
        .menuId = 0,
        // clang-format off
        .controls = {
            ControlRow(kDeleteListId, K::ListBox, "", {7, 2, 234, 101})
                .Styled(S::kVScroll).Named("任务列表"),
            ControlRow(kDeleteButtonId, K::PushButton, "删除[&D]", {70, 107, 43, 14}),
            ControlRow(kDeleteExitId, K::PushButton, "退出[&E]", {135, 107, 44, 15}),
        }};
    // clang-format on
    return dialog;
}

}  // namespace tocklet
