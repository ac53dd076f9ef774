// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdlib>
#include <iostream>

#include "platform/BusInstanceSlot.h"
#include "platform/InstanceClaim.h"
#include "platform/LocalInstanceSlot.h"
#include "platform/RemoteClient.h"
#include "settings/ReleaseInfo.h"

namespace tocklet {
namespace {

// The requests, each as the running instance's bus method of that name.
struct Request {
    const char* option;
    const char* method;
    const char* help;
};
constexpr Request kRequests[] = {
    {"show", "ShowPanel", "Show the panel of the running tocklet."},
    {"pause", "Pause", "Pause monitoring in the running tocklet (no task fires, no power-off)."},
    {"resume", "Resume", "Resume monitoring in the running tocklet."},
    {"quit", "Quit",
     "End the running tocklet; with password protection on it asks for the password on "
     "screen first."},
    {"status", "Status", "Print the running tocklet's state, one name=value field a line."},
};

constexpr const char* kExitStatusHelp =
    "\nThe requests may be combined; they are made in the order given.\n"
    "\nExit status:\n"
    "  0  done; for a request, the running tocklet took it\n"
    "  1  no running tocklet answered a request (none runs, or it did not answer in time)\n"
    "  2  an unknown option or an unexpected argument\n";

// Options of Qt itself, which the plain start hands on to Qt.
bool IsQtOption(const QString& name) {
    static const QStringList kQt = {QStringLiteral("platform"),
                                    QStringLiteral("platformpluginpath"),
                                    QStringLiteral("platformtheme"),
                                    QStringLiteral("plugin"),
                                    QStringLiteral("qwindowgeometry"),
                                    QStringLiteral("qwindowicon"),
                                    QStringLiteral("qwindowtitle"),
                                    QStringLiteral("reverse"),
                                    QStringLiteral("session"),
                                    QStringLiteral("display"),
                                    QStringLiteral("geometry"),
                                    QStringLiteral("style"),
                                    QStringLiteral("stylesheet"),
                                    QStringLiteral("widgetcount"),
                                    QStringLiteral("name"),
                                    QStringLiteral("title"),
                                    QStringLiteral("visual"),
                                    QStringLiteral("nograb"),
                                    QStringLiteral("dograb"),
                                    QStringLiteral("sync")};
    return kQt.contains(name);
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "A reminder, hourly chime and scheduled power-off in the notification area. Without an "
        "option it starts, or shows the panel of the tocklet already running on this display."));
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Display this help and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Output version information and exit.")));
    for (const Request& request : kRequests) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(request.option),
                                            QString::fromLatin1(request.help)));
    }
}

int Refuse(const QString& why) {
    std::cerr << "tocklet: " << why.toStdString()
              << "\nTry 'tocklet --help' for more information.\n";
    return kExitBadUsage;
}

int NoAnswer(RemoteClient::Answer answer) {
    std::cerr << (answer == RemoteClient::Answer::kSilent
                      ? "tocklet: the running tocklet did not answer in time\n"
                      : "tocklet: no tocklet is running for this user\n");
    return kExitNoAnswer;
}

// --show reaches the instance of this display as a second start does: over the bus or, with
// none, its socket.
int Show() {
    LocalInstanceSlot local(InstanceFolder(),
                            DisplayKey(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")));
    BusInstanceSlot slot(local);
    if (slot.AskToShow(kHandOverWait) == InstanceSlot::Answer::kShown) return kExitAnswered;
    std::cerr << "tocklet: no tocklet is running on this display\n";
    return kExitNoAnswer;
}

// Without a session bus (or with nobody on it) the request goes to this display's socket.
int AskOnSocket(const Request& request) {
    const LocalInstanceSlot local(
        InstanceFolder(), DisplayKey(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")));
    const std::optional<std::string> answer = local.Ask(request.option, kHandOverWait);
    if (!answer) return NoAnswer(RemoteClient::Answer::kNoInstance);
    if (QLatin1String(request.option) == QLatin1String("status")) std::cout << *answer;
    return kExitAnswered;
}

int Ask(RemoteClient& client, const Request& request) {
    if (QLatin1String(request.option) == QLatin1String("show")) return Show();
    if (client.OwnerPid() == 0) return AskOnSocket(request);
    if (QLatin1String(request.option) == QLatin1String("status")) {
        QVariantMap status;
        const auto answer = client.Status(status, kHandOverWait);
        if (answer != RemoteClient::Answer::kDone) return NoAnswer(answer);
        for (const std::string& line : StatusLines(status)) std::cout << line << '\n';
        return kExitAnswered;
    }
    const auto answer = client.Call(QString::fromLatin1(request.method), {}, kHandOverWait);
    return answer == RemoteClient::Answer::kDone ? kExitAnswered : NoAnswer(answer);
}

// The requests in the order given; the first that finds no answer ends the run.
int RunRequests(const QCommandLineParser& parser) {
    RemoteClient client;
    for (const QString& name : parser.optionNames()) {
        for (const Request& request : kRequests) {
            if (name != QLatin1String(request.option)) continue;
            if (const int status = Ask(client, request); status != kExitAnswered) return status;
        }
    }
    return kExitAnswered;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // "-platform xcb" stays one of Qt's options, not six letters of ours.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptions(parser);
    const bool parsed = parser.parse(arguments);
    bool requested = false;
    for (const Request& request : kRequests)
        requested |= parser.isSet(QString::fromLatin1(request.option));
    const bool ours = requested || parser.isSet(QStringLiteral("help")) ||
                      parser.isSet(QStringLiteral("version"));
    if (!parsed) {
        for (const QString& unknown : parser.unknownOptionNames()) {
            if (!IsQtOption(unknown)) return Refuse(parser.errorText());
        }
        if (ours) return Refuse(parser.errorText());
        return std::nullopt;  // Qt's own options: the plain start
    }
    if (!ours) {
        // Without an option of its own the program starts as it always has; what is left is
        // a Qt option's value.
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::cout << VersionText("tocklet");
        return kExitAnswered;
    }
    // The help text and the session bus want the application object; it connects to no
    // display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tocklet"));
    QCoreApplication::setApplicationVersion(QString::fromStdString(std::string(PackageVersion())));
    if (parser.isSet(QStringLiteral("help"))) {
        std::cout << parser.helpText().toStdString() << kExitStatusHelp;
        return kExitAnswered;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    return RunRequests(parser);
}

}  // namespace tocklet
