// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The panel's start-up sequence, step by step: icon, controls, stored settings, first use,
// clock options, chime checks, the task list, the launch options and the sliders.
#include <QCheckBox>
#include <QSlider>
#include <iostream>

#include "controls/DialogBuilder.h"
#include "platform/Autostart.h"
#include "platform/SelfLauncher.h"
#include "platform/SystemResult.h"
#include "settings/ClockOptions.h"
#include "shell/MainPanelDlg.h"
#include "shell/SettingsMessages.h"
#include "store/Text.h"

namespace tocklet {
namespace {

void SetCheck(QWidget* panel, int id, bool checked) {
    ControlAs<QCheckBox>(panel, id)->setChecked(checked);
}

void EnableControl(QWidget* panel, int id, bool enabled) {
    ControlById(panel, id)->setEnabled(enabled);
}

}  // namespace

void CMainPanelDlg::OnInitDialog() {
    AddTrayIcon();
    // The controls are built once the icon is on its way to the notification area: building
    // them loads the font database, the slowest step of the start, and nothing of the panel
    // is seen before it is shown.
    BuildControls();
    m_settings.m_clrClock = kDefaultClockColor;
    SetUpMailLink();
    m_settings.m_nTasksAdded = 0;
    m_nShutdownRepeats = 0;
    ReadStoredSettings();
    ApplyShutdownTimeText();
    ApplyClockOptions();
    SetCheck(this, kIdMonitoring, true);
    m_bMonitoring = true;
    ShowChimeChecks();
    m_shutdownTime = SplitShutdownTime(m_settings.m_strShutdownTime);
    LoadTaskList();
    LoadLaunchOptions();
    SetUpSlider(kIdDelaySlider, 60, 5, m_settings.m_nDelayMinutes);
    m_strDelayText = std::to_string(m_settings.m_nDelayMinutes);
    SetUpSlider(kIdRepeatSlider, 5, 1, m_settings.m_nRepeat);
    m_strRepeatText = std::to_string(m_settings.m_nRepeat);
    m_strTaskCountText = std::to_string(m_settings.m_nTaskCount + m_settings.m_nTasksAdded);
    UpdateStatics();
    SetUpToolbar();
    FollowProtection();
    if (m_settings.m_bUsePassword) m_guard.SayIfBlind();
    WatchClock();
}

void CMainPanelDlg::ReadStoredSettings() {
    const StartupValues values = store_.ReadStartup();
    ShowNotices(svc_.boxes, StartupReadMessages(values));
    ApplyStartupValues(values, m_settings);
    SetCheck(this, kIdUsePassword, m_settings.m_bUsePassword);
    UpdateStatics();
    if (IsFirstRun(values)) RunFirstUse();
    store_.CloseStartupKeys();
    m_strBanner = BannerText(values);
    UpdateStatics();
}

void CMainPanelDlg::RunFirstUse() {
    const std::optional<std::string> password = m_firstPasswordDlg->DoModal();
    const std::string exe = svc_.self.ExecutablePath();
    ShowNotices(svc_.boxes,
                FirstRunMessages(store_.FirstRunWrites(TryUtf8ToGb(exe).value_or(exe))));
    RegisterAutostart(exe);
    // The password chosen at first use guards this run too, not only the next one: the empty
    // copy read before it would let any input through once protection is switched on.
    if (password) m_settings.m_strPassword = *password;
}

void CMainPanelDlg::RegisterAutostart(const std::string& executable) {
    const SystemResult registered = svc_.autostart.Register(executable);
    if (registered.Ok()) return;
    // Said at the first run only, which registers: later starts do not try again.
    std::cerr << "tocklet: cannot register the start at log-in: " << registered.Describe() << '\n';
    svc_.boxes.Tell(Gb(" 未能设置登录桌面时自动启动守时鸟,\n 以后请在登录后自己启动守时鸟. "),
                    Gb("守时鸟向您提示"), MbIcon::Question);
}

void CMainPanelDlg::ApplyClockOptions() {
    const ClockOptions clock = ReadClockOptions(svc_.profile);
    m_settings.m_clrClock = ClockColorFromNumber(clock.color);
    SetCheck(this, kIdShowClock, clock.clock != 0);
    ApplyClockCheck();
}

void CMainPanelDlg::ShowChimeChecks() {
    SetCheck(this, kIdChimeSound, m_settings.m_bChimeSound);
    SetCheck(this, kIdChimeText, m_settings.m_bChimeText);
    if (m_settings.m_bChimeOn) {
        SetCheck(this, kIdChimeOn, true);
    } else {
        EnableControl(this, kIdChimeSound, false);
        EnableControl(this, kIdChimeText, false);
    }
}

void CMainPanelDlg::LoadTaskList() {
    ReadTaskTables();
    taskListLoaded_ = true;
    if (m_settings.m_nTaskCount == 0) {
        svc_.boxes.Tell(Gb(" 当前没有任何可以执行的任务,如果您是一个新用户,\n"
                           "   请在主窗口中点击<添加任务>按钮添加新任务.\n"
                           "    注意：新任务至少要二分钟后才会响应! "),
                        Gb("守时鸟向您提示"), MbIcon::Question);
    }
}

void CMainPanelDlg::ReadTaskTables() {
    if (m_tasks.LoadTasks(m_settings.m_nTaskCount)) return;
    // The user hears of a registry that cannot be used where it is read at the start and
    // where it is written; here only the trace of why no task is watched.
    std::cerr
        << "tocklet: the task list cannot be read: the program's registry key does not open\n";
}

void CMainPanelDlg::LoadLaunchOptions() {
    ShowNotices(svc_.boxes, LoadOptionsMessages(store_.LoadOptions(m_settings)));
    CheckRadioButton(this, kIdLaunchMinimised, kIdLaunchNormal,
                     m_settings.m_nLaunchShow ? kIdLaunchNormal : kIdLaunchMinimised);
}

void CMainPanelDlg::SetUpSlider(int id, int maximum, int step, int position) {
    auto* slider = ControlAs<QSlider>(this, id);
    slider->setRange(0, maximum);
    slider->setTickInterval(step);
    slider->setSingleStep(step);
    slider->setPageStep(step);
    slider->setValue(position);
}

}  // namespace tocklet
