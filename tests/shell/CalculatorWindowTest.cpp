// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "ProbeCalculator.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::BeepCounter;
using test::ProbeCalculator;

class CalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProbeCalculator::unloads = 0;
        program = std::make_unique<test::TestProgram>(
            std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QStringLiteral("Wind"), [](WindowRegistry& r) { return new ProbeCalculator(r); }},
                {QStringLiteral("Dalt"),
                 [](WindowRegistry& r) { return new ProbeCalculator(r); }}});
        open();
    }

    void open() {
        probe = static_cast<ProbeCalculator*>(
            program->open(QStringLiteral("Command2"), QStringLiteral("Wind")));
        ASSERT_NE(probe, nullptr);
    }

    std::unique_ptr<test::TestProgram> program;
    ProbeCalculator* probe = nullptr;
};

enum class CloseBy { Button, MenuEntry, CloseBox };

void closeBy(QWidget* window, CloseBy by) {
    switch (by) {
        case CloseBy::Button:
            test::click(test::child<QPushButton>(window, QStringLiteral("Command1")));
            break;
        case CloseBy::MenuEntry:
            test::child<QAction>(window, QStringLiteral("mnuClose"))->trigger();
            break;
        case CloseBy::CloseBox:
            window->close();
            break;
    }
}

class CloseTest : public CalculatorWindowTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(CloseTest, UnloadsOnceShowsTheLauncherAndForgetsWhatWasTyped) {
    test::type(probe->first, QStringLiteral("12"));
    QPointer<ProbeCalculator> closed = probe;
    closeBy(probe, GetParam());
    test::TestProgram::settle();
    EXPECT_EQ(ProbeCalculator::unloads, 1);
    EXPECT_TRUE(closed.isNull());
    EXPECT_FALSE(program->registry().isLoaded(QStringLiteral("Wind")));
    EXPECT_TRUE(program->main()->isVisible());
    open();
    EXPECT_TRUE(probe->first->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ThreeWays, CloseTest,
                         ::testing::Values(CloseBy::Button, CloseBy::MenuEntry, CloseBy::CloseBox));

TEST_P(CloseTest, AWindowOpenedFromAnotherGivesItBackAsItWas) {
    test::type(probe->first, QStringLiteral("12"));
    auto* opened =
        static_cast<ProbeCalculator*>(program->registry().showFrom(QStringLiteral("Dalt"), probe));
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(probe->isVisible());
    EXPECT_FALSE(program->main()->isVisible());
    EXPECT_EQ(program->registry().openerOf(opened), probe);
    closeBy(opened, GetParam());
    test::TestProgram::settle();
    EXPECT_TRUE(probe->isVisible());
    EXPECT_FALSE(program->main()->isVisible());
    EXPECT_EQ(probe->first->text(), QStringLiteral("12"));
    // With the opener gone, the launcher comes back instead.
    opened =
        static_cast<ProbeCalculator*>(program->registry().showFrom(QStringLiteral("Dalt"), probe));
    delete probe;
    probe = nullptr;
    opened->close();
    test::TestProgram::settle();
    EXPECT_TRUE(program->main()->isVisible());
}

TEST_F(CalculatorWindowTest, ReopeningRightAfterClosingLoadsANewWindow) {
    test::type(probe->first, QStringLiteral("12"));
    ProbeCalculator* closing = probe;
    test::click(test::child<QPushButton>(probe, QStringLiteral("Command1")));
    // No event loop has run: the closed window still exists but is no longer loaded.
    EXPECT_FALSE(program->registry().isLoaded(QStringLiteral("Wind")));
    test::click(test::child<QPushButton>(program->main(), QStringLiteral("Command2")));
    QWidget* reopened = program->registry().window(QStringLiteral("Wind"));
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, closing);
    EXPECT_TRUE(static_cast<ProbeCalculator*>(reopened)->first->text().isEmpty());
    EXPECT_EQ(ProbeCalculator::unloads, 1);
}

TEST_F(CalculatorWindowTest, HasTheHelpMenuWithHelpSeparatorAndClose) {
    auto* menu = test::child<QMenu>(probe, QStringLiteral("menuHelp"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Help"));
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->objectName(), QStringLiteral("mnuHelp"));
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Help..."));
    EXPECT_TRUE(entries[1]->isSeparator());
    EXPECT_EQ(entries[1]->objectName(), QStringLiteral("mnuxxx"));
    EXPECT_EQ(entries[2]->objectName(), QStringLiteral("mnuClose"));
    EXPECT_EQ(entries[2]->text(), QStringLiteral("Close"));
}

TEST_F(CalculatorWindowTest, TheCloseEntryCanCarryAnotherName) {
    WindowRegistry registry;
    ProbeCalculator other(registry, QStringLiteral("mnuExit"));
    EXPECT_NE(other.findChild<QAction*>(QStringLiteral("mnuExit")), nullptr);
    EXPECT_EQ(other.findChild<QAction*>(QStringLiteral("mnuClose")), nullptr);
}

TEST_F(CalculatorWindowTest, HelpShowsTheParagraphsExactly) {
    const auto seen = test::captureMessageBox(
        [this] { test::child<QAction>(probe, QStringLiteral("mnuHelp"))->trigger(); });
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, QStringLiteral("   First.\n\r\n\rSecond.  "));
    EXPECT_EQ(seen.title, QStringLiteral("Aerolume Help"));
    EXPECT_TRUE(probe->isVisible());
}

TEST_F(CalculatorWindowTest, EnterMovesOnThenTheFilterDropsItWithABeep) {
    BeepCounter beeps;
    test::type(probe->first, QStringLiteral("-1.5"));
    test::pressEnter(probe->first);
    EXPECT_TRUE(probe->second->hasFocus());
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_EQ(probe->first->text(), QStringLiteral("-1.5"));
}

TEST_F(CalculatorWindowTest, EnterInTheLastFieldBeepsOnlyWhenTheRunSucceeds) {
    BeepCounter beeps;
    test::pressEnter(probe->second);  // A empty: the run fails, the key is left alone
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(probe->error->text(), QStringLiteral("A?"));
    test::type(probe->first, QStringLiteral("2"));
    test::type(probe->second, QStringLiteral("3"));
    test::pressEnter(probe->second);
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_EQ(probe->result->text(), QStringLiteral("5. kt"));
}

// The newer windows' choice: Enter moves on and computes without a sound, a refused key
// still beeps, and the message has its own look.
TEST(NewerCalculatorWindowTest, EnterIsSilentAndOnlyARefusedKeyBeeps) {
    test::TestProgram program({{QStringLiteral("Wind"), [](WindowRegistry& r) {
                                    return new ProbeCalculator(r, QStringLiteral("mnuClose"), true);
                                }}});
    auto* probe = static_cast<ProbeCalculator*>(
        program.open(QStringLiteral("Command2"), QStringLiteral("Wind")));
    ASSERT_NE(probe, nullptr);
    BeepCounter beeps;
    test::type(probe->first, QStringLiteral("2"));
    test::pressEnter(probe->first);
    EXPECT_TRUE(probe->second->hasFocus());
    test::type(probe->second, QStringLiteral("3x"));  // x is refused
    EXPECT_EQ(beeps.count(), 1);
    test::pressEnter(probe->second);
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_EQ(probe->result->text(), QStringLiteral("5. kt"));
    probe->first->clear();
    test::pressEnter(probe->second);  // a run that fails
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_TRUE(test::haveMessageLook(probe, {"ErrorLbl"}));
    EXPECT_TRUE(test::haveResultLook(probe, {"Result"}));
}

TEST_F(CalculatorWindowTest, AFailureHidesTheResultsAndTheNextRunShowsThemAgain) {
    test::type(probe->first, QStringLiteral("1/2"));
    test::type(probe->second, QStringLiteral("3"));
    test::pressEnter(probe->second);
    EXPECT_EQ(probe->error->text(), QStringLiteral("Not a number!"));
    EXPECT_TRUE(probe->error->isVisible());
    EXPECT_TRUE(probe->result->isHidden());
    EXPECT_TRUE(probe->caption->isHidden());
    EXPECT_TRUE(probe->first->text().isEmpty());  // cleared and focused
    EXPECT_TRUE(probe->first->hasFocus());
    test::type(probe->first, QStringLiteral("4"));
    test::pressEnter(probe->second);
    EXPECT_TRUE(probe->error->isHidden());
    EXPECT_TRUE(probe->result->isVisible());
    EXPECT_TRUE(probe->caption->isVisible());
    EXPECT_EQ(probe->result->text(), QStringLiteral("7. kt"));
}

TEST_F(CalculatorWindowTest, AFocusOnlyFailureKeepsTheFieldAndItsNeighbours) {
    test::type(probe->first, QStringLiteral("8"));
    probe->run();
    EXPECT_EQ(probe->error->text(), QStringLiteral("B?"));
    EXPECT_TRUE(probe->second->hasFocus());
    EXPECT_EQ(probe->first->text(), QStringLiteral("8"));
}

TEST_F(CalculatorWindowTest, ASelectingFailureKeepsTheEntrySelectedForTheNextKey) {
    test::type(probe->first, QStringLiteral("8"));
    test::type(probe->second, QStringLiteral("501"));
    test::pressEnter(probe->second);
    EXPECT_EQ(probe->error->text(), QStringLiteral("B too large!"));
    EXPECT_TRUE(probe->result->isHidden());
    EXPECT_TRUE(probe->second->hasFocus());
    EXPECT_EQ(probe->second->selectedText(), QStringLiteral("501"));
    test::type(probe->second, QStringLiteral("5"));
    EXPECT_EQ(probe->second->text(), QStringLiteral("5"));
}

TEST_F(CalculatorWindowTest, ResultLabelsAreBoldTwelvePointDarkRedAndTheErrorLabelStartsHidden) {
    EXPECT_TRUE(probe->result->font().bold());
    EXPECT_EQ(probe->result->font().pointSizeF(), 12.0);
    EXPECT_EQ(probe->result->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(probe->error->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_TRUE(probe->error->isHidden());
    EXPECT_EQ(probe->windowTitle(), QStringLiteral("Probe"));
    EXPECT_EQ(probe->objectName(), QStringLiteral("Wind"));
}

TEST_F(CalculatorWindowTest, KeysOutsideAFieldsRangeAreDroppedWithABeepEach) {
    BeepCounter beeps;
    test::type(probe->second, QStringLiteral("1-2.3x"));
    EXPECT_EQ(probe->second->text(), QStringLiteral("123"));
    EXPECT_EQ(beeps.count(), 3);
}

}  // namespace
}  // namespace aerolume
