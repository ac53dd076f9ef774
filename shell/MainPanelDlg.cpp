// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/MainPanelDlg.h"

#include <QBackingStore>
#include <QCheckBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMovie>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include "clock/ui/FloatClockDlg.h"
#include "controls/DialogBuilder.h"
#include "controls/MenuBuilder.h"
#include "platform/Clock.h"
#include "platform/IdleMemory.h"
#include "platform/QtText.h"
#include "platform/TimerSchedule.h"
#include "platform/Timers.h"
#include "platform/TrayIcon.h"
#include "protection/ui/PasswordGate.h"
#include "resources/Images.h"
#include "resources/Menus.h"
#include "resources/Templates.h"
#include "shell/SettingsMessages.h"
#include "store/Text.h"

namespace tocklet {

CMainPanelDlg::CMainPanelDlg(PanelServices services, QWidget* parent)
    : QDialog(parent),
      svc_(services),
      store_(services.registry),
      m_tasks(services.registry),
      m_firstPasswordDlg([this] {
          return std::make_unique<CFirstPasswordDlg>(svc_.registry, svc_.profile, svc_.boxes, this);
      }),
      m_passwordPrompt([this] { return std::make_unique<CPasswordPromptDlg>(svc_.boxes, this); }),
      m_changePasswordDlg(
          [this] { return std::make_unique<CChangePasswordDlg>(svc_.boxes, this); }),
      m_deleteTaskDlg([this] { return std::make_unique<CDeleteTaskDlg>(svc_.boxes, this); }),
      m_addTaskDlg([this] { return std::make_unique<CAddTaskDlg>(m_tasks, svc_.boxes, this); }),
      m_userInfoDlg([this] {
          return std::make_unique<CUserInfoDlg>(
              [this](std::string_view organization, std::string_view owner) {
                  return store_.WriteOwnerNames(organization, owner);
              },
              svc_.boxes, this);
      }),
      m_guard(services.windows, services.windowChanges, services.boxes,
              AdministeredGuardedWindows()),
      m_checkLog(
          [this](std::int64_t second) { return svc_.clock.LocalTime(FromEpochSeconds(second)); },
          kCatchUpSeconds),
      m_shutdownTimeDlg([this] { return std::make_unique<CShutdownTimeDlg>(this); }),
      m_shutdownWarnDlg([this] {
          return std::make_unique<CShutdownWarnDlg>(
              CountdownServices{svc_.countdownTimers, svc_.sound, svc_.boxes, svc_.powerOff,
                                [this] { return store_.WriteRunFlag(); },
                                [this] { return OnQueryEndSession(); },
                                [this](CountdownEnd how) { events_->CountdownEnded(how); }},
              this);
      }) {
    svc_.timers.SetHandler([this](int id, const TickSeconds& seconds) { OnTimer(id, seconds); });
}

CMainPanelDlg::~CMainPanelDlg() {
    svc_.clockSet.Watch({});
    svc_.sleep.Watch({});
    svc_.timers.SetHandler({});
    for (int id : {kTimerSecond, kTimerTaskCheck, kTimerHide, kTimerAlign}) svc_.timers.Kill(id);
}

void CMainPanelDlg::BuildControls() {
    BuiltDialog built = BuildDialog(MainPanelTemplate(), this, CustomControls());
    setWindowIcon(Icon(kProgramIcon));
    AttachCustomControls();
    // The panel and its controls share one light-blue ground.
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(128, 174, 228));
    setPalette(ground);
    setAutoFillBackground(true);
    if (built.menuBar) {
        connect(built.menuBar, &QMenuBar::triggered, this,
                [this](QAction* action) { RunItem(action); });
        BindMenuKeys(*built.menuBar);
    }
    if (const MenuData* menu = FindMenu(kTrayMenuId); menu && !menu->popups.empty()) {
        trayMenu_ = BuildPopupMenu(menu->popups.front(), this);
        connect(trayMenu_, &QMenu::triggered, this, [this](QAction* action) { RunItem(action); });
    }
    ConnectControls();
}

void CMainPanelDlg::ConnectControls() {
    auto onClick = [this](int id, void (CMainPanelDlg::*handler)()) {
        connect(ControlAs<QAbstractButton>(this, id), &QAbstractButton::clicked, this, handler);
    };
    onClick(kIdChimeOn, &CMainPanelDlg::OnChimeCheck);
    onClick(kIdChimeSound, &CMainPanelDlg::OnChimeSoundCheck);
    onClick(kIdChimeText, &CMainPanelDlg::OnChimeTextCheck);
    onClick(kIdMonitoring, &CMainPanelDlg::OnMonitoringCheck);
    onClick(kIdAddTasks, &CMainPanelDlg::OnAddTasks);
    onClick(kIdDeleteTasks, &CMainPanelDlg::OnDeleteTasks);
    onClick(kIdChangePassword, &CMainPanelDlg::OnChangePassword);
    onClick(kIdShowClock, &CMainPanelDlg::OnClockCheck);
    onClick(kIdSetShutdownTime, &CMainPanelDlg::OnSetShutdownTime);
    auto* box = ControlAs<QCheckBox>(this, kIdUsePassword);
    connect(box, &QCheckBox::clicked, this,
            [this, box] { OnUsePasswordClicked(*box, m_settings, m_passwordPrompt.Get()); });
    connect(ControlAs<QRadioButton>(this, kIdLaunchMinimised), &QRadioButton::clicked, this,
            [this] { m_settings.m_nLaunchShow = 0; });
    connect(ControlAs<QRadioButton>(this, kIdLaunchNormal), &QRadioButton::clicked, this,
            [this] { m_settings.m_nLaunchShow = 1; });
    ConnectGuardControls();
    connect(ControlAs<QSlider>(this, kIdDelaySlider), &QSlider::valueChanged, this,
            [this](int value) {
                m_settings.m_nDelayMinutes = value;
                m_strDelayText = std::to_string(value);
                UpdateStatics();
            });
    connect(ControlAs<QSlider>(this, kIdRepeatSlider), &QSlider::valueChanged, this,
            [this](int value) {
                m_settings.m_nRepeat = value;
                m_strRepeatText = std::to_string(value);
                UpdateStatics();
            });
}

int CMainPanelDlg::DoModal() {
    OnCreate();
    OnInitDialog();
    initialised_ = true;
    // The panel hides and shows all its life, so it runs a loop of its own: QDialog::exec()
    // would end at the first hide.
    show();
    QEventLoop loop;
    loop_ = &loop;
    const int result = loop.exec();
    loop_ = nullptr;
    return result;
}

void CMainPanelDlg::done(int r) {
    QDialog::done(r);
    if (loop_) loop_->exit(r);
}

void CMainPanelDlg::OnCreate() {
    m_nextSecond =
        std::chrono::floor<std::chrono::seconds>(svc_.clock.Now()).time_since_epoch().count() + 1;
    svc_.timers.Set(kTimerSecond, kSecondMs);
    svc_.timers.Set(kTimerHide, kHideMs);
    svc_.timers.Set(kTimerAlign, kSecondMs);
    // Only second 0 matters to the align timer: it sleeps until the next one.
    const std::int64_t after = m_nextSecond;
    const std::tm at = svc_.clock.LocalTime(FromEpochSeconds(after));
    svc_.timers.SleepUntil(kTimerAlign, after + (60 - at.tm_sec) % 60);
}

void CMainPanelDlg::SaveSettings() {
    ShowNotices(svc_.boxes, SaveMessages(store_.SaveSettings(m_settings)));
}

void CMainPanelDlg::UpdateStatics() {
    auto setText = [this](int id, const std::string& text) {
        ControlAs<QLabel>(this, id)->setText(FromGb(text));
    };
    setText(kIdBanner, m_strBanner);
    setText(kIdDelayText, m_strDelayText);
    setText(kIdRepeatText, m_strRepeatText);
    setText(kIdTaskCountText, m_strTaskCountText);
}

void CMainPanelDlg::ApplyShutdownTimeText() {
    ControlAs<QLineEdit>(this, kIdShutdownTime)->setText(FromGb(m_settings.m_strShutdownTime));
}

void CMainPanelDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            // Escape hands over to a fresh instance of the program.
            RestartAfterEscape();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The panel has no default button: Enter must not end the program unsaved.
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CMainPanelDlg::closeEvent(QCloseEvent* event) {
    // The close box only hides the panel; the program lives on in the notification area.
    event->ignore();
    HidePanel();
}

void CMainPanelDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        HidePanel();
    }
}

void CMainPanelDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    ScheduleSecondTicks();
    // Nobody sees the animation while the panel is hidden: keep the program idle.
    if (QMovie* movie = ControlAs<QLabel>(this, kIdAnimation)->movie()) movie->setPaused(true);
    // The panel is what draws most of the program's text; once it is gone the program sits in
    // the notification area for hours, and the font pages it touched need not stay its own.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) return;
        if (QBackingStore* store = backingStore()) store->resize(QSize(1, 1));
        TrimIdleMemory();
    });
}

void CMainPanelDlg::showEvent(QShowEvent* event) {
    // Sent before the window is mapped: it appears with the current time in its title.
    ShowCurrentTitle();
    PlaceOnce();
    QDialog::showEvent(event);
    // Shown, the title clock runs every second.
    ScheduleSecondTicks();
    if (QMovie* movie = ControlAs<QLabel>(this, kIdAnimation)->movie();
        movie != nullptr && movie->state() == QMovie::Paused) {
        movie->setPaused(false);
    }
    if (hideWhenShown_) {
        hideWhenShown_ = false;
        QTimer::singleShot(0, this, &CMainPanelDlg::HidePanel);
    }
}

void CMainPanelDlg::PlaceOnce() {
    if (placed_) return;
    placed_ = true;
    // The panel comes back where it was each time it is shown again. Left to itself, a dialog
    // centres itself anew at every show, by its frame, whose size is known only after a window
    // manager framed it once: each show put it somewhere else, and a window manager could take
    // the position for the client's while Qt took it for the frame's, so that what the panel
    // told assistive technology lay a title bar away from where it was drawn. Placed once by
    // its client area, the position means the same to Qt and to any window manager.
    const QScreen* on = screen();
    if (on == nullptr) return;
    QRect place(QPoint(0, 0), size());
    place.moveCenter(on->availableGeometry().center());
    setGeometry(place);
}

void CMainPanelDlg::HidePanel() {
    // Before the modal loop has shown the panel, hiding means hiding as soon as it shows.
    if (!initialised_ && !isVisible()) hideWhenShown_ = true;
    hide();
}

}  // namespace tocklet
