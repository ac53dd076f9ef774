// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shutdown/ui/ShutdownWarnDlg.h"

#include <QProgressBar>
#include <QPushButton>
#include <array>
#include <utility>

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
constexpr std::array kLineIds{Id::kLine1, Id::kLine2, Id::kLine3};
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
    // Every control is looked up here, once: a template without one fails as it is built.
    heading_ = ControlAs<CTintedStatic>(this, Id::kHeading);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = ControlAs<CTintedStatic>(this, kLineIds[i]);
    bar_ = ControlAs<QProgressBar>(this, Id::kProgress);
    cancel_ = ControlAs<QPushButton>(this, Id::kCancel);
    connect(cancel_, &QPushButton::clicked, this, &CShutdownWarnDlg::OnCancel);
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
    heading_->SetTextColor(Rgb(255, 0, 0));
    heading_->SetFontSpec(1, 28, 0);
    for (CTintedStatic* line : lines_) line->SetTextColor(Rgb(0, 0, 255));
    m_nTicks = 0;
    nowPressed_ = ended_ = false;
    bar_->setRange(0, kCountdownTicks);
    bar_->setValue(0);
    cancel_->setFocus();
}

void CShutdownWarnDlg::OnTimer(int id) {
    if (id != kCountdownTimer) return;
    ++m_nTicks;
    bar_->setValue(m_nTicks);
    if (m_nTicks == kCountdownTicks) Finish();
    if (m_nTicks % kTicksPerSecond == 0) svc_.sound.PlayAsync(kCountdownSound, true);
}

void CShutdownWarnDlg::Finish() {
    svc_.timers.Kill(kCountdownTimer);
    ended_ = true;
    svc_.ended(nowPressed_ ? CountdownEnd::kNow : CountdownEnd::kExpired);
    ShowNotices(svc_.boxes, RunFlagMessages(svc_.writeRunFlag()));
    // The desktop would ask whether the session may end; with protection on that is the
    // password prompt, and a refusal leaves the full bar standing and the computer running.
    if (svc_.maySessionEnd()) svc_.powerOff.RequestPowerOff();
}

void CShutdownWarnDlg::OnCancel() {
    svc_.timers.Kill(kCountdownTimer);
    done(kIdOk);
}

void CShutdownWarnDlg::OnShutdownNow() {
    m_nTicks = kCountdownTicks - 1;
    nowPressed_ = true;
}

void CShutdownWarnDlg::reject() { done(kIdCancel); }

void CShutdownWarnDlg::done(int result) {
    // The timer ends with the window, however it closes.
    svc_.timers.Kill(kCountdownTimer);
    if (!std::exchange(ended_, true)) svc_.ended(CountdownEnd::kCancelled);
    QDialog::done(result);
}

}  // namespace tocklet
