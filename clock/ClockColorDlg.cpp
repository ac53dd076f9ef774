#include "clock/ClockColorDlg.h"

#include <QAbstractButton>
#include <QPushButton>

#include "controls/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "resources/Templates.h"

namespace tocklet {

CClockColorDlg::CClockColorDlg(QWidget* parent) : QDialog(parent) {
    BuildDialog(ClockColorTemplate(), this);
    if (auto* choose = ControlAs<QPushButton>(this, kClockColorChooseId)) {
        connect(choose, &QPushButton::clicked, this, &CClockColorDlg::OnChoose);
    }
}

std::optional<ClockColourChoice> CClockColorDlg::DoModal() {
    if (exec() != kIdOk) return std::nullopt;
    return m_chosen;
}

void CClockColorDlg::OnChoose() {
    int checked = 0;
    for (int id = kClockColorFirstRadio; id <= kClockColorLastRadio; ++id) {
        const auto* radio = ControlAs<QAbstractButton>(this, id);
        if (radio != nullptr && radio->isChecked()) checked = id;
    }
    m_chosen = ClockColourOfRadio(checked);
    done(kIdOk);
}

}  // namespace tocklet
