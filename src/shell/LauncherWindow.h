// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

namespace Ui {
class LauncherWindow;
}

namespace aerolume {

class WindowRegistry;

// The launcher, window "Main": opens one calculator (or About) at a time and hides
// itself while it is open; ends the program on Exit; shows the program-wide Help box;
// a double-click on its background starts the thanks sequence.
class LauncherWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit LauncherWindow(WindowRegistry& registry);
    ~LauncherWindow() override;

    // The captions of the thanks sequence, in order.
    static const QStringList& thanksCaptions();

    void Form_DblClick();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void menuHelp_Click();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void open(const QString& name);
    // One step of the thanks sequence: a caption, then the next timer on, own off.
    void thanksStep(int index, QTimer* next, QTimer* own);

    std::unique_ptr<Ui::LauncherWindow> m_ui;
    WindowRegistry& m_registry;
    QTimer m_timer1;
    QTimer m_timer2;
    QTimer m_timer3;
    QTimer m_timer4;
    double m_scale = 1.0;
};

}  // namespace aerolume
