// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurpriseWindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <algorithm>

#include "Artwork.h"
#include "ui_SurpriseWindow.h"

namespace aerolume {
namespace {

constexpr int kStepMs = 2000;
constexpr int kLastStepMs = 2750;
constexpr int kBlinkFirstMs = 1500;
constexpr int kBlinkLitMs = 200;
constexpr int kBlinkDarkMs = 3000;

const QColor kCreditRed(192, 0, 0);

void setBoldPoints(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(true);
    widget->setFont(font);
}

}  // namespace

const QStringList& SurpriseWindow::creditLines() {
    static const QStringList lines = {
        tr("Elsbeth Varnholt, Flight Instructor"),
        tr("Tobiah Quenneville, Airline Transport Pilot"),
        tr("Rosalind Achterberg, Airframe Mechanic"),
        tr("Desmond Okafor-Lindqvist, Commercial Pilot"),
        tr("Imogen Farthingale, Private Pilot"),
        tr("Caspar Yilmaz-Brandt, Flight Dispatcher"),
        tr("Wilhelmina Sorensby, Glider Instructor"),
        tr("and Pell Ashgrove, Student Pilot"),
    };
    return lines;
}

SurpriseWindow::SurpriseWindow(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SurpriseForm>()) {
    m_ui->setupUi(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(art::beaconLit()));

    setBoldPoints(m_ui->Label1, 13.5);
    m_ui->Image1->setPixmap(art::beaconDark());
    m_ui->Image2->setPixmap(art::beaconLit());
    m_ui->Image2->hide();

    setBoldPoints(m_ui->Label2, 12);
    QPalette red = m_ui->Label2->palette();
    red.setColor(QPalette::WindowText, kCreditRed);
    m_ui->Label2->setPalette(red);
    m_ui->Label2->setText(creditLines().first());
    // Wide enough for the longest line, so the window keeps its size through the cycle.
    const QFontMetrics metrics(m_ui->Label2->font());
    int widest = 0;
    for (const QString& line : creditLines()) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    m_ui->Label2->setMinimumWidth(widest + metrics.averageCharWidth() * 2);

    connect(m_ui->Command1, &QPushButton::clicked, this, &SurpriseWindow::Command1_Click);

    const struct {
        QTimer* timer;
        const char* name;
        int interval;
        bool enabled;
        void (SurpriseWindow::*tick)();
    } timers[] = {
        {&m_timer1, "Timer1", kStepMs, true, &SurpriseWindow::Timer1_Timer},
        {&m_timer2, "Timer2", kStepMs, false, &SurpriseWindow::Timer2_Timer},
        {&m_timer3, "Timer3", kStepMs, false, &SurpriseWindow::Timer3_Timer},
        {&m_timer4, "Timer4", kStepMs, false, &SurpriseWindow::Timer4_Timer},
        {&m_timer5, "Timer5", kStepMs, false, &SurpriseWindow::Timer5_Timer},
        {&m_timer6, "Timer6", kLastStepMs, false, &SurpriseWindow::Timer6_Timer},
        {&m_timer7, "Timer7", kBlinkFirstMs, true, &SurpriseWindow::Timer7_Timer},
        {&m_timer8, "Timer8", kStepMs, false, &SurpriseWindow::Timer8_Timer},
        {&m_timer9, "Timer9", kStepMs, false, &SurpriseWindow::Timer9_Timer},
    };
    for (const auto& t : timers) {
        t.timer->setParent(this);
        t.timer->setObjectName(QString::fromLatin1(t.name));
        t.timer->setInterval(t.interval);
        connect(t.timer, &QTimer::timeout, this, t.tick);
        if (t.enabled) {
            t.timer->start();
        }
    }

    setFixedSize(sizeHint());
    Form_Load();
}

SurpriseWindow::~SurpriseWindow() = default;

void SurpriseWindow::Form_Load() {
    // Timer1 is on from the start; switching it on again does not restart it.
    if (!m_timer1.isActive()) {
        m_timer1.start();
    }
}

void SurpriseWindow::creditStep(int line, QTimer& next, QTimer& own) {
    m_ui->Label2->setText(creditLines().at(line));
    if (!next.isActive()) {
        next.start();
    }
    own.stop();
}

void SurpriseWindow::Timer1_Timer() {
    creditStep(0, m_timer2, m_timer1);
}
void SurpriseWindow::Timer2_Timer() {
    creditStep(1, m_timer3, m_timer2);
}
void SurpriseWindow::Timer3_Timer() {
    creditStep(2, m_timer8, m_timer3);
}
void SurpriseWindow::Timer8_Timer() {
    creditStep(3, m_timer9, m_timer8);
}
void SurpriseWindow::Timer9_Timer() {
    creditStep(4, m_timer4, m_timer9);
}
void SurpriseWindow::Timer4_Timer() {
    creditStep(5, m_timer5, m_timer4);
}
void SurpriseWindow::Timer5_Timer() {
    creditStep(6, m_timer6, m_timer5);
}
void SurpriseWindow::Timer6_Timer() {
    creditStep(7, m_timer1, m_timer6);
}

void SurpriseWindow::Timer7_Timer() {
    // Changing the interval of a running timer restarts it with the new one.
    if (m_timer7.interval() == kBlinkLitMs) {
        m_timer7.setInterval(kBlinkDarkMs);
        m_ui->Image2->hide();
        m_ui->Image1->show();
    } else {
        m_timer7.setInterval(kBlinkLitMs);
        m_ui->Image2->show();
        m_ui->Image1->hide();
    }
}

void SurpriseWindow::Command1_Click() {
    close();
}

void SurpriseWindow::closeEvent(QCloseEvent* event) {
    // Unloading ends the cycle and the blink at once, before the window is destroyed.
    for (QTimer* timer : {&m_timer1, &m_timer2, &m_timer3, &m_timer4, &m_timer5, &m_timer6,
                          &m_timer7, &m_timer8, &m_timer9}) {
        timer->stop();
    }
    event->accept();
}

}  // namespace aerolume
