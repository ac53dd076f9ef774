// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/TaskMessages.h"

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;
using Outcome = AppendResult::Outcome;

constexpr std::string_view kSaveFailed = "  保存数据失败!  ";
constexpr std::string_view kSetFailed = "Fail to set value";
constexpr std::string_view kSaved = "您的数据已经被成功地保存了\n";
constexpr std::string_view kNoticeCaption = "守时鸟向您提示";
constexpr std::string_view kListFull =
    " 任务已满(最多20个),无法保存新任务!\n 请先删除废弃任务,再添加新任务. ";
constexpr std::string_view kRecordTooLong =
    " 任务数据太长(最多99个字节),无法保存!\n 请缩短提醒文字或程序路径. ";

bool KeyFailed(const SettingsReport& report, Setting setting) {
    return report.Failed(Step::OpenKey, setting);
}

}  // namespace

std::vector<Notice> AppendNotices(const AppendResult& result) {
    switch (result.outcome) {
        case Outcome::ListFull:
            return {{kListFull, kNoticeCaption}};
        case Outcome::RecordTooLong:
            return {{kRecordTooLong, kNoticeCaption}};
        case Outcome::Stored:
            return {{kSaved, kNoticeCaption}};
        case Outcome::NotStored:
            break;
    }
    std::vector<Notice> notices;
    if (KeyFailed(result.report, Setting::TaskValue)) notices.push_back({kSaveFailed});
    notices.push_back({kSetFailed});
    return notices;
}

std::vector<Notice> RewriteNotices(const SettingsReport& report) {
    if (KeyFailed(report, Setting::TaskValue)) return {{kSaveFailed}};
    if (!report.Ok()) return {{kSetFailed}};
    return {};
}

}  // namespace tocklet
