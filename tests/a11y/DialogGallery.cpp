// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Opens every window of the program at once, each through the panel's own handler where it
// has one, over fakes of every outside service: the panel with its floating clock, then each
// dialog modally above the last. Once the last one is open it prints, for each window, one line
// "window {json}" telling what a screen reader should find there (each control's role, place,
// shown text and value), then "ready", and stays until killed so that an accessibility client
// can walk them all.
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTranslator>
#include <cstdio>
#include <functional>
#include <vector>

#include "PanelHarness.h"
#include "clock/ui/GlyphClock.h"
#include "controls/LinkLabel.h"
#include "platform/QtMessageBox.h"
#include "tasks/TaskRecord.h"

using namespace tocklet;
using namespace tocklet::testing;

namespace {

// The time the harness's clock stands at, as the floating clock's face shows it.
constexpr const char* kFaceTime = "10:28:57";

// The role a screen reader should announce for w; empty for the containers it passes through.
QString ExpectedRole(const QWidget* w) {
    if (qobject_cast<const CLinkLabel*>(w) != nullptr) return QStringLiteral("link");
    if (qobject_cast<const CGlyphClock*>(w) != nullptr) return QStringLiteral("label");
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->movie() != nullptr) return QStringLiteral("animation");
        return label->pixmap().isNull() ? QStringLiteral("label") : QStringLiteral("image");
    }
    if (qobject_cast<const QRadioButton*>(w) != nullptr) return QStringLiteral("radio button");
    if (qobject_cast<const QCheckBox*>(w) != nullptr) return QStringLiteral("check box");
    if (qobject_cast<const QAbstractButton*>(w) != nullptr) return QStringLiteral("push button");
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->echoMode() == QLineEdit::Password ? QStringLiteral("password text")
                                                       : QStringLiteral("text");
    if (qobject_cast<const QAbstractSlider*>(w) != nullptr) return QStringLiteral("slider");
    if (qobject_cast<const QProgressBar*>(w) != nullptr) return QStringLiteral("progress bar");
    if (qobject_cast<const QComboBox*>(w) != nullptr) return QStringLiteral("combo box");
    if (qobject_cast<const QListWidget*>(w) != nullptr) return QStringLiteral("list");
    return {};
}

// The text the control shows, which a screen reader must say: a label's or link's name, an
// edit's text, a combo box's choice. Empty where only a non-empty name is asked for.
QString Shows(const QWidget* w) {
    if (qobject_cast<const CGlyphClock*>(w) != nullptr) return QString::fromLatin1(kFaceTime);
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (!label->pixmap().isNull() || label->movie() != nullptr) return {};
        return label->buddy() != nullptr ? StripMnemonic(label->text()) : label->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->echoMode() == QLineEdit::Password ? QString() : edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    return {};
}

QJsonArray Rect(const QObject* object) {
    const QRect r = QAccessible::queryAccessibleInterface(const_cast<QObject*>(object))->rect();
    return {r.x(), r.y(), r.width(), r.height()};
}

QJsonObject Describe(const QWidget* window) {
    QJsonArray controls;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const QString role = ExpectedRole(w);
        if (role.isEmpty() || w->window() != window || !w->isVisible() || w->size().isEmpty())
            continue;
        QJsonObject control{{"role", role}, {"rect", Rect(w)}, {"shows", Shows(w)}};
        if (const auto* slider = qobject_cast<const QAbstractSlider*>(w))
            control["value"] = QJsonArray{slider->minimum(), slider->maximum(), slider->value()};
        if (const auto* bar = qobject_cast<const QProgressBar*>(w))
            control["value"] = QJsonArray{bar->minimum(), bar->maximum(), bar->value()};
        controls.append(control);
    }
    const QString name =
        window->accessibleName().isEmpty() ? window->windowTitle() : window->accessibleName();
    return {{"window", name}, {"rect", Rect(window)}, {"controls", controls}};
}

void PrintManifest() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup) continue;
        const QByteArray line = QJsonDocument(Describe(window)).toJson(QJsonDocument::Compact);
        std::printf("window %s\n", line.constData());
    }
    std::puts("ready");
    std::fflush(stdout);
}

// The gallery opens each window to be read and is ended while they all stand open, so what a
// window would answer never comes back: this names that for each opener.
template <typename Answer>
void OnlyShown(Answer&&) {}

// Opens window i modally, after asking for window i + 1 to be opened inside its loop.
void OpenFrom(const std::vector<std::function<void()>>& openers, std::size_t i) {
    if (i == openers.size()) return PrintManifest();
    Soon([&openers, i] { OpenFrom(openers, i + 1); });
    openers[i]();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tocklet"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own button texts in the program's language, as the program loads them.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    PanelHarness h;
    h.registry.Put(kCvKey, "RegisteredOwner", Stored("Alice", 6));
    h.registry.Put(kCvKey, "RegisteredOrganization", Stored("Acme", 5));
    h.registry.Put(kProgramKey, "Repeat", Stored("2", 3));
    h.registry.Put(kProgramKey, "DelayTime", Stored("5", 3));
    h.registry.Put(kProgramKey, "CloseHour", Stored("22:30", 10));
    h.profile.Put("option", "clock", "1");
    h.StoreTasks({"1110,30_|" + Gb("开会"), "038,0_2|/usr/bin/xclock"});
    CMainPanelDlg& panel = h.Start();
    panel.show();
    h.clockTimers.Fire(kFaceTimerId);
    QtMessageBoxes boxes(&panel);
    // The dialogs the panel opens only on a path the gallery does not take (first use of
    // protection, a gated command, the power-off time), built as the panel builds them.
    CFirstPasswordDlg firstPassword(h.registry, h.profile, h.boxes, &panel);
    CPasswordPromptDlg prompt(h.boxes, &panel);
    CShutdownWarnDlg countdown(
        CountdownServices{h.countdownTimers, h.sound, h.boxes, h.powerOff,
                          [] { return SettingsReport{}; }, [] { return true; }},
        &panel);
    // Long enough to fill all four lines of the reminder.
    const std::string reminder =
        "1110,30_|" + Gb("请带上第三季度的报表和会议记录，下午两点整在三楼大会议室开会，"
                         "别忘了通知小王和小李一起参加。");

    const std::vector<std::function<void()>> openers{
        [&] { panel.OnAddTasks(); },
        [&] { panel.OnDeleteTasks(); },
        [&] { panel.OnSetShutdownTime(); },
        [&] { panel.OnUserInfo(); },
        [&] { panel.OnChangePassword(); },
        [&] { panel.OnChangeClockColor(); },
        [&] { panel.OnAbout(); },
        [&] { OnlyShown(firstPassword.DoModal()); },
        [&] { OnlyShown(prompt.DoModal("abc")); },
        [&] { panel.RunTask(ParseTaskRecord(reminder).record); },
        [&] { OnlyShown(countdown.DoModal()); },
        [&] {
            OnlyShown(boxes.Show(Gb("您确定要删除这个任务吗?"), Gb("守时鸟提示"), MbButtons::YesNo,
                                 MbIcon::Question));
        },
    };
    Soon([&] { OpenFrom(openers, 0); });
    return QApplication::exec();
}
