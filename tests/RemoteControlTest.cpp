// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// Scripts' way into the panel: the moments it tells, and the interface on a session bus of the
// test's own (a dbus-daemon on its own address), called from another connection.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>

#include "PanelHarness.h"
#include "fakes/FakeRemoteControl.h"
#include "platform/DBusRemoteControl.h"
#include "protection/ui/PasswordPromptDlg.h"
#include "shell/PanelRemote.h"

namespace tocklet::testing {

/// Records the signals heard on a connection, one line each.
class SignalLog : public QObject {
    Q_OBJECT
public:
    std::vector<std::string> heard;
    QEventLoop* waiting = nullptr;

    void Listen(QDBusConnection& bus) {
        for (const char* name : {"TaskFired", "MonitoringChanged"}) {
            const char* slot = name[0] == 'T' ? SLOT(OnTaskFired(QString, QString, QString))
                                              : SLOT(OnMonitoringChanged(bool));
            EXPECT_TRUE(bus.connect(QString(), BusObjectPath(), BusName(),
                                    QString::fromLatin1(name), this, slot));
        }
    }
    /// Waits for the next signal unless one is heard already.
    void WaitFor(std::size_t count) {
        QEventLoop loop;
        waiting = &loop;
        if (heard.size() < count) loop.exec();
        waiting = nullptr;
    }

public Q_SLOTS:
    void OnTaskFired(const QString& due, const QString& kind, const QString& text) {
        Note("TaskFired " + due.toStdString() + ' ' + kind.toStdString() + ' ' +
             text.toStdString());
    }
    void OnMonitoringChanged(bool on) {
        Note(on ? "MonitoringChanged true" : "MonitoringChanged false");
    }

private:
    void Note(std::string line) {
        heard.push_back(std::move(line));
        if (waiting) waiting->quit();
    }
};

namespace {

/// A session bus of the test's own.
struct PrivateBus {
    QTemporaryDir dir;
    QProcess daemon;
    QString address;

    PrivateBus() {
        daemon.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"),
             QStringLiteral("--print-address=1"),
             QStringLiteral("--address=unix:path=") + dir.path() + QStringLiteral("/bus")});
        // The address is printed once the daemon listens.
        while (!daemon.canReadLine() && daemon.waitForReadyRead(60000)) {
        }
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon.terminate();
        if (!daemon.waitForFinished()) daemon.kill();
    }
    QDBusConnection Connect(const QString& name) {
        QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        EXPECT_TRUE(bus.isConnected()) << address.toStdString();
        return bus;
    }
};

/// Calls a method of the program's interface and waits for the answer in an event loop, so
/// that the program's side, in this process too, is served meanwhile.
QDBusMessage Call(QDBusConnection& bus, const char* method, const QVariantList& args = {},
                  const char* interface = nullptr) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        BusName(), BusObjectPath(), interface ? QString::fromLatin1(interface) : BusName(),
        QString::fromLatin1(method));
    call.setArguments(args);
    QDBusPendingCallWatcher watcher(bus.asyncCall(call));
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished()) loop.exec();
    return watcher.reply();
}

/// Runs fn on each password prompt once it is shown, from the prompt's own loop.
class PromptWatch : public QObject {
public:
    explicit PromptWatch(std::function<void(CPasswordPromptDlg*)> fn) : fn_(std::move(fn)) {
        qApp->installEventFilter(this);
    }
    ~PromptWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* prompt = dynamic_cast<CPasswordPromptDlg*>(watched);
            prompt && event->type() == QEvent::Show) {
            Soon([this, prompt] { fn_(prompt); });
        }
        return false;
    }

private:
    std::function<void(CPasswordPromptDlg*)> fn_;
};

QVariantMap StatusOf(QDBusConnection& bus) {
    const QDBusReply<QVariantMap> reply = Call(bus, "Status");
    EXPECT_TRUE(reply.isValid()) << reply.error().message().toStdString();
    return reply.value();
}

/// A panel with one task, served on a private bus and called from a second connection.
struct BusPanel {
    PrivateBus bus;
    PanelHarness h;
    CMainPanelDlg* panel = nullptr;
    QDBusConnection server = bus.Connect(QStringLiteral("server"));
    QDBusConnection client = bus.Connect(QStringLiteral("client"));
    std::unique_ptr<DBusRemoteControl> control;
    std::unique_ptr<PanelRemote> remote;

    explicit BusPanel(bool protection) {
        h.StoreTasks({Gb("1110,30_|开会")});
        h.registry.Put(kProgramKey, "CloseHour", Stored("-1:-1:-1", 10));
        if (protection) {
            h.registry.Put(kCvKey, "UsePas", Stored("1", 3));
            h.registry.Put(kCvKey, "pass", Stored("pw", 11));
        }
        panel = &h.Start();
        control = std::make_unique<DBusRemoteControl>(server);
        remote = std::make_unique<PanelRemote>(*panel, h.clock);
        panel->SetEvents(*control);
        EXPECT_TRUE(control->Serve(*remote));
    }
    ~BusPanel() {
        control->Leave();
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
    }
};

TEST(RemoteControl, ThePanelTellsItsMoments) {
    PanelHarness h;
    h.StoreTasks({Gb("1110,30_|开会")});
    h.registry.Put(kProgramKey, "CloseHour", Stored("22:0:0", 10));
    CMainPanelDlg& p = h.Start();
    FakeRemoteControl remote;
    p.SetEvents(remote);
    EXPECT_TRUE(p.OnCommand(kCmdPauseMonitoring));
    EXPECT_TRUE(p.OnCommand(kCmdPauseMonitoring));  // already paused: nothing to tell
    ControlAs<QAbstractButton>(&p, kIdMonitoring)->click();
    h.clock.SetLocal(2026, 12, 7, 10, 30, 0);
    Soon([] { Acknowledge(OpenReminders().empty() ? nullptr : OpenReminders().front()); });
    h.timers.Fire(kTimerTaskCheck);
    std::vector<std::string> expected = {"MonitoringChanged false", "MonitoringChanged true",
                                         "TaskFired 2026-12-07 10:30 message " + Gb("开会")};
    // Three countdowns: cancelled, cut short with "立即关闭", run out.
    const std::vector<std::pair<std::function<void(CShutdownWarnDlg*)>, std::string>> ways = {
        {[](CShutdownWarnDlg*) {}, "cancelled"},
        {[&](CShutdownWarnDlg* d) {
             ControlAs<QAbstractButton>(d, ShutdownWarnIds::kShutdownNow)->click();
             h.countdownTimers.Fire(kCountdownTimer);
         },
         "now"},
        {[&](CShutdownWarnDlg*) {
             for (int i = 0; i < kCountdownTicks; ++i) h.countdownTimers.Fire(kCountdownTimer);
         },
         "expired"}};
    int day = 7;
    for (const auto& [way, word] : ways) {
        const ShutdownTime at = p.PresetShutdownTime();
        h.clock.SetLocal(2026, 12, ++day, at.m_nHour, at.m_nMinute, at.m_nSecond);
        Soon([&, way = way] {
            auto* countdown = DialogOf<CShutdownWarnDlg>(p);
            way(countdown);
            ControlAs<QAbstractButton>(countdown, ShutdownWarnIds::kCancel)->click();
        });
        h.TickSecond();
        expected.push_back("CountdownStarted " + FormatShutdownTime(at));
        expected.push_back("CountdownEnded " + word);
    }
    EXPECT_EQ(remote.heard, expected);
    EXPECT_EQ(h.powerOff.requests, 2);
}

TEST(RemoteControl, MethodsAndSignalsRoundTripOnTheBus) {
    BusPanel b(false);
    const QDBusMessage introspection =
        Call(b.client, "Introspect", {}, "org.freedesktop.DBus.Introspectable");
    EXPECT_TRUE(introspection.arguments().value(0).toString().contains(
        QStringLiteral("interface name=\"") + BusName()));
    QVariantMap status = StatusOf(b.client);
    EXPECT_EQ(status.value(QStringLiteral("monitoring")), QVariant(true));
    EXPECT_EQ(status.value(QStringLiteral("tasks")), QVariant(1));
    EXPECT_EQ(status.value(QStringLiteral("next-due")),
              QVariant(QStringLiteral("2026-12-07 10:30")));
    EXPECT_EQ(status.value(QStringLiteral("next-kind")), QVariant(QStringLiteral("message")));
    EXPECT_EQ(status.value(QStringLiteral("next-text")), QVariant(QStringLiteral("开会")));
    EXPECT_EQ(status.value(QStringLiteral("power-off")), QVariant(QStringLiteral("none")));

    SignalLog log;
    log.Listen(b.client);
    EXPECT_EQ(Call(b.client, "Pause").type(), QDBusMessage::ReplyMessage);
    log.WaitFor(1);
    EXPECT_FALSE(b.panel->IsMonitoring());
    EXPECT_EQ(b.h.tray.iconId, kTrayIconPaused);
    EXPECT_EQ(StatusOf(b.client).value(QStringLiteral("monitoring")), QVariant(false));
    EXPECT_EQ(Call(b.client, "Resume").type(), QDBusMessage::ReplyMessage);
    log.WaitFor(2);
    EXPECT_EQ(b.h.tray.iconId, kTrayIconWorking);

    EXPECT_EQ(Call(b.client, "SetClockShown", {true}).type(), QDBusMessage::ReplyMessage);
    EXPECT_NE(b.panel->FloatClock(), nullptr);
    EXPECT_EQ(Call(b.client, "SetClockShown", {false}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(b.panel->FloatClock(), nullptr);

    b.control->TaskFired("2026-12-07 10:30", "message", Gb("开会"));
    log.WaitFor(3);
    EXPECT_EQ(log.heard,
              (std::vector<std::string>{"MonitoringChanged false", "MonitoringChanged true",
                                        "TaskFired 2026-12-07 10:30 message 开会"}));

    // The name is the running instance's: a second program on the bus cannot serve it.
    QDBusConnection other = b.bus.Connect(QStringLiteral("other"));
    DBusRemoteControl second(other);
    EXPECT_FALSE(second.Serve(*b.remote));
    QDBusConnection::disconnectFromBus(QStringLiteral("other"));
}

TEST(RemoteControl, QuitAsksForThePasswordOnScreenWhenProtected) {
    for (const bool protection : {true, false}) {
        BusPanel b(protection);
        bool prompted = false;
        PromptWatch watch([&](CPasswordPromptDlg* prompt) {
            // On screen, in its own loop: give up.
            prompted = prompt->isVisible();
            ControlAs<QAbstractButton>(prompt, kPromptGiveUpId)->click();
        });
        // The call is answered at once; the exit command runs when the loop comes round.
        EXPECT_EQ(Call(b.client, "Quit").type(), QDBusMessage::ReplyMessage);
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_EQ(prompted, protection);
        EXPECT_EQ(b.h.tray.shown, protection) << "protection " << protection;
        EXPECT_EQ(b.panel->result() == kIdOk, !protection);
    }
}

}  // namespace
}  // namespace tocklet::testing

#include "RemoteControlTest.moc"
