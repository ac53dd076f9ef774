// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#pragma once
// Builds a dialog's widgets from its template: caption, window flags, font, fixed client size,
// the menu bar, and one widget per control at its place, in template order (which is also the
// tab order). Every numbered control can be found again by its number:
//   objectName() == QString::number(id), property("controlId") == id,
//   ControlById(dialog, id), ControlAs<QSlider>(dialog, kIdDelaySlider).
// A lookup of a control that the template lacks, or holds as another kind, is a fault of the
// program: it throws ControlLookupError, which names the dialog, the number and the wanted type.

#include <QButtonGroup>
#include <QFont>
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <map>
#include <stdexcept>

#include "resources/DialogTemplate.h"
#include "resources/DialogUnits.h"

namespace tocklet {

/// Dynamic property holding a control's number (kNoControlId for unnumbered ones).
inline constexpr const char* kControlIdProperty = "controlId";
/// Dynamic property holding the control's ControlKind as an int.
inline constexpr const char* kControlKindProperty = "controlKind";
/// Dynamic property of the dialog holding the number of the template it was built from.
inline constexpr const char* kTemplateIdProperty = "templateId";

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

/// A dialog's code named a control that its template lacks or holds as another kind. The
/// message names the dialog (class, caption, template number), the control's number and the
/// type the code wanted. Nothing catches it: a test that meets it fails, and the program
/// ends with the message rather than running on with a control that does nothing.
class ControlLookupError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

/// The control numbered id in the dialog's own window (not in dialogs it owns), checked to be
/// a wanted (QWidget's meta-object takes any control). Never nullptr: throws
/// ControlLookupError instead.
[[nodiscard]] QWidget* CheckedControl(QWidget* dialog, int id, const QMetaObject& wanted);

/// The control numbered id in the dialog's own window; never nullptr (see CheckedControl).
[[nodiscard]] QWidget* ControlById(QWidget* dialog, int id);

/// The control numbered id as a T; never nullptr (see CheckedControl).
template <typename T>
[[nodiscard]] T* ControlAs(QWidget* dialog, int id) {
    return static_cast<T*>(CheckedControl(dialog, id, T::staticMetaObject));
}

/// The number a widget was built with, or kNoControlId.
[[nodiscard]] int ControlIdOf(const QObject* widget);

/// The group of the button numbered id, or nullptr when it is in none (a check box, a push
/// button). Throws ControlLookupError when the dialog has no such button.
[[nodiscard]] QButtonGroup* RadioGroupOf(QWidget* dialog, int id);

/// Checks radio check and unchecks the other radios numbered first to last; check 0 checks
/// none. Every number from first to last, and check, must name a button of the dialog.
void CheckRadioButton(QWidget* dialog, int first, int last, int check);

/// Text with its mnemonic markers removed: "&x" -> "x", "&&" -> "&".
[[nodiscard]] QString StripMnemonic(const QString& text);

}  // namespace tocklet
