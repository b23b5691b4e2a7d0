// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for start-up: the least a Qt Widgets program can show that looks like
// the launcher. One main window, a menu bar with two menus, eight push buttons in a grid.
// Nothing else: no icon, no resources, no timers.

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open"));
    file->addSeparator();
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &app,
                     &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    for (int i = 0; i < 8; ++i) {
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1), central), i / 4,
                        i % 4);
    }
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
