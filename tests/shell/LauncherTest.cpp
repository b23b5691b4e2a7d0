// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ProbeCalculator.h"
#include "platform/Twips.h"
#include "shell/LauncherWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::child;
using test::ProbeCalculator;

std::vector<std::pair<QString, WindowRegistry::Factory>> probesFor(const QStringList& names) {
    std::vector<std::pair<QString, WindowRegistry::Factory>> windows;
    for (const QString& name : names) {
        windows.emplace_back(name, [](WindowRegistry& r) { return new ProbeCalculator(r); });
    }
    return windows;
}

const QStringList kCalculators = {QStringLiteral("Convert"), QStringLiteral("Dalt"),
                                  QStringLiteral("LatLong"), QStringLiteral("PPNav"),
                                  QStringLiteral("Speed"),   QStringLiteral("WB"),
                                  QStringLiteral("Wind"),    QStringLiteral("About")};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProbeCalculator::unloads = 0;
        program = std::make_unique<test::TestProgram>(probesFor(kCalculators));
        launcher = static_cast<LauncherWindow*>(program->main());
    }

    QTimer* timer(int n) { return child<QTimer>(launcher, QStringLiteral("Timer%1").arg(n)); }
    QLabel* thanks() { return child<QLabel>(launcher, QStringLiteral("Label1")); }
    void doubleClickBackground() {
        QTest::mouseDClick(launcher->centralWidget(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(2, launcher->centralWidget()->height() - 2));
    }
    std::vector<bool> timersOn() {
        return {timer(1)->isActive(), timer(2)->isActive(), timer(3)->isActive(),
                timer(4)->isActive()};
    }

    std::unique_ptr<test::TestProgram> program;
    LauncherWindow* launcher = nullptr;
};

struct Opener {
    const char* button;
    const char* caption;
    const char* tooltip;
    const char* entry;
    const char* entryText;
    const char* window;
};

class OpenerTest : public LauncherTest, public ::testing::WithParamInterface<Opener> {};

TEST_P(OpenerTest, ButtonAndMenuEntryOpenTheWindowAndHideTheLauncher) {
    const Opener& o = GetParam();
    auto* button = child<QPushButton>(launcher, QString::fromLatin1(o.button));
    auto* entry = child<QAction>(launcher, QString::fromLatin1(o.entry));
    ASSERT_TRUE(button && entry);
    EXPECT_EQ(button->text().toStdString(), o.caption);
    EXPECT_EQ(button->toolTip().toStdString(), o.tooltip);
    EXPECT_EQ(entry->text().toStdString(), o.entryText);

    for (int way = 0; way < 2; ++way) {
        way == 0 ? test::click(button) : entry->trigger();
        QWidget* opened = program->registry().window(QString::fromLatin1(o.window));
        ASSERT_NE(opened, nullptr) << o.window;
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(opened->parentWidget(), nullptr);  // no owner
        EXPECT_FALSE(launcher->isVisible());
        opened->close();
        EXPECT_TRUE(launcher->isVisible());
        test::TestProgram::settle();
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryCalculator, OpenerTest,
    ::testing::Values(Opener{"Command6", "Conversion", "Common Aviation Conversions", "MenuConv",
                             "Conversions...", "Convert"},
                      Opener{"Command4", "D-Alt", "Density & Pressure Altitude Calculation",
                             "menuDalt", "Density Altitude...", "Dalt"},
                      Opener{"Command9", "Lat/Long", "Great Circle & Direct Navigation", "menuLat",
                             "Lat/Long Nav...", "LatLong"},
                      Opener{"Command5", "PP Nav", "Pressure Pattern Navigation", "menuPPNav",
                             "Pressure Pattern Nav...", "PPNav"},
                      Opener{"Command8", "Speed", "Mach Number Calculation", "menuSpeed",
                             "Speed Calculations...", "Speed"},
                      Opener{"Command10", "W && B", "Weight & Balance Calculation", "menuWB",
                             "Weight && Balance...", "WB"},
                      Opener{"Command2", "Winds", "Wind Correction & Groundspeed", "menuWinds",
                             "Winds...", "Wind"}));

TEST_F(LauncherTest, AboutEntryOpensAboutTheSameWay) {
    child<QAction>(launcher, QStringLiteral("menuAbout"))->trigger();
    EXPECT_TRUE(program->registry().window(QStringLiteral("About"))->isVisible());
    EXPECT_FALSE(launcher->isVisible());
}

TEST_F(LauncherTest, StartsAsTheOnlyWindowWithItsCaption) {
    EXPECT_EQ(launcher->windowTitle(), QStringLiteral("Aerolume v1.4"));
    EXPECT_EQ(launcher->objectName(), QStringLiteral("Main"));
    for (const QString& name : kCalculators) {
        EXPECT_FALSE(program->registry().isLoaded(name)) << name.toStdString();
    }
    EXPECT_TRUE(thanks()->isHidden());
    EXPECT_EQ(thanks()->text(), QStringLiteral("Thanks for using Aerolume!"));
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(LauncherTest, ClientAreaKeepsTheDesignProportions) {
    const QSize client = launcher->centralWidget()->size();
    const double designRatio = 4905.0 / 930.0;
    EXPECT_NEAR(static_cast<double>(client.width()) / client.height(), designRatio, 0.35);
    EXPECT_GE(client.width(), platform::twipsToPixels(4905, launcher) - 1);
}

TEST_F(LauncherTest, TabVisitsTheButtonsInTheirOrder) {
    const char* order[] = {"Command6", "Command4",  "Command9", "Command8",
                           "Command5", "Command10", "Command2", "Command1"};
    child<QPushButton>(launcher, QStringLiteral("Command6"))->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), order[i]);
    }
}

TEST_F(LauncherTest, MenusHoldTheirEntriesInOrder) {
    auto names = [](const QMenu* menu) {
        std::vector<std::string> out;
        for (const QAction* a : menu->actions()) {
            out.push_back(a->objectName().toStdString() + (a->isSeparator() ? "|" : ""));
        }
        return out;
    };
    auto* compute = child<QMenu>(launcher, QStringLiteral("menuCompute"));
    auto* help = child<QMenu>(launcher, QStringLiteral("menuHlp"));
    ASSERT_TRUE(compute && help);
    EXPECT_EQ(compute->title(), QStringLiteral("Compute"));
    EXPECT_EQ(help->title(), QStringLiteral("Help"));
    EXPECT_EQ(
        names(compute),
        (std::vector<std::string>{
            "MenuConv",    "menuDalt",     "menuLat",   "menuPPNav",  "menuSpeed",    "menuWB",
            "menuWinds",   "menuSepMore|", "menuTSD",   "menuFuel",   "menuFindWind", "menuRwyWind",
            "menuClimb",   "menuAtmos",    "menuCloud", "menuNavLog", "menuLoading",  "menuMagVar",
            "menuAirport", "menuSep|",     "menuExit"}));
    EXPECT_EQ(names(help), (std::vector<std::string>{"menuHelp", "menuSep2|", "menuAbout"}));
    EXPECT_EQ(child<QAction>(launcher, QStringLiteral("menuExit"))->text(), QStringLiteral("Exit"));
    EXPECT_EQ(child<QAction>(launcher, QStringLiteral("menuHelp"))->text(),
              QStringLiteral("Help..."));
    EXPECT_EQ(child<QAction>(launcher, QStringLiteral("menuAbout"))->text(),
              QStringLiteral("About..."));
}

TEST_F(LauncherTest, ExitEndsAtOnceWithoutUnloadingAnyWindow) {
    EXPECT_EQ(child<QPushButton>(launcher, QStringLiteral("Command1"))->text(),
              QStringLiteral("Exit"));
    EXPECT_EQ(child<QPushButton>(launcher, QStringLiteral("Command1"))->toolTip(),
              QStringLiteral("Thanks for using Aerolume!"));
    test::click(child<QPushButton>(launcher, QStringLiteral("Command1")));
    EXPECT_TRUE(program->ended());
}

TEST_F(LauncherTest, ExitFromTheMenuWhileTheThanksRunEndsWithoutUnloads) {
    doubleClickBackground();
    child<QAction>(launcher, QStringLiteral("menuExit"))->trigger();
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(ProbeCalculator::unloads, 0);
}

TEST_F(LauncherTest, HelpShowsTheLauncherParagraphs) {
    const auto seen = test::captureMessageBox(
        [this] { child<QAction>(launcher, QStringLiteral("menuHelp"))->trigger(); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, QStringLiteral("Aerolume Help"));
    EXPECT_EQ(
        seen.text,
        QStringLiteral(
            "   Click 'Help' on each function's menu for specific help items. General notes, bugs, "
            "liscence agreement, etc. are located in the 'Readme.txt' file.\n\r\n\r"
            "   If you passed ground school, you should be able to use this fairly easily! :-)"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.hasIcon);
}

TEST_F(LauncherTest, DoubleClickShowsTheThanksLabelAndEnlargesTheWindow) {
    const int before = launcher->height();
    doubleClickBackground();
    EXPECT_TRUE(thanks()->isVisible());
    EXPECT_GT(launcher->height(), before);
    EXPECT_GE(launcher->height(), platform::twipsToPixels(2150, launcher) - 1);
    EXPECT_TRUE(thanks()->geometry().bottom() <= launcher->centralWidget()->height());
    EXPECT_EQ(timersOn(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(timer(1)->interval(), 2000);
}

TEST_F(LauncherTest, DoubleClicksOnAButtonOrTheLabelAreNotTheWindows) {
    QTest::mouseDClick(child<QPushButton>(launcher, QStringLiteral("Command4")), Qt::LeftButton);
    test::TestProgram::settle();
    EXPECT_FALSE(timer(1)->isActive());
    program->registry().unload(QStringLiteral("Dalt"));
    test::TestProgram::settle();
    launcher->Form_DblClick();
    launcher->Timer1_Timer();
    launcher->Timer2_Timer();
    launcher->Timer3_Timer();
    launcher->Timer4_Timer();
    QTest::mouseDClick(thanks(), Qt::LeftButton);
    EXPECT_FALSE(timer(1)->isActive());
}

TEST_F(LauncherTest, TheThanksSequenceRunsItsFourStepsTickByTick) {
    const QStringList captions = LauncherWindow::thanksCaptions();
    ASSERT_EQ(captions.size(), 4);
    EXPECT_EQ(captions[0], QStringLiteral("Thanks for using Aerolume!"));
    EXPECT_EQ(captions[1], QStringLiteral("Tell me what you think of it..."));
    doubleClickBackground();
    launcher->Timer1_Timer();
    EXPECT_EQ(thanks()->text(), captions[0]);
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, true, false, false}));
    launcher->Timer2_Timer();
    EXPECT_EQ(thanks()->text(), captions[1]);
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, false, true, false}));
    launcher->Timer3_Timer();
    EXPECT_EQ(thanks()->text(), captions[2]);
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, false, false, true}));
    launcher->Timer4_Timer();
    EXPECT_EQ(thanks()->text(), captions[3]);
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, false, false, false}));
    const int enlarged = launcher->height();

    // A second double-click keeps the contact text until the first tick.
    doubleClickBackground();
    EXPECT_EQ(thanks()->text(), captions[3]);
    EXPECT_EQ(launcher->height(), enlarged);
    launcher->Timer1_Timer();
    EXPECT_EQ(thanks()->text(), captions[0]);
}

TEST_F(LauncherTest, ADoubleClickDuringTheSequenceRunsTwoChainsSideBySide) {
    const QStringList captions = LauncherWindow::thanksCaptions();
    doubleClickBackground();
    launcher->Timer1_Timer();
    launcher->Timer2_Timer();  // Timer3 is on
    doubleClickBackground();   // Timer1 as well
    EXPECT_EQ(timersOn(), (std::vector<bool>{true, false, true, false}));
    launcher->Timer3_Timer();
    launcher->Timer1_Timer();
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, true, false, true}));
    launcher->Timer4_Timer();
    EXPECT_EQ(thanks()->text(), captions[3]);
    launcher->Timer2_Timer();
    EXPECT_EQ(thanks()->text(), captions[1]);
    EXPECT_EQ(timersOn(), (std::vector<bool>{false, false, true, false}));
}

TEST_F(LauncherTest, TheThanksTimersReallyTick) {
    doubleClickBackground();
    EXPECT_TRUE(QTest::qWaitFor([this] { return timer(2)->isActive(); }, 5000));
    EXPECT_FALSE(timer(1)->isActive());
}

TEST_F(LauncherTest, ClosingTheLauncherByItsCloseBoxEndsTheProgram) {
    // The event loop runs as in the program; it ends when the last window has gone.
    QTimer::singleShot(0, launcher, [this] { launcher->close(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    test::TestProgram::settle();
    EXPECT_FALSE(program->registry().isLoaded(QStringLiteral("Main")));
}

TEST_F(LauncherTest, UnregisteredWindowsLeaveTheLauncherShown) {
    test::TestProgram bare;
    test::click(child<QPushButton>(bare.main(), QStringLiteral("Command4")));
    EXPECT_TRUE(bare.main()->isVisible());
}

}  // namespace
}  // namespace aerolume
