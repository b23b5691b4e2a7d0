// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherWindow.h"

#include <QMouseEvent>

#include "CalculatorWindow.h"
#include "ClientArea.h"
#include "WindowRegistry.h"
#include "platform/HelpBox.h"
#include "platform/Twips.h"
#include "ui_LauncherWindow.h"

namespace aerolume {
namespace {

constexpr double kClientWidthTwips = 4905;
constexpr double kClientHeightTwips = 930;
constexpr double kEnlargedHeightTwips = 2150;
constexpr int kThanksIntervalMs = 2000;

}  // namespace

const QStringList& LauncherWindow::thanksCaptions() {
    static const QStringList captions = {
        QObject::tr("Thanks for using Aerolume!"),
        QObject::tr("Tell me what you think of it..."),
        QObject::tr("Drop a line to the author, Robin Calloway:"),
        QObject::tr("robin.calloway@aerolume.example"),
    };
    return captions;
}

LauncherWindow::LauncherWindow(WindowRegistry& registry)
    : m_ui(std::make_unique<Ui::LauncherWindow>()), m_registry(registry) {
    m_ui->setupUi(this);
    m_ui->menuCompute->insertSeparator(m_ui->menuTSD)->setObjectName(QStringLiteral("menuSepMore"));
    m_ui->menuCompute->insertSeparator(m_ui->menuExit)->setObjectName(QStringLiteral("menuSep"));
    m_ui->menuHlp->insertSeparator(m_ui->menuAbout)->setObjectName(QStringLiteral("menuSep2"));
    styleResultLabel(m_ui->Label1);
    m_ui->Label1->hide();

    const struct {
        QPushButton* button;
        QAction* entry;
        const char* window;
    } openers[] = {
        {m_ui->Command6, m_ui->MenuConv, "Convert"}, {m_ui->Command4, m_ui->menuDalt, "Dalt"},
        {m_ui->Command9, m_ui->menuLat, "LatLong"},  {m_ui->Command5, m_ui->menuPPNav, "PPNav"},
        {m_ui->Command8, m_ui->menuSpeed, "Speed"},  {m_ui->Command10, m_ui->menuWB, "WB"},
        {m_ui->Command2, m_ui->menuWinds, "Wind"},
    };
    for (const auto& opener : openers) {
        const QString name = QString::fromLatin1(opener.window);
        connect(opener.button, &QPushButton::clicked, this, [this, name] { open(name); });
        connect(opener.entry, &QAction::triggered, this, [this, name] { open(name); });
    }
    // The second group of the Compute menu: windows without a launcher button.
    const struct {
        QAction* entry;
        const char* window;
    } moreOpeners[] = {
        {m_ui->menuTSD, "TSD"},           {m_ui->menuFuel, "Fuel"},
        {m_ui->menuFindWind, "FindWind"}, {m_ui->menuRwyWind, "RwyWind"},
        {m_ui->menuClimb, "Climb"},       {m_ui->menuAtmos, "Atmos"},
        {m_ui->menuCloud, "Cloud"},       {m_ui->menuNavLog, "NavLog"},
        {m_ui->menuLoading, "Loading"},   {m_ui->menuMagVar, "MagVar"},
        {m_ui->menuAirport, "Airport"},
    };
    for (const auto& opener : moreOpeners) {
        const QString name = QString::fromLatin1(opener.window);
        connect(opener.entry, &QAction::triggered, this, [this, name] { open(name); });
    }
    connect(m_ui->menuAbout, &QAction::triggered, this, [this] { open(QStringLiteral("About")); });
    connect(m_ui->Command1, &QPushButton::clicked, this, [this] { m_registry.endProgram(); });
    connect(m_ui->menuExit, &QAction::triggered, this, [this] { m_registry.endProgram(); });
    connect(m_ui->menuHelp, &QAction::triggered, this, &LauncherWindow::menuHelp_Click);

    const struct {
        QTimer* timer;
        const char* name;
        void (LauncherWindow::*tick)();
    } timers[] = {
        {&m_timer1, "Timer1", &LauncherWindow::Timer1_Timer},
        {&m_timer2, "Timer2", &LauncherWindow::Timer2_Timer},
        {&m_timer3, "Timer3", &LauncherWindow::Timer3_Timer},
        {&m_timer4, "Timer4", &LauncherWindow::Timer4_Timer},
    };
    for (const auto& t : timers) {
        t.timer->setParent(this);
        t.timer->setObjectName(QString::fromLatin1(t.name));
        t.timer->setInterval(kThanksIntervalMs);
        connect(t.timer, &QTimer::timeout, this, t.tick);
    }

    m_scale = fitClientArea(this, kClientWidthTwips, kClientHeightTwips);
}

LauncherWindow::~LauncherWindow() = default;

void LauncherWindow::open(const QString& name) {
    if (!m_registry.isRegistered(name)) {
        return;
    }
    m_registry.show(name);
    hide();
}

void LauncherWindow::menuHelp_Click() {
    platform::showHelpBox(
        this, {tr("   Click 'Help' on each function's menu for specific help items. General notes, "
                  "bugs, liscence agreement, etc. are located in the 'Readme.txt' file."),
               tr("   If you passed ground school, you should be able to use this fairly easily! "
                  ":-)")});
}

void LauncherWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the background counts: a double-click on a label or button is that control's.
    QWidget* target = childAt(event->position().toPoint());
    if (target == nullptr || target == centralWidget()) {
        Form_DblClick();
    }
    event->accept();
}

void LauncherWindow::Form_DblClick() {
    m_ui->Label1->show();
    const int frame = frameGeometry().height() - geometry().height();
    const int outer =
        static_cast<int>(platform::twipsToPixels(kEnlargedHeightTwips, this) * m_scale);
    const int needed = sizeHint().height();
    resize(width(), std::max(outer - frame, needed));
    if (!m_timer1.isActive()) {
        m_timer1.start();
    }
}

void LauncherWindow::thanksStep(int index, QTimer* next, QTimer* own) {
    m_ui->Label1->setText(thanksCaptions().at(index));
    if (next != nullptr && !next->isActive()) {
        next->start();
    }
    own->stop();
}

void LauncherWindow::Timer1_Timer() {
    thanksStep(0, &m_timer2, &m_timer1);
}
void LauncherWindow::Timer2_Timer() {
    thanksStep(1, &m_timer3, &m_timer2);
}
void LauncherWindow::Timer3_Timer() {
    thanksStep(2, &m_timer4, &m_timer3);
}
void LauncherWindow::Timer4_Timer() {
    thanksStep(3, nullptr, &m_timer4);
}

}  // namespace aerolume
