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
constexpr std::array<std::pair<int, int>, 6> kRadioNumbers{
    {{1003, 1}, {1004, 2}, {1005, 3}, {1007, 4}, {1008, 5}, {1006, 6}}};
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
    if (auto* choose = ControlAs<QPushButton>(this, kClockColorChooseId)) {
        connect(choose, &QPushButton::clicked, this, &CClockColorDlg::OnChoose);
    }
}

std::optional<int> CClockColorDlg::DoModal() {
    if (exec() != kIdOk) return std::nullopt;
    return m_nChosen;
}

void CClockColorDlg::OnChoose() {
    int checked = 0;
    for (int id = kClockColorFirstRadio; id <= kClockColorLastRadio; ++id) {
        const auto* radio = ControlAs<QAbstractButton>(this, id);
        if (radio != nullptr && radio->isChecked()) checked = id;
    }
    m_nChosen = ClockColorNumberOfRadio(checked);
    m_clrChosen = ClockColorFromNumber(m_nChosen);
    done(kIdOk);
}

}  // namespace tocklet
