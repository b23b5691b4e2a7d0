// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators of the Compute menu's second group open from their entries, hide the
// launcher and give it back however they are closed.
#include <QMainWindow>

#include "navigation/FindWindWindow.h"
#include "navigation/FuelWindow.h"
#include "navigation/RunwayWindWindow.h"
#include "navigation/TsdWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

struct Opening {
    const char* entry;
    const char* window;
    CloseBy by;
};

void PrintTo(const Opening& o, std::ostream* os) {
    *os << o.window << " ";
    test::PrintTo(o.by, os);
}

class LaunchedFromTheMenuTest : public ::testing::TestWithParam<Opening> {};

TEST_P(LaunchedFromTheMenuTest, OpensAloneAndGivesTheLauncherBack) {
    TestProgram program(
        {{QStringLiteral("TSD"), [](WindowRegistry& r) { return new TsdWindow(r); }},
         {QStringLiteral("Fuel"), [](WindowRegistry& r) { return new FuelWindow(r); }},
         {QStringLiteral("FindWind"), [](WindowRegistry& r) { return new FindWindWindow(r); }},
         {QStringLiteral("RwyWind"), [](WindowRegistry& r) { return new RunwayWindWindow(r); }}});
    const Opening& o = GetParam();
    child<QAction>(program.main(), QString::fromLatin1(o.entry))->trigger();
    QWidget* window = program.registry().window(QString::fromLatin1(o.window));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QString::fromLatin1(o.window));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program.main()->isVisible());
    EXPECT_EQ(child<QPushButton>(window, QStringLiteral("Command2"))->text(),
              QStringLiteral("Compute!"));
    EXPECT_EQ(child<QPushButton>(window, QStringLiteral("Command1"))->text(),
              QStringLiteral("Close"));
    EXPECT_EQ(child<QAction>(window, QStringLiteral("mnuHelp"))->text(), QStringLiteral("Help..."));
    closeWindow(window, o.by);
    EXPECT_FALSE(program.registry().isLoaded(QString::fromLatin1(o.window)));
    EXPECT_TRUE(program.main()->isVisible());
}

std::vector<Opening> openings() {
    const std::pair<const char*, const char*> windows[] = {{"menuTSD", "TSD"},
                                                           {"menuFuel", "Fuel"},
                                                           {"menuFindWind", "FindWind"},
                                                           {"menuRwyWind", "RwyWind"}};
    std::vector<Opening> list;
    for (const auto& [entry, window] : windows) {
        for (CloseBy by : {CloseBy::Button, CloseBy::MenuEntry, CloseBy::CloseBox}) {
            list.push_back({entry, window, by});
        }
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(SecondGroup, LaunchedFromTheMenuTest, ::testing::ValuesIn(openings()));

}  // namespace
}  // namespace aerolume::test
