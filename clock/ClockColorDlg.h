#pragma once
// The clock colour dialog: six radio buttons, none checked when it opens, and "选定", which
// takes the checked colour (green when none is). The caller stores and applies the choice.

#include <QDialog>
#include <optional>

#include "clock/ClockColours.h"

namespace tocklet {

inline constexpr int kClockColorChooseId = 1001;
inline constexpr int kClockColorFirstRadio = 1003;
inline constexpr int kClockColorLastRadio = 1008;

class CClockColorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CClockColorDlg(QWidget* parent = nullptr);

    /// Runs the dialog modally: the choice after "选定"; nothing after Escape or the close box.
    std::optional<ClockColourChoice> DoModal();

    /// "选定": takes the checked colour and ends the dialog with kIdOk.
    void OnChoose();

    /// The colour "选定" took; kClockColourUnchosen before it was pressed.
    const ClockColourChoice& Chosen() const { return m_chosen; }

private:
    ClockColourChoice m_chosen = kClockColourUnchosen;
};

}  // namespace tocklet
