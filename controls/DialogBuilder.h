// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Builds a dialog's widgets from its template: caption, window flags, font, fixed client size,
// the menu bar, and one widget per control at its place, in template order (which is also the
// tab order). Every numbered control can be found again by its number:
//   objectName() == QString::number(id), property("controlId") == id,
//   ControlById(dialog, id), ControlAs<QSlider>(dialog, 1022).

#include <QButtonGroup>
#include <QFont>
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <map>

#include "resources/DialogTemplate.h"
#include "resources/DialogUnits.h"

namespace tocklet {

/// Dynamic property holding a control's number (kNoControlId for unnumbered ones).
inline constexpr const char* kControlIdProperty = "controlId";
/// Dynamic property holding the control's ControlKind as an int.
inline constexpr const char* kControlKindProperty = "controlKind";

/// Makes the widget for one control instead of the standard one for its kind. The builder
/// still places it, names it and, when it is a QLabel or a button, gives it the caption.
using ControlFactory = std::function<QWidget*(const ControlTemplate& control, QWidget* parent)>;

struct BuildOptions {
    std::map<int, ControlFactory> factories;  // by control number
};

struct BuiltDialog {
    QWidget* client = nullptr;    // parent of the controls: the dialog, or below the menu bar
    QMenuBar* menuBar = nullptr;  // when the template names a menu
    QFont font;                   // the dialog font, also set on the dialog
    BaseUnits units;              // its measured base units
    PixelRect frame;              // the template's placement and client size in pixels
};

/// Fills dialog (normally an empty QDialog) from the template. Enter and Escape are left to
/// the dialog, as are placement on the screen and the controls' contents. Building cannot
/// fail; what it returns are the measures and the menu bar, for a caller that lays out more
/// around the controls, and a dialog that needs neither leaves them.
BuiltDialog BuildDialog(const DialogTemplate& dialogTemplate, QWidget* dialog,
                        const BuildOptions& options = {});

/// The control numbered id in the dialog's own window (not in dialogs it owns), or nullptr.
[[nodiscard]] QWidget* ControlById(QWidget* dialog, int id);

/// The control numbered id as a T, or nullptr when there is none or it is no T.
template <typename T>
[[nodiscard]] T* ControlAs(QWidget* dialog, int id) {
    return qobject_cast<T*>(ControlById(dialog, id));
}

/// The number a widget was built with, or kNoControlId.
[[nodiscard]] int ControlIdOf(const QObject* widget);

/// The group an automatic radio button belongs to, or nullptr.
[[nodiscard]] QButtonGroup* RadioGroupOf(QWidget* dialog, int id);

/// Checks radio check and unchecks the other radios numbered first to last.
void CheckRadioButton(QWidget* dialog, int first, int last, int check);

/// Text with its mnemonic markers removed: "&x" -> "x", "&&" -> "&".
[[nodiscard]] QString StripMnemonic(const QString& text);

}  // namespace tocklet
