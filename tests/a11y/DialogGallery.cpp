// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Opens every window of the program at once, each through the panel's own handler where it
// has one, over fakes of every outside service: the panel with its floating clock, then each
// dialog modally above the last. The walker leads it by lines on standard input:
//   "hide"  hides the panel as its close box does, "show" shows it again from the icon, as a
//           user finds it after start-up;
//   "open"  opens the dialogs; once the last one is open it prints, for each window in the
//           order opened, one line "window {json}" telling what a screen reader should find
//           there (each control's role, place on the screen and in its window, shown text and
//           value, and the window's X id), then "ready";
//   "close" closes the last dialog opened that is still open (the topmost one), so that the
//           pointer reaches the one below.
// It prints "panel" once the panel is first shown, and stays until killed.
#include <unistd.h>

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
#include <QSocketNotifier>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
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

// Where the control is in its window's client area, as Qt draws it there: its own geometry,
// which no window manager changes.
QJsonArray Local(const QWidget* w) {
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    return {at.x(), at.y(), w->width(), w->height()};
}

QJsonObject Describe(const QWidget* window) {
    QJsonArray controls;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const QString role = ExpectedRole(w);
        if (role.isEmpty() || w->window() != window || !w->isVisible() || w->size().isEmpty())
            continue;
        QJsonObject control{
            {"role", role}, {"rect", Rect(w)}, {"local", Local(w)}, {"shows", Shows(w)}};
        if (const auto* slider = qobject_cast<const QAbstractSlider*>(w))
            control["value"] = QJsonArray{slider->minimum(), slider->maximum(), slider->value()};
        if (const auto* bar = qobject_cast<const QProgressBar*>(w))
            control["value"] = QJsonArray{bar->minimum(), bar->maximum(), bar->value()};
        controls.append(control);
    }
    const QString name =
        window->accessibleName().isEmpty() ? window->windowTitle() : window->accessibleName();
    return {{"window", name},
            {"rect", Rect(window)},
            {"xid", QString::number(window->winId())},
            {"closable", window->parentWidget() != nullptr || window->isModal()},
            {"controls", controls}};
}

// The windows in the order they were opened: the panel and its clock first, then the dialogs.
std::vector<const QWidget*> g_opened;

// Notes the windows shown since the last call.
void NoteOpened() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup) continue;
        if (std::find(g_opened.begin(), g_opened.end(), window) == g_opened.end())
            g_opened.push_back(window);
    }
}

// Closes the last window opened that is still open: it is the topmost one.
void CloseTopmost() {
    while (!g_opened.empty() && !g_opened.back()->isVisible()) g_opened.pop_back();
    if (g_opened.empty()) return;
    auto* top = const_cast<QWidget*>(g_opened.back());
    g_opened.pop_back();
    if (auto* dialog = qobject_cast<QDialog*>(top)) {
        dialog->done(0);
    } else {
        top->close();
    }
}

void PrintManifest() {
    for (const QWidget* window : g_opened) {
        const QByteArray line = QJsonDocument(Describe(window)).toJson(QJsonDocument::Compact);
        std::printf("window %s\n", line.constData());
    }
    std::puts("ready");
    std::fflush(stdout);
}

// The walker's lines on standard input, each handed to step.
class StepReader : public QObject {
public:
    explicit StepReader(std::function<void(const std::string&)> step)
        : step_(std::move(step)), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { Read(); });
    }

private:
    void Read() {
        char chunk[256];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            notifier_.setEnabled(false);
            return;
        }
        pending_.append(chunk, static_cast<std::size_t>(got));
        for (auto end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
            const std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            step_(line);
        }
    }

    std::function<void(const std::string&)> step_;
    QSocketNotifier notifier_;
    std::string pending_;
};

// The gallery opens each window to be read and is ended while they all stand open, so what a
// window would answer never comes back: this names that for each opener.
template <typename Answer>
void OnlyShown(Answer&&) {}

// Opens window i modally, after asking for window i + 1 to be opened inside its loop.
void OpenFrom(const std::vector<std::function<void()>>& openers, std::size_t i) {
    if (i == 0) NoteOpened();  // the panel and its clock
    if (i == openers.size()) return PrintManifest();
    Soon([&openers, i] {
        NoteOpened();
        OpenFrom(openers, i + 1);
    });
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
        // First: a pop-up of its own, which window managers keep below the panel's dialogs.
        [&] { panel.RunTask(ParseTaskRecord(reminder).record); },
        [&] { panel.OnAddTasks(); },
        [&] { panel.OnDeleteTasks(); },
        [&] { panel.OnSetShutdownTime(); },
        [&] { panel.OnUserInfo(); },
        [&] { panel.OnChangePassword(); },
        [&] { panel.OnChangeClockColor(); },
        [&] { panel.OnAbout(); },
        [&] { OnlyShown(firstPassword.DoModal()); },
        [&] { OnlyShown(prompt.DoModal("abc")); },
        [&] {
            OnlyShown(boxes.Show(Gb("您确定要删除这个任务吗?"), Gb("守时鸟提示"), MbButtons::YesNo,
                                 MbIcon::Question));
        },
        // Last: it stays above every other window, so it is also the topmost of them.
        [&] { OnlyShown(countdown.DoModal()); },
    };
    StepReader steps([&](const std::string& step) {
        if (step == "hide") panel.close();  // the close box only hides the panel
        if (step == "show") h.tray.Press(TrayButton::Left);
        if (step == "open") Soon([&] { OpenFrom(openers, 0); });
        if (step == "close") CloseTopmost();
    });
    Soon([] {
        std::puts("panel");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
