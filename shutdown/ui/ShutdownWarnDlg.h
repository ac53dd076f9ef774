// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// The 30-second countdown before the power-off: a red heading, three blue lines, a bar that
// fills in 300 steps of 100 ms on the dialog's own timer, "取消[&C]" and "立即关闭[&R]". It stays
// above every window and has no close box. At the 300th step it writes the run marker, passes
// the session-end gate and requests the power-off; "close.wav" sounds at every whole second.

#include <QDialog>
#include <array>
#include <functional>

#include "platform/RemoteControl.h"
#include "resources/ShutdownWarnIds.h"
#include "settings/SettingsTable.h"

class QProgressBar;
class QPushButton;

namespace tocklet {

class CTintedStatic;
class MessageBoxes;
class PowerOff;
class Sound;
class Timers;

/// Control numbers of the countdown.
inline constexpr int kCountdownTimer = 4;
inline constexpr int kCountdownTickMs = 100;
inline constexpr int kCountdownTicks = 300;
inline constexpr const char* kCountdownSound = "close.wav";

/// What the countdown needs from outside.
struct CountdownServices {
    Timers& timers;  ///< the dialog's own timers, apart from the panel's
    Sound& sound;
    MessageBoxes& boxes;
    PowerOff& powerOff;
    std::function<SettingsReport()> writeRunFlag;  ///< "Config" "run" = "0"
    /// May the session end now? False keeps the computer running (the password refused).
    std::function<bool()> maySessionEnd;
    /// Told once per opening how the countdown ended: as it runs out or "立即关闭" makes it,
    /// or when it closes before that.
    std::function<void(CountdownEnd)> ended = [](CountdownEnd) {};
};

class CShutdownWarnDlg : public QDialog {
    Q_OBJECT
public:
    explicit CShutdownWarnDlg(CountdownServices services, QWidget* parent = nullptr);
    ~CShutdownWarnDlg() override;

    /// Starts the timer, resets the bar, brings the window to the front and runs it modally
    /// until "取消[&C]" (kIdOk) or Escape (kIdCancel) closes it.
    [[nodiscard]] int DoModal();

    /// One tick of the dialog's timers; only the countdown timer counts.
    void OnTimer(int id);
    /// "取消[&C]": stops the timer and closes.
    void OnCancel();
    /// "立即关闭[&R]": the next tick is the last.
    void OnShutdownNow();

    /// Escape: closes with kIdCancel.
    void reject() override;
    void done(int result) override;

    /// Tenths of a second counted in this opening, 0..300.
    [[nodiscard]] int Ticks() const { return m_nTicks; }

private:
    void OnInitDialog();
    void Finish();

    CountdownServices svc_;
    int m_nTicks = 0;
    bool nowPressed_ = false;  ///< "立即关闭" in this opening
    bool ended_ = false;       ///< its end told in this opening
    CTintedStatic* heading_ = nullptr;
    std::array<CTintedStatic*, 3> lines_{};
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace tocklet
