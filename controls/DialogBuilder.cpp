// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "controls/DialogBuilder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "controls/DialogFont.h"
#include "controls/DialogWidgets.h"
#include "controls/MenuBuilder.h"
#include "controls/RadioKeys.h"
#include "resources/Images.h"
#include "resources/Menus.h"

namespace tocklet {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool Has(std::uint32_t style, std::uint32_t flag) { return (style & flag) != 0; }

Qt::Alignment TextAlignment(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextCentre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case ControlKind::TextRight:
            return Qt::AlignRight | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

void SetFrame(QFrame* frame, std::uint32_t style) {
    if (Has(style, ControlStyle::kSunken)) {
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(1);
    } else if (Has(style, ControlStyle::kBordered)) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
    }
}

// Radios next to each other in template order share one exclusive group.
struct RadioGrouping {
    QButtonGroup* current = nullptr;
    std::vector<QButtonGroup*> all;

    void Add(QAbstractButton* radio, const ControlTemplate& control, QWidget* owner) {
        if (current == nullptr || Has(control.style, ControlStyle::kStartsGroup)) {
            current = new QButtonGroup(owner);
            current->setExclusive(true);
            all.push_back(current);
        }
        current->addButton(radio, control.id);
    }
    void Break() { current = nullptr; }
    // Once every radio is in its group: the arrow keys and Tab as in any desktop dialog.
    void FinishGroups() const {
        for (QButtonGroup* group : all) FollowArrowKeys(group);
    }
};

void DecorateText(QLabel* label, const ControlTemplate& control, const QString& caption) {
    label->setTextFormat(Qt::PlainText);
    label->setText(Has(control.style, ControlStyle::kNoPrefix) ? caption : StripMnemonic(caption));
    label->setAlignment(TextAlignment(control.kind));
    label->setWordWrap(true);
    SetFrame(label, control.style);
}

void DecorateImage(QLabel* label, const ControlTemplate& control, const QRect& place) {
    SetFrame(label, control.style);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    if (control.kind == ControlKind::Picture) {
        QPixmap picture = Bitmap(control.resourceId);
        const QSize room = label->contentsRect().size();
        if (!picture.isNull() && !Has(control.style, ControlStyle::kCentreImage) &&
            picture.size() != room && !room.isEmpty())
            picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        label->setPixmap(picture);
    } else if (control.kind == ControlKind::IconImage) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPixmap(Icon(control.resourceId).pixmap(32, 32));
    } else if (control.kind == ControlKind::Animation) {
        if (!Has(control.style, ControlStyle::kCentreImage))
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QString path = AnimationPath(control.resourceId);
        if (!path.isEmpty()) {
            auto* movie = new QMovie(path, QByteArrayLiteral("GIF"), label);
            movie->setCacheMode(QMovie::CacheAll);
            label->setMovie(movie);
            if (Has(control.style, ControlStyle::kAutoPlay)) movie->start();
        }
    }
}

void DecorateSlider(QSlider* slider, const ControlTemplate& control) {
    slider->setRange(0, 100);
    if (slider->orientation() == Qt::Vertical) {
        // Windows trackbars keep their minimum at the top, and Down moves towards the maximum.
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
    }
    if (Has(control.style, ControlStyle::kAutoTicks))
        slider->setTickPosition(slider->orientation() == Qt::Horizontal ? QSlider::TicksBelow
                                                                        : QSlider::TicksRight);
}

void Decorate(QWidget* widget, const ControlTemplate& control, const QString& caption,
              const QRect& place, RadioGrouping& radios, QWidget* owner) {
    if (control.kind != ControlKind::RadioButton) radios.Break();
    if (IsText(control.kind) || control.kind == ControlKind::Hyperlink) {
        if (auto* label = qobject_cast<QLabel*>(widget)) DecorateText(label, control, caption);
    } else if (control.kind == ControlKind::Picture || control.kind == ControlKind::IconImage ||
               control.kind == ControlKind::Animation) {
        if (auto* label = qobject_cast<QLabel*>(widget)) DecorateImage(label, control, place);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            if (control.kind == ControlKind::DefPushButton) push->setDefault(true);
            const QPixmap image = control.resourceId != 0 ? Bitmap(control.resourceId) : QPixmap();
            if (!image.isNull()) {
                // A bitmap button shows its picture instead of its text.
                push->setText(QString());
                push->setIcon(QIcon(image));
                push->setIconSize(image.size());
            }
        }
        if (control.kind == ControlKind::RadioButton) {
            button->setAutoExclusive(false);
            radios.Add(button, control, owner);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(caption);
        edit->setReadOnly(Has(control.style, ControlStyle::kReadOnly));
        if (Has(control.style, ControlStyle::kPassword)) edit->setEchoMode(QLineEdit::Password);
        if (Has(control.style, ControlStyle::kDigitsOnly))
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setEditable(Has(control.style, ControlStyle::kEditableCombo));
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (!Has(control.style, ControlStyle::kVScroll))
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        DecorateSlider(slider, control);
    } else if (auto* progress = qobject_cast<QProgressBar*>(widget)) {
        progress->setRange(0, 100);
        progress->setValue(0);
        progress->setTextVisible(false);
    }
    if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::Frame) {
        // Drawn behind the controls they surround and never in the way of the mouse.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->setFocusPolicy(Qt::NoFocus);
        widget->lower();
    }
}

// True when text marks a mnemonic: an '&' before anything but another '&'.
bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return true;
        ++i;
    }
    return false;
}

// A static text's mnemonic moves the focus to the next control that takes the focus, as the
// dialog manager does; without such a control the text is shown without its marker.
void LinkMnemonicLabels(const std::vector<std::pair<QWidget*, const ControlTemplate*>>& built) {
    for (std::size_t i = 0; i < built.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(built[i].first);
        const ControlTemplate& control = *built[i].second;
        if (label == nullptr || !IsText(control.kind) ||
            Has(control.style, ControlStyle::kNoPrefix))
            continue;
        const QString caption = FromUtf8(control.caption);
        if (!HasMnemonic(caption)) continue;
        for (std::size_t j = i + 1; j < built.size(); ++j) {
            if (built[j].first->focusPolicy() == Qt::NoFocus) continue;
            label->setText(caption);
            label->setBuddy(built[j].first);
            break;
        }
    }
}

// Static texts and links are heard by the text they show, which for a value static (a count,
// a reminder line) changes while the dialog is open; their template name only says what the
// text is. Every other control is named by its caption, or else by its template name.
void NameForScreenReaders(QWidget* widget, const ControlTemplate& control, const QString& caption) {
    const QString named = FromUtf8(control.accessibleName);
    if (IsText(control.kind) || control.kind == ControlKind::Hyperlink) {
        widget->setAccessibleDescription(named);
        return;
    }
    widget->setAccessibleName(control.caption.empty() ? named : StripMnemonic(caption));
}

QRect Place(const ControlTemplate& control, BaseUnits units) {
    const PixelRect pixels = DluToPixels(control.rect, units);
    return QRect(pixels.x, pixels.y, pixels.width, pixels.height);
}

// The control numbered id in the dialog's own window, or nullptr.
QWidget* FindControlWidget(QWidget* dialog, int id) {
    if (dialog == nullptr || id == kNoControlId) return nullptr;
    const QWidget* window = dialog->window();
    const QList<QWidget*> found = dialog->findChildren<QWidget*>(QString::number(id));
    for (QWidget* widget : found)
        if (widget->window() == window && ControlIdOf(widget) == id) return widget;
    return nullptr;
}

// For example: tocklet::CAddTaskDlg "添加新任务" (template N): control M wanted as QLineEdit,
// but it is a QLabel (or: but the dialog has none).
std::string LookupFailure(const QWidget* dialog, int id, const QMetaObject& wanted,
                          const QWidget* found) {
    QString text = dialog == nullptr ? QStringLiteral("no dialog")
                                     : QStringLiteral("%1 \"%2\"")
                                           .arg(QLatin1String(dialog->metaObject()->className()),
                                                dialog->window()->windowTitle());
    const QVariant templateId = dialog ? dialog->property(kTemplateIdProperty) : QVariant();
    if (templateId.isValid()) text += QStringLiteral(" (template %1)").arg(templateId.toInt());
    text += QStringLiteral(": control %1 wanted as %2, but ")
                .arg(id)
                .arg(QLatin1String(wanted.className()));
    text += found != nullptr
                ? QStringLiteral("it is a %1").arg(QLatin1String(found->metaObject()->className()))
                : QStringLiteral("the dialog has none");
    return text.toStdString();
}

}  // namespace

QString StripMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

BuiltDialog BuildDialog(const DialogTemplate& dialogTemplate, QWidget* dialog,
                        const BuildOptions& options) {
    BuiltDialog built;
    built.font = DialogFontFor(dialogTemplate);
    built.units = MeasureBaseUnits(built.font);
    built.frame = DluToPixels(dialogTemplate.rect, built.units);

    if (dialog->isWindow()) dialog->setWindowFlags(WindowFlagsFor(dialogTemplate.style));
    dialog->setProperty(kTemplateIdProperty, dialogTemplate.id);
    dialog->setWindowTitle(FromUtf8(dialogTemplate.caption));
    dialog->setFont(built.font);
    if (Has(dialogTemplate.style, DialogStyle::kSetForeground)) RaiseWhenShown(dialog);

    const QSize clientSize(built.frame.width, built.frame.height);
    const MenuData* menu = dialogTemplate.menuId != 0 ? FindMenu(dialogTemplate.menuId) : nullptr;
    if (menu != nullptr) {
        // The menu bar sits above the client area, which keeps the template's size.
        auto* layout = new QVBoxLayout(dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        built.menuBar = BuildMenuBar(*menu, dialog);
        layout->setMenuBar(built.menuBar);
        built.client = new QWidget(dialog);
        built.client->setFixedSize(clientSize);
        layout->addWidget(built.client);
    } else {
        built.client = dialog;
        dialog->setFixedSize(clientSize);
    }

    RadioGrouping radios;
    std::vector<std::pair<QWidget*, const ControlTemplate*>> made;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const auto factory = options.factories.find(control.id);
        QWidget* widget = control.id != kNoControlId && factory != options.factories.end()
                              ? factory->second(control, built.client)
                              : nullptr;
        if (widget == nullptr) widget = MakeStandardWidget(control, built.client);
        if (widget->parentWidget() != built.client) widget->setParent(built.client);

        const QString caption = FromUtf8(control.caption);
        const QRect place = Place(control, built.units);
        if (control.id != kNoControlId) widget->setObjectName(QString::number(control.id));
        widget->setProperty(kControlIdProperty, control.id);
        widget->setProperty(kControlKindProperty, static_cast<int>(control.kind));
        widget->setGeometry(place);
        Decorate(widget, control, caption, place, radios, built.client);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // The template's height includes the dropped-down list; the box itself is one line.
            widget->setGeometry(place.x(), place.y(), place.width(),
                                std::min(place.height(), combo->sizeHint().height()));
        }
        NameForScreenReaders(widget, control, caption);
        if (Has(control.style, ControlStyle::kDisabled)) widget->setEnabled(false);
        widget->show();
        made.emplace_back(widget, &control);
    }
    LinkMnemonicLabels(made);
    radios.FinishGroups();

    // Made after the controls, so that as the dialog's last child it outlives them.
    QStyle* buttonStyle = NewDialogButtonStyle(dialog);
    for (QAbstractButton* button : built.client->findChildren<QAbstractButton*>()) {
        const bool builtHere = button->property(kControlKindProperty).isValid();
        if (builtHere && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
            button->setStyle(buttonStyle);
    }
    return built;
}

QWidget* CheckedControl(QWidget* dialog, int id, const QMetaObject& wanted) {
    QWidget* found = FindControlWidget(dialog, id);
    if (found == nullptr || wanted.cast(found) == nullptr)
        throw ControlLookupError(LookupFailure(dialog, id, wanted, found));
    return found;
}

QWidget* ControlById(QWidget* dialog, int id) {
    return CheckedControl(dialog, id, QWidget::staticMetaObject);
}

int ControlIdOf(const QObject* widget) {
    if (widget == nullptr) return kNoControlId;
    bool ok = false;
    const int id = widget->property(kControlIdProperty).toInt(&ok);
    return ok ? id : kNoControlId;
}

QButtonGroup* RadioGroupOf(QWidget* dialog, int id) {
    return ControlAs<QAbstractButton>(dialog, id)->group();
}

void CheckRadioButton(QWidget* dialog, int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        auto* button = ControlAs<QAbstractButton>(dialog, id);
        if (id == check) continue;
        QButtonGroup* group = button->group();
        const bool exclusive = group != nullptr && group->exclusive();
        // An exclusive group refuses to uncheck its checked button directly.
        if (exclusive) group->setExclusive(false);
        button->setChecked(false);
        if (exclusive) group->setExclusive(true);
    }
    if (check != 0) ControlAs<QAbstractButton>(dialog, check)->setChecked(true);
}

}  // namespace tocklet
