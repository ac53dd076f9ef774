// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "tasks/ui/TaskMessages.h"

#include "tasks/TaskTexts.h"

namespace tocklet {
namespace {

using Step = SettingsFailure::Step;
using Outcome = AppendResult::Outcome;

constexpr std::string_view kSaveFailed = kTaskSaveFailedText;
constexpr std::string_view kSetFailed = kTaskSetFailedText;
constexpr std::string_view kSaved = kTaskSavedText;
constexpr std::string_view kNoticeCaption = kTaskNoticeCaption;
constexpr std::string_view kListFull = kTaskListFullText;
constexpr std::string_view kRecordTooLong = kTaskRecordTooLongText;

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
