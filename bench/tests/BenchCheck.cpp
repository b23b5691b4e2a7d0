// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the benchmarks themselves, run by bench/run before it measures: the
// statistics they print, and that every window, button and field they drive exists and
// gives results, so a renamed control makes the check fail instead of the figures lie.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <set>

#include "support/Stats.h"
#include "windows/AnswerDriver.h"
#include "windows/BenchWindows.h"

namespace aerolume::bench {
namespace {

TEST(Stats, MedianOfAnOddCountIsTheMiddleValue) {
    const Stats s = statsOf({5, 1, 4, 2, 3});
    EXPECT_EQ(s.count, 5U);
    EXPECT_EQ(s.median, 3);
    EXPECT_EQ(s.min, 1);
    EXPECT_EQ(s.max, 5);
}

TEST(Stats, MedianOfAnEvenCountIsTheMeanOfTheMiddleTwo) {
    EXPECT_EQ(statsOf({4, 1, 3, 2}).median, 2.5);
    EXPECT_EQ(median({10, 20}), 15);
}

TEST(Stats, NinetiethPercentileIsTheNearestRank) {
    std::vector<double> ten;
    std::vector<double> twentyOne;
    for (int i = 1; i <= 21; ++i) {
        if (i <= 10) {
            ten.push_back(11 - i);  // unsorted on purpose
        }
        twentyOne.push_back(i);
    }
    EXPECT_EQ(statsOf(ten).p90, 9);
    EXPECT_EQ(statsOf(twentyOne).p90, 19);  // ceil(0.9 * 21) = 19th value
    EXPECT_EQ(statsOf({7}).p90, 7);
}

TEST(Stats, NoValuesGiveZeros) {
    const Stats s = statsOf({});
    EXPECT_EQ(s.count, 0U);
    EXPECT_EQ(s.median, 0);
    EXPECT_EQ(s.p90, 0);
    EXPECT_EQ(s.max, 0);
}

// Ranks from the binomial tables of the median's distribution-free interval.
TEST(Stats, MedianIntervalIsTheTabledOrderStatistics) {
    struct Case {
        int count;
        double confidence;
        int lowRank;
        bool covers;
    };
    const Case cases[] = {
        {10, 0.95, 2, true}, {20, 0.95, 6, true}, {100, 0.95, 40, true}, {6, 0.95, 1, true},
        {5, 0.95, 1, false}, {20, 0.99, 4, true}, {101, 0.95, 41, true},
    };
    for (const Case& c : cases) {
        std::vector<double> values;
        for (int i = c.count; i >= 1; --i) {
            values.push_back(i);  // the value is its rank, given in falling order
        }
        const MedianInterval interval = medianInterval(values, c.confidence);
        EXPECT_EQ(interval.low, c.lowRank) << c.count;
        EXPECT_EQ(interval.high, c.count + 1 - c.lowRank) << c.count;
        EXPECT_EQ(interval.covers, c.covers) << c.count;
    }
    EXPECT_FALSE(medianInterval({}).covers);
}

TEST(Stats, LoadAverageIsTheFirstThreeFields) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("loadavg")).toStdString();
    std::ofstream(path) << "0.52 1.07 2.30 3/412 81234\n";
    EXPECT_EQ(loadAverage(path.c_str()), "0.52 1.07 2.30");
    EXPECT_EQ(loadAverage((path + ".missing").c_str()), "");
}

class BenchWindows : public ::testing::Test {
protected:
    void SetUp() override {
        m_registry.setEndProgram([] {});
        registerAll(m_registry);
        QWidget* launcher = m_registry.show(QStringLiteral("Main"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(launcher));
    }
    void TearDown() override {
        for (const Calculator& c : calculators()) {
            m_registry.unload(c.name);
        }
        settle();
    }

    WindowRegistry m_registry;
};

TEST_F(BenchWindows, EveryCalculatorHasItsWindow) {
    const std::vector<Calculator> list = calculators();
    EXPECT_EQ(list.size(), 14U);
    for (const Calculator& c : list) {
        EXPECT_TRUE(c.factory) << qPrintable(c.name) << " is not in this build";
    }
}

TEST_F(BenchWindows, EveryLauncherButtonOpensItsCalculator) {
    QWidget* launcher = m_registry.window(QStringLiteral("Main"));
    for (const Calculator& c : calculators()) {
        if (!c.factory) {
            continue;
        }
        ASSERT_TRUE(openFromLauncher(launcher, c.launcherButton)) << qPrintable(c.launcherButton);
        QWidget* window = m_registry.window(c.name);
        ASSERT_NE(window, nullptr) << qPrintable(c.name);
        EXPECT_TRUE(window->isVisible()) << qPrintable(c.name);
        EXPECT_FALSE(launcher->isVisible()) << qPrintable(c.name);
        m_registry.unload(c.name);
        settle();
        EXPECT_TRUE(launcher->isVisible()) << "after " << qPrintable(c.name);
    }
}

TEST_F(BenchWindows, EveryCalculatorHasAnEnterAnswerAndAClickAnswer) {
    std::set<QString> enter;
    std::set<QString> click;
    for (const Answer& a : answers()) {
        (a.by == Answer::By::Enter ? enter : click).insert(a.window);
    }
    for (const Calculator& c : calculators()) {
        EXPECT_TRUE(enter.count(c.name)) << qPrintable(c.name);
        EXPECT_TRUE(click.count(c.name)) << qPrintable(c.name);
    }
}

TEST_F(BenchWindows, EveryAnswerGivesResultsThatChangeWithTheVariedField) {
    for (const Answer& answer : answers()) {
        SCOPED_TRACE((answer.window + QLatin1Char(' ') + answer.title).toStdString());
        if (!m_registry.isRegistered(answer.window)) {
            continue;
        }
        AnswerDriver driver(m_registry, answer);
        if (!driver.failure().isEmpty()) {
            ADD_FAILURE() << qPrintable(driver.failure());
            driver.close();
            continue;
        }
        QString why;
        driver.prepare(0);
        driver.trigger();
        const auto first = driver.results(&why);
        EXPECT_TRUE(first.has_value()) << qPrintable(why);
        driver.prepare(1);
        driver.trigger();
        const auto second = driver.results(&why);
        EXPECT_TRUE(second.has_value()) << qPrintable(why);
        if (first && second) {
            EXPECT_NE(first->join(QStringLiteral(" | ")).toStdString(),
                      second->join(QStringLiteral(" | ")).toStdString())
                << "the results did not change";
        }
        driver.close();
    }
}

}  // namespace
}  // namespace aerolume::bench

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LC_ALL", "C", 1);
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        return 2;
    }
    setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && !message.startsWith(QLatin1String("This plugin does not"))) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        }
    });
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
