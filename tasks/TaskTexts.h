// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// What the user is told about storing a task (UTF-8), said alike by the add-task dialog and
// by tocklet-reg, so that both speak with one voice.

#include <string_view>

namespace tocklet {

/// Caption of the add-task messages.
inline constexpr std::string_view kTaskNoticeCaption = "守时鸟向您提示";
/// The program key could not be opened for writing.
inline constexpr std::string_view kTaskSaveFailedText = "  保存数据失败!  ";
/// A task value could not be written.
inline constexpr std::string_view kTaskSetFailedText = "Fail to set value";
/// The task was stored.
inline constexpr std::string_view kTaskSavedText = "您的数据已经被成功地保存了\n";
/// Refused: the list holds its 20 tasks.
inline constexpr std::string_view kTaskListFullText =
    " 任务已满(最多20个),无法保存新任务!\n 请先删除废弃任务,再添加新任务. ";
/// Refused: the record would not fit a task value.
inline constexpr std::string_view kTaskRecordTooLongText =
    " 任务数据太长(最多99个字节),无法保存!\n 请缩短提醒文字或程序路径. ";

}  // namespace tocklet
