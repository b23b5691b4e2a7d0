// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "ProgramRegistry.h"
#include "aerolume/Version.h"
#include "aircraft/AircraftStore.h"
#include "shell/Artwork.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("main", text);
}

// The options the program takes besides those of Qt (-platform, -style, ...).
void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        tr("A desktop flight computer for pilots: the launcher opens the calculators, the "
           "navigation log, the loading window and the airport information window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("plan"),
        tr("A navigation log plan (.aerolume-plan) to open instead of the launcher."),
        QStringLiteral("[plan]"));
}

// While the windowing system starts, a failure to reach it ends the program with one
// line saying so, instead of Qt's own lines and an abort; its other messages wait until
// the start is over.
// Whether any argument is an option ("-h", "--version", a Qt option), as opposed to
// a plan file's name.
bool anyOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            return true;
        }
    }
    return false;
}

QtMessageHandler g_standardHandler = nullptr;
QList<std::tuple<QtMsgType, QByteArray, QString>> g_heldMessages;

void startingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const QString display = qEnvironmentVariable("DISPLAY");
        const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
        const QString why =
            display.isEmpty() && wayland.isEmpty()
                ? tr("no display is set (neither DISPLAY nor WAYLAND_DISPLAY)")
                : tr("the display %1 cannot be reached")
                      .arg(display.isEmpty() ? QStringLiteral("WAYLAND_DISPLAY=") + wayland
                                             : QStringLiteral("DISPLAY=") + display);
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("aerolume: cannot open its windows: %1. Aerolume is a desktop "
                                   "program; start it in a graphical session.")
                                    .arg(why)));
        std::_Exit(EXIT_FAILURE);
    }
    g_heldMessages.append({type, QByteArray(context.category), message});
}

}  // namespace

int main(int argc, char* argv[]) {
    // A write beyond a file size limit then fails with an error the program reports,
    // rather than ending it.
    std::signal(SIGXFSZ, SIG_IGN);
    // The program's name in its folders (~/.config/Aerolume, ~/.local/share/Aerolume)
    // and in --version; the version as the launcher and About show it.
    QCoreApplication::setApplicationName(QStringLiteral("Aerolume"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(aerolume::version::kDisplayVersion));

    // --help and --version answer before any window system is touched, so they work
    // without a display. Only a start with an option pays for that first reading.
    if (anyOption(argc, argv)) {
        const QCoreApplication commandLine(argc, argv);
        QCommandLineParser parser;
        describeOptions(parser);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("help"))) {
            parser.showHelp(EXIT_SUCCESS);
        }
        if (parser.isSet(QStringLiteral("help-all"))) {
            parser.process(QCoreApplication::arguments());  // shows it and ends
        }
        if (parser.isSet(QStringLiteral("version"))) {
            parser.showVersion();
        }
    }

    g_standardHandler = qInstallMessageHandler(startingHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_standardHandler);
    for (const auto& [type, category, message] : g_heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        g_standardHandler(type, context, message);
    }
    g_heldMessages.clear();

    // The desktop entry is the one the package installs.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.aerolume.Aerolume"));
    QApplication::setWindowIcon(aerolume::art::programIcon());

    // Qt took its own options out of the arguments; anything else unknown is refused.
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    // Aircraft an earlier version kept under "Aerolume 32" move to the folder of this one.
    for (const QString& unmoved : aerolume::aircraft::AircraftStore::moveEarlierFiles()) {
        qWarning("%s", qPrintable(unmoved));
    }

    aerolume::WindowRegistry registry;
    aerolume::registerProgramWindows(registry);
    // A plan file given on the command line (as the file manager does) opens in the
    // navigation log instead of the launcher.
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !aerolume::openPlanFile(registry, files.constFirst())) {
        registry.show(QStringLiteral("Main"));
    }
    return QApplication::exec();
}
