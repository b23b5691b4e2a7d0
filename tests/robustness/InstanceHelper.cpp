// SPDX-License-Identifier: GPL-3.0-or-later
// A helper of the store test: one instance of the program with one window open that
// keeps entries (the weight and balance or the latitude/longitude window), opened from
// the launcher. It types the given texts into the window's fields, says "ready", and
// closes the window by its Close button when told to on its input, then says "closed".
//
//   robust_instance <window> <field>=<text>...

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <iostream>
#include <string>

#include "loading/WBWindow.h"
#include "navigation/LatLongWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/WindowRegistry.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: robust_instance <window> <field>=<text>...\n");
        return 2;
    }
    const QString name = QString::fromLatin1(argv[1]);
    aerolume::WindowRegistry registry;
    registry.registerWindow(QStringLiteral("Main"), [](aerolume::WindowRegistry& r) {
        return new aerolume::LauncherWindow(r);
    });
    registry.registerWindow(QStringLiteral("WB"),
                            [](aerolume::WindowRegistry& r) { return new aerolume::WBWindow(r); });
    registry.registerWindow(QStringLiteral("LatLong"), [](aerolume::WindowRegistry& r) {
        return new aerolume::LatLongWindow(r);
    });
    QWidget* launcher = registry.show(QStringLiteral("Main"));
    const char* button = name == QStringLiteral("WB") ? "Command10" : "Command9";
    QTest::mouseClick(launcher->findChild<QPushButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
    QWidget* window = registry.window(name);
    if (window == nullptr) {
        std::fprintf(stderr, "no window %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QString assignment = QString::fromUtf8(argv[i]);
        auto* field = window->findChild<QLineEdit*>(assignment.section(QLatin1Char('='), 0, 0));
        if (field == nullptr) {
            std::fprintf(stderr, "no field in %s\n", argv[i]);
            return 1;
        }
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, assignment.section(QLatin1Char('='), 1));
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line) && line != "close") {
    }
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::printf("closed %s\n", registry.isLoaded(name) ? "no" : "yes");
    std::fflush(stdout);
    return 0;
}
