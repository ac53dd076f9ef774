// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shutdown/ui/ShutdownTimeDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "controls/SpinField.h"
#include "controls/UpDownButtons.h"
#include "platform/MessageBox.h"
#include "resources/Templates.h"

namespace tocklet {
namespace {

constexpr SpinRange kHours{0, 23};
constexpr SpinRange kSixty{0, 59};

int InRangeOrZero(int value, SpinRange range) {
    return value >= range.minimum && value <= range.maximum ? value : 0;
}

}  // namespace

CShutdownTimeDlg::CShutdownTimeDlg(QWidget* parent) : QDialog(parent) {
    using Id = ShutdownTimeIds;
    BuildDialog(ShutdownTimeTemplate(), this);
    auto spin = [this](int edit, int arrows, SpinRange range) {
        return new SpinField(ControlAs<QLineEdit>(this, edit),
                             ControlAs<UpDownButtons>(this, arrows), range, this);
    };
    m_hour = spin(Id::kHourEdit, Id::kHourSpin, kHours);
    m_minute = spin(Id::kMinuteEdit, Id::kMinuteSpin, kSixty);
    m_second = spin(Id::kSecondEdit, Id::kSecondSpin, kSixty);
    connect(ControlAs<QPushButton>(this, Id::kOk), &QPushButton::clicked, this,
            &CShutdownTimeDlg::OnOK);
}

int CShutdownTimeDlg::DoModal(const ShutdownTime& time) {
    m_time = time;
    OnInitDialog();
    return exec();
}

void CShutdownTimeDlg::OnInitDialog() {
    m_hour->SetPosition(InRangeOrZero(m_time.m_nHour, kHours));
    m_minute->SetPosition(InRangeOrZero(m_time.m_nMinute, kSixty));
    m_second->SetPosition(InRangeOrZero(m_time.m_nSecond, kSixty));
    m_hour->Edit()->setFocus();
}

void CShutdownTimeDlg::OnOK() {
    m_time = {m_hour->ReadPosition(), m_minute->ReadPosition(), m_second->ReadPosition()};
    done(kIdOk);
}

void CShutdownTimeDlg::reject() { done(kIdCancel); }

}  // namespace tocklet
