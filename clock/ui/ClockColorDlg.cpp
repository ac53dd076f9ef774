// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "clock/ui/ClockColorDlg.h"

#include <QAbstractButton>
#include <QPushButton>
#include <array>
#include <utility>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "resources/Templates.h"
#include "settings/ClockOptions.h"

namespace tocklet {
namespace {

// Radio button and colour number; the colours are the numbers' (settings/ClockOptions.h).
constexpr std::array<std::pair<int, int>, 6> kRadioNumbers{{{kClockColorRedId, 1},
                                                            {kClockColorGreenId, 2},
                                                            {kClockColorBlueId, 3},
                                                            {kClockColorYellowId, 4},
                                                            {kClockColorBrownId, 5},
                                                            {kClockColorWhiteId, 6}}};
constexpr int kNoneCheckedNumber = 2;

}  // namespace

int ClockColorNumberOfRadio(int radioId) {
    for (const auto& [radio, number] : kRadioNumbers)
        if (radio == radioId) return number;
    return kNoneCheckedNumber;
}

CClockColorDlg::CClockColorDlg(QWidget* parent)
    : QDialog(parent),
      m_clrChosen(ClockColorFromNumber(kNoneCheckedNumber)),
      m_nChosen(kNoneCheckedNumber) {
    BuildDialog(ClockColorTemplate(), this);
    connect(ControlAs<QPushButton>(this, kClockColorChooseId), &QPushButton::clicked, this,
            &CClockColorDlg::OnChoose);
    // Looked up once here, so that a radio missing from the template shows when the dialog is
    // built rather than when a colour is chosen.
    for (int id = kClockColorFirstRadio; id <= kClockColorLastRadio; ++id)
        radios_.push_back(ControlAs<QAbstractButton>(this, id));
}

std::optional<int> CClockColorDlg::DoModal() {
    if (exec() != kIdOk) return std::nullopt;
    return m_nChosen;
}

void CClockColorDlg::OnChoose() {
    int checked = 0;
    for (const QAbstractButton* radio : radios_)
        if (radio->isChecked()) checked = ControlIdOf(radio);
    m_nChosen = ClockColorNumberOfRadio(checked);
    m_clrChosen = ClockColorFromNumber(m_nChosen);
    done(kIdOk);
}

}  // namespace tocklet
