// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shutdown/ui/ShutdownWarnDlg.h"

#include <QProgressBar>
#include <QPushButton>
#include <array>

#include "controls/DialogBuilder.h"
#include "controls/TintedStatic.h"
#include "platform/MessageBox.h"
#include "platform/PowerOff.h"
#include "platform/Sound.h"
#include "platform/Timers.h"
#include "resources/Templates.h"
#include "shutdown/ui/RunFlagMessages.h"

namespace tocklet {
namespace {

using Id = ShutdownWarnIds;
constexpr std::array kTintedIds{Id::kHeading, Id::kLine1, Id::kLine2, Id::kLine3};
constexpr int kTicksPerSecond = 10;

}  // namespace

CShutdownWarnDlg::CShutdownWarnDlg(CountdownServices services, QWidget* parent)
    : QDialog(parent), svc_(std::move(services)) {
    BuildOptions options;
    for (int id : kTintedIds) {
        options.factories[id] = [](const ControlTemplate&, QWidget* p) {
            return new CTintedStatic(p);
        };
    }
    BuildDialog(ShutdownWarnTemplate(), this, options);
    connect(ControlAs<QPushButton>(this, Id::kCancel), &QPushButton::clicked, this,
            &CShutdownWarnDlg::OnCancel);
    connect(ControlAs<QPushButton>(this, Id::kShutdownNow), &QPushButton::clicked, this,
            &CShutdownWarnDlg::OnShutdownNow);
    svc_.timers.SetHandler([this](int id, const TickSeconds&) { OnTimer(id); });
}

CShutdownWarnDlg::~CShutdownWarnDlg() {
    svc_.timers.SetHandler({});
    svc_.timers.Kill(kCountdownTimer);
}

int CShutdownWarnDlg::DoModal() {
    svc_.timers.Set(kCountdownTimer, kCountdownTickMs);
    OnInitDialog();
    show();
    raise();
    activateWindow();
    return exec();
}

void CShutdownWarnDlg::OnInitDialog() {
    auto* heading = ControlAs<CTintedStatic>(this, Id::kHeading);
    heading->SetTextColor(Rgb(255, 0, 0));
    heading->SetFontSpec(1, 28, 0);
    for (int id : {Id::kLine1, Id::kLine2, Id::kLine3})
        ControlAs<CTintedStatic>(this, id)->SetTextColor(Rgb(0, 0, 255));
    m_nTicks = 0;
    auto* bar = ControlAs<QProgressBar>(this, Id::kProgress);
    bar->setRange(0, kCountdownTicks);
    bar->setValue(0);
    ControlAs<QPushButton>(this, Id::kCancel)->setFocus();
}

void CShutdownWarnDlg::OnTimer(int id) {
    if (id != kCountdownTimer) return;
    ++m_nTicks;
    ControlAs<QProgressBar>(this, Id::kProgress)->setValue(m_nTicks);
    if (m_nTicks == kCountdownTicks) Finish();
    if (m_nTicks % kTicksPerSecond == 0) svc_.sound.PlayAsync(kCountdownSound, true);
}

void CShutdownWarnDlg::Finish() {
    svc_.timers.Kill(kCountdownTimer);
    ShowNotices(svc_.boxes, RunFlagMessages(svc_.writeRunFlag()));
    // The desktop would ask whether the session may end; with protection on that is the
    // password prompt, and a refusal leaves the full bar standing and the computer running.
    if (svc_.maySessionEnd()) svc_.powerOff.RequestPowerOff();
}

void CShutdownWarnDlg::OnCancel() {
    svc_.timers.Kill(kCountdownTimer);
    done(kIdOk);
}

void CShutdownWarnDlg::OnShutdownNow() { m_nTicks = kCountdownTicks - 1; }

void CShutdownWarnDlg::reject() { done(kIdCancel); }

void CShutdownWarnDlg::done(int result) {
    // The timer ends with the window, however it closes.
    svc_.timers.Kill(kCountdownTimer);
    QDialog::done(result);
}

}  // namespace tocklet
