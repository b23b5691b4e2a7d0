// The main() of the desktop tests: the platform the environment names (the offscreen
// one when it names none, so that the tests also run headless), the C locale and a
// settings folder of the test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QtMessageHandler g_standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // The offscreen platform warns about window features it lacks.
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    g_standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LC_ALL", "C", 1);
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        return 2;
    }
    setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);

    g_standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
