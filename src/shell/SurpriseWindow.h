// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class SurpriseForm;
}

namespace aerolume {

// The credits window, "Surprise", reached from the About window: it cycles through the
// people thanked, one line every 2 s (the last one 2.75 s), while its aircraft icon
// flashes its beacon for 0.2 s every 3.2 s. "OK" or the close box unloads it and
// nothing else; the launcher is not shown.
class SurpriseWindow final : public QWidget {
    Q_OBJECT

public:
    explicit SurpriseWindow(QWidget* parent = nullptr);
    ~SurpriseWindow() override;

    // The eight credit lines, in the order of the cycle.
    static const QStringList& creditLines();

    void Form_Load();
    // The credit cycle, steps 1 to 8: Timer1, Timer2, Timer3, Timer8, Timer9, Timer4,
    // Timer5, Timer6.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    // The beacon blink.
    void Timer7_Timer();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // One step of the cycle: the caption, then the next timer on, then its own off.
    void creditStep(int line, QTimer& next, QTimer& own);

    std::unique_ptr<Ui::SurpriseForm> m_ui;
    QTimer m_timer1;
    QTimer m_timer2;
    QTimer m_timer3;
    QTimer m_timer4;
    QTimer m_timer5;
    QTimer m_timer6;
    QTimer m_timer7;
    QTimer m_timer8;
    QTimer m_timer9;
};

}  // namespace aerolume
