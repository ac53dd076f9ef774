// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The main panel: the program's one long-lived window. It owns the settings, the task list,
// the notification icon and the timers; its timer handler is the heartbeat of the program.

#include <QDialog>
#include <ctime>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/ClockWatch.h"
#include "platform/RemoteControl.h"
#include "protection/ui/ChangePasswordDlg.h"
#include "protection/ui/ControlPanelGuard.h"
#include "protection/ui/FirstPasswordDlg.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "protection/ui/UserInfoDlg.h"
#include "resources/CommandIds.h"
#include "resources/ImageIds.h"
#include "resources/MainPanelIds.h"
#include "settings/PanelSettings.h"
#include "settings/SettingsStore.h"
#include "settings/ShutdownTime.h"
#include "shell/OnDemand.h"
#include "shell/PanelServices.h"
#include "shutdown/ui/ShutdownTimeDlg.h"
#include "shutdown/ui/ShutdownWarnDlg.h"
#include "tasks/MissedReminders.h"
#include "tasks/TaskStore.h"
#include "tasks/ui/AddTaskDlg.h"
#include "tasks/ui/DeleteTaskDlg.h"

class QAction;
class QMenu;
class QMenuBar;
class QEventLoop;

namespace tocklet {

struct TickSeconds;
struct BuildOptions;
struct TaskRecord;
struct LateReminder;
struct SystemResult;
class SessionEndQuery;
class CFloatClockDlg;

/// Timer numbers and intervals of the panel.
enum PanelTimer : int { kTimerSecond = 1, kTimerTaskCheck = 2, kTimerHide = 4, kTimerAlign = 5 };
inline constexpr int kSecondMs = 1000;
inline constexpr int kTaskCheckMs = 60000;
inline constexpr int kHideMs = 800;

class CMainPanelDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMainPanelDlg(PanelServices services, QWidget* parent = nullptr);
    ~CMainPanelDlg() override;

    /// Creates the window (timers), runs the start-up sequence and then the modal loop;
    /// returns kIdOk when the program ended itself, kIdCancel after Escape. A loop ended by a
    /// restart (after a task change, or Escape) has its new instance running already.
    [[nodiscard]] int DoModal();

    /// Starts timers 1, 4 and 5, as the window's creation does.
    void OnCreate();
    /// The start-up sequence: icon, controls, settings, first run, tasks, options.
    void OnInitDialog();
    /// Every tick of every panel timer.
    void OnTimer(int id, const TickSeconds& seconds);
    /// A menu, icon-menu or toolbar command; false when the panel has no such command.
    [[nodiscard]] bool OnCommand(int command);

    void AddTrayIcon();
    void UpdateTrayIcon();
    void RemoveTrayIcon();
    /// Starts a new instance of the program and ends this panel with kIdOk. When none starts,
    /// the panel stays: it says why, reloads the task list and puts its icon back.
    void RestartSelf();
    /// Ends the panel's loop with result r.
    void done(int r) override;

    /// One-second work for the local time now: hourly chime, then the window title.
    void CheckHourlyChime();
    /// The task check of one minute: every due task carried out in table order.
    void CheckTasks();
    /// Carries out one due task: a reminder pop-up with its sound, or its program.
    void RunTask(const TaskRecord& task);
    /// Shows message reminders whose minute passed unexamined, oldest first, each in the
    /// usual pop-up with the time it was due in its title.
    void ShowLateReminders(const std::vector<LateReminder>& late);

    /// Whether anything needs the one-second tick every second now: the panel's title clock
    /// while it is shown, the floating clock, the power-off countdown, and the Control Panel
    /// guard's scan while protection is on. Otherwise the tick sleeps until something is due.
    [[nodiscard]] bool NeedsEverySecond();
    /// Lets the one-second tick sleep until the next second at which it has work (the
    /// power-off second, the full hour of the chime), or wakes it every second again.
    void ScheduleSecondTicks();
    /// The wall clock was set, or the machine woke: the timers look at the clock again, and
    /// after a sleep the message reminders it took are shown.
    void OnClockChange(ClockWatch::Change change);
    /// Starts hearing of clock sets and resumes, once the start-up is done.
    void WatchClock();

    void OnChimeCheck();
    void OnToggleChime();
    void OnChimeSoundCheck();
    void OnChimeTextCheck();
    void OnMonitoringCheck();
    void SetMonitoring(bool on);

    /// The add-task dialog; restarts the program when tasks were stored.
    void OnAddTasks();
    /// Behind the password: the delete-task dialog; saves, rewrites and restarts after a
    /// deletion.
    void OnDeleteTasks();
    /// Behind the password: saves the settings and ends the program.
    void ExitProgram();
    /// The change-password dialog and, after a change, the stored password.
    void OnChangePassword();
    /// Whether the desktop session may end now: always while protection is off, else only
    /// after the password prompt accepted.
    [[nodiscard]] bool OnQueryEndSession();
    /// Answers the session manager's end request in one step, through OnQueryEndSession
    /// while protection is on.
    void AnswerSessionEnd(SessionEndQuery& query);
    /// The registry file changed, by another program or by this one: a stored task list that
    /// differs from the loaded one is read again in place (the tables and the panel's task
    /// count), as a new instance would load it; the same list is left as it is. While the
    /// add-task or delete-task dialog is open, the look waits for it to close.
    void OnRegistryFileChanged();
    /// Who hears of fired tasks, the countdown and monitoring switched (nobody until set).
    void SetEvents(PanelEvents& events) { events_ = &events; }
    /// A later start of the program asked for the panel: shown and brought to the front.
    void ShowForLaterStart();
    /// Writes the settings and tells the user what could not be written.
    void SaveSettings();
    /// The owner editor.
    void OnUserInfo();
    /// The floating clock exists exactly while the box 显示实钟 is checked: a new one at its
    /// starting place in the clock colour when checked, none when unchecked.
    void ApplyClockCheck();
    void OnClockCheck();
    /// Inverts the box 显示实钟, then ApplyClockCheck.
    void OnToggleClock();
    /// The clock colour dialog; a choice is stored in the INI file and shows a new clock in it.
    void OnChangeClockColor();

    /// The help commands: About box, read-me, mail and home page; false for other commands.
    [[nodiscard]] bool OnHelpCommand(int command);
    /// The About box, modally.
    void OnAbout();
    /// Opens the read-me from the current folder or the installed data folder, or says why not.
    void OnReadMe();
    /// Behind the password: the shutdown time dialog; a time taken with "确定" is armed at
    /// once and shown (it is stored with the next save).
    void OnSetShutdownTime();
    /// Shows the preset power-off time in its edit (预设关机时间) and keeps its text for the next
    /// save.
    void ShowShutdownTime();
    /// Step of the one-second tick, before the chime, while monitoring is on: at the preset
    /// second, saves the settings, runs the countdown, then postpones as the options say.
    void CheckShutdownTime();

    /// The title the title clock keeps, "超级守时鸟  " and the last tick's time; it is
    /// written to the window only while the panel is shown.
    [[nodiscard]] std::string WindowTitleText() const;
    /// The setting fields as they stand now.
    [[nodiscard]] const PanelSettings& Settings() const { return m_settings; }
    /// The task list loaded at start-up.
    [[nodiscard]] const TaskStore& Tasks() const { return m_tasks; }
    /// True while the tasks are monitored.
    [[nodiscard]] bool IsMonitoring() const { return m_bMonitoring; }
    /// The preset power-off time: taken apart at start-up, then as set or postponed.
    [[nodiscard]] const ShutdownTime& PresetShutdownTime() const { return m_shutdownTime; }
    /// The floating clock while it exists, else nullptr.
    [[nodiscard]] CFloatClockDlg* FloatClock() const { return m_pFloatClock.get(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildControls();
    [[nodiscard]] BuildOptions CustomControls();
    void AttachCustomControls();
    void SetUpMailLink();
    void SetUpToolbar();
    /// Binds the keys that the menu bar shows beside its items.
    void BindMenuKeys(QMenuBar& menuBar);
    /// An item of the menu bar, the icon's menu or the toolbar: its command.
    void RunItem(QAction* action);
    /// Opens a mail or web address as the mail link does, saying why when it cannot.
    void OpenAddress(const std::string& target);
    void ConnectControls();
    void ConnectGuardControls();
    // The start-up sequence, step by step.
    void ReadStoredSettings();
    void RunFirstUse();
    void ApplyClockOptions();
    void ShowChimeChecks();
    void LoadTaskList();
    /// Loads the tables from values 1 to the task count.
    void ReadTaskTables();
    void LoadLaunchOptions();
    /// Registers the executable for the start at log-in and says once when it cannot.
    void RegisterAutostart(const std::string& executable);
    void SetUpSlider(int id, int maximum, int step, int position);

    /// True when the align timer's tick covers a second 0 or the clock is at one now.
    [[nodiscard]] bool ReachedWholeMinute(const TickSeconds& seconds) const;
    void OnTrayButton(int button);
    void ShowTrayMenu();
    void UpdateWindowTitle();
    void ShowCurrentTitle();
    /// One second of the one-second tick: the power-off check, then the hourly chime.
    void OnSecond(const std::tm& at);
    void UpdateStatics();
    void ApplyShutdownTimeText();
    void HidePanel();
    /// At the first show: centred on the screen by its client area, where it stays across
    /// every hide and show (and where the user moves it).
    void PlaceOnce();
    /// The first shown dialog of the panel built from one of these templates, or nullptr.
    [[nodiscard]] QDialog* OpenDialog(std::initializer_list<int> templates) const;
    /// Raises and focuses the open dialog of one of these templates; false when none is open,
    /// and the command may open its own.
    [[nodiscard]] bool RaiseOpenDialog(std::initializer_list<int> templates);
    /// A pass of the Control Panel guard, run while protection is on: when the window system
    /// says the windows changed, or each second where it says nothing.
    void RunControlPanelGuard();
    /// Has the guard follow protection as it is now (at start and after the switch).
    void FollowProtection();

    /// Escape: a fresh instance in this one's place, as RestartSelf, ending with kIdCancel.
    void RestartAfterEscape();
    /// Starts the instance that takes this one's place; true when it runs. When it does not,
    /// this instance goes on in its place (RunOnAfterFailedRestart).
    [[nodiscard]] bool StartSuccessor();
    void RunOnAfterFailedRestart(const SystemResult& failed);
    /// The task list as a new instance would load it: the stored count, then the tables.
    void ReloadTaskList();
    /// True when the stored count and records are those loaded.
    [[nodiscard]] bool StoredTaskListIsLoaded();
    /// After a task dialog closed without a restart: the look a change asked for meanwhile.
    void LookAtChangeSeenMeanwhile();

    PanelServices svc_;
    SettingsStore store_;
    PanelSettings m_settings;
    TaskStore m_tasks;
    OnDemand<CFirstPasswordDlg> m_firstPasswordDlg;
    OnDemand<CPasswordPromptDlg> m_passwordPrompt;
    OnDemand<CChangePasswordDlg> m_changePasswordDlg;
    OnDemand<CDeleteTaskDlg> m_deleteTaskDlg;
    OnDemand<CAddTaskDlg> m_addTaskDlg;
    OnDemand<CUserInfoDlg> m_userInfoDlg;
    ControlPanelGuard m_guard;
    bool m_bMonitoring = false;
    SilentEvents silentEvents_;
    PanelEvents* events_ = &silentEvents_;
    std::tm m_tmNow{};
    std::string m_strTitleTime;
    std::string m_strBanner;
    std::string m_strDelayText;
    std::string m_strRepeatText;
    std::string m_strTaskCountText;
    int m_nShutdownRepeats = 0;  ///< countdowns opened since the start
    ShutdownTime m_shutdownTime;
    std::unique_ptr<CFloatClockDlg> m_pFloatClock;
    bool m_bShutdownCountdownOpen = false;  ///< never a second countdown over the first
    TaskCheckLog m_checkLog;
    std::int64_t m_nextSecond = 0;  ///< the first second the one-second tick has not served
    OnDemand<CShutdownTimeDlg> m_shutdownTimeDlg;
    OnDemand<CShutdownWarnDlg> m_shutdownWarnDlg;
    QMenu* trayMenu_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool hideWhenShown_ = false;
    bool initialised_ = false;
    bool taskListLoaded_ = false;       ///< the start-up sequence has read the task list
    bool taskDialogOpen_ = false;       ///< the add-task or delete-task dialog works on the list
    bool changeSeenMeanwhile_ = false;  ///< the registry file changed while it was open
    bool placed_ = false;               ///< PlaceOnce has placed the panel
};

}  // namespace tocklet
