// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shutdown/ui/RunFlagMessages.h"

namespace tocklet {

std::vector<Notice> RunFlagMessages(const SettingsReport& report) {
    std::vector<Notice> notices;
    for (const SettingsFailure& failure : report.failures) {
        if (failure.setting != Setting::RunFlag) continue;
        if (failure.step == SettingsFailure::Step::OpenKey) {
            notices.push_back({"  保存数据失败!  "});
        } else if (failure.step == SettingsFailure::Step::SetValue) {
            notices.push_back({"Fail to set path value"});
        }
    }
    return notices;
}

}  // namespace tocklet
