// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of every window test: the offscreen platform, the C locale and a
// settings and data folder of the test's own, so no test touches the user's store.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

// The offscreen platform warns about window features it lacks; those lines say nothing
// about the program.
QtMessageHandler g_standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    g_standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // offscreen unless a platform is named
    setenv("LC_ALL", "C", 1);
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        return 2;
    }
    setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
    // The data folder too (the aircraft files), inside the same temporary folder.
    setenv("XDG_DATA_HOME", (configHome.path() + QStringLiteral("/data")).toLocal8Bit().constData(),
           1);

    g_standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
