// SPDX-License-Identifier: GPL-3.0-or-later
// The printed navigation log as the paper shows it: every page painted through the
// page's own painting function on a device that keeps the texts and boxes in points.
#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>

#include "planning/PlanPrint.h"
#include "support/PageRecorder.h"

namespace aerolume::test {
namespace {

using planning::Checkpoint;
using planning::Plan;

constexpr double kTwelveMillimetres = 12 * 72 / 25.4;

// `legs` legs of about 20 NM eastward along 10° N, each checkpoint named "CP n", with a
// climb, a descent, a departure late in the UTC day, a fuel plan short of fuel and an
// alternate.
Plan plan(int legs) {
    Plan p;
    p.name = "Kneeboard check";
    p.date = planning::PlanDate{2026, 5, 1};
    p.defaults.trueAirspeed = 110;
    p.defaults.windDirection = 300;
    p.defaults.windSpeed = 15;
    p.defaults.fuelAtStart = 22;
    for (int i = 0; i <= legs; ++i) {
        p.checkpoints.push_back({"CP " + std::to_string(i), 10, i / 3.0, {}});
    }
    p.checkpoints.front().elevation = 300;
    p.checkpoints.back().elevation = 800;
    p.departureTime = planning::TimeOfDay{23, 10};
    p.climb = planning::ClimbFigures{600, 75, 11};
    p.descent = planning::ClimbFigures{500, 110, 6};
    p.fuelPlan = planning::FuelPlanInputs{5, 1};
    p.alternate = Checkpoint{"ALT", 10.5, legs / 3.0, {}};
    return p;
}

struct Printout {
    std::unique_ptr<PageRecorder> recorder;
    int pages = 0;
};

Printout print(const Plan& p, QPageSize::PageSizeId size, const planning::RouteMapHook& map = {}) {
    // The printable area of the page in the PDF export, 22 pt margins on each side.
    const QSizeF page = QPageSize(size).sizePoints() - QSizeF(44, 44);
    const planning::PlanPages pages(p, planning::ComputePlan(p), page, {}, map);
    Printout out{std::make_unique<PageRecorder>(page), pages.count()};
    out.recorder->record(pages.count(),
                         [&](QPainter& painter, int index) { pages.paint(painter, index); });
    return out;
}

struct Page {
    const char* name;
    QPageSize::PageSizeId size;
    bool kneeboard;  // the narrow layout: values stacked two to a column, 8 pt or more
};

class PrintedPageTest : public ::testing::TestWithParam<std::tuple<Page, int>> {};

TEST_P(PrintedPageTest, EveryLegIsOnAPageUnderTheHeaderInTextLargeEnoughToRead) {
    const auto& [page, legs] = GetParam();
    const Printout out = print(plan(legs), page.size);
    ASSERT_GE(out.pages, 1);
    const QRegularExpression checkpointName(QStringLiteral("^CP \\d+$"));
    std::set<QString> found;
    double smallest = 100;
    for (const PageRecorder::Text& t : out.recorder->texts()) {
        smallest = std::min(smallest, t.points);
        if (checkpointName.match(t.text).hasMatch()) {
            EXPECT_TRUE(found.insert(t.text).second) << t.text.toStdString() << " twice";
        }
    }
    EXPECT_EQ(found.size(), static_cast<std::size_t>(legs + 1));
    EXPECT_GE(smallest, page.kneeboard ? 8.0 : 8.5);
    for (int i = 0; i < out.pages; ++i) {
        EXPECT_TRUE(out.recorder->shows(i, QStringLiteral("Kneeboard check"))) << "page " << i;
        EXPECT_TRUE(
            out.recorder->shows(i, QStringLiteral("Page %1 of %2").arg(i + 1).arg(out.pages)));
    }
    // The top of climb and of descent are rows of the log.
    for (const char* point : {"TOC", "TOD"}) {
        EXPECT_EQ(std::count_if(out.recorder->texts().begin(), out.recorder->texts().end(),
                                [&](const auto& t) { return t.text == QLatin1String(point); }),
                  1)
            << point;
    }
}

TEST_P(PrintedPageTest, TheBoxesToWriteInAreAtLeastTwelveMillimetresWide) {
    const auto& [page, legs] = GetParam();
    const Printout out = print(plan(legs), page.size);
    for (const char* caption : {"ETA", "ATA", "Act."}) {
        // The column's caption, below the header's "ETA" of the destination.
        const auto on = out.recorder->textsOn(0);
        const auto text = std::find_if(on.rbegin(), on.rend(), [&](const auto& t) {
            return t.text == QLatin1String(caption);
        });
        ASSERT_NE(text, on.rend()) << caption;
        const auto box = out.recorder->boxAround(0, text->at + QPointF(1, -1));
        ASSERT_TRUE(box) << caption;
        EXPECT_GE(box->width(), kTwelveMillimetres) << caption;
        EXPECT_GE(box->height(), 7 * 72 / 25.4) << caption;
    }
}

TEST_P(PrintedPageTest, KneeboardsStackTheCourses) {
    const auto& [page, legs] = GetParam();
    const Printout out = print(plan(legs), page.size);
    const auto on = out.recorder->textsOn(0);
    const auto at = [&](const char* caption) {
        const auto t = std::find_if(
            on.begin(), on.end(), [&](const auto& t) { return t.text == QLatin1String(caption); });
        EXPECT_NE(t, on.end()) << caption;
        return t == on.end() ? QPointF() : t->at;
    };
    // Stacked, MC is under TC in the same column; else beside it.
    EXPECT_EQ(std::abs(at("TC").x() - at("MC").x()) < 3, page.kneeboard);
    EXPECT_EQ(std::abs(at("Wind").x() - at("WCA").x()) < 8, page.kneeboard);
}

TEST_P(PrintedPageTest, TheFuelPlanFollowsTheLogWithItsShortfall) {
    const auto& [page, legs] = GetParam();
    const Printout out = print(plan(legs), page.size);
    std::set<QString> texts;
    for (const PageRecorder::Text& t : out.recorder->texts()) {
        texts.insert(t.text);
    }
    for (const char* line :
         {"Fuel plan (US gal)", "Taxi", "Trip", "Contingency (5 %)", "Alternate (ALT)",
          "Final reserve (45 min)", "Extra", "Total required", "On board", "Margin: SHORT", "ATIS",
          "QNH", "Squawk", "Clearance", "Warnings"}) {
        EXPECT_TRUE(texts.count(QString::fromUtf8(line))) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PrintedPageTest,
    ::testing::Combine(::testing::Values(Page{"A4", QPageSize::A4, false},
                                         Page{"Letter", QPageSize::Letter, false},
                                         Page{"A5", QPageSize::A5, true},
                                         Page{"Statement", QPageSize::Statement, true}),
                       ::testing::Values(10, 40)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" +
               std::to_string(std::get<1>(info.param)) + "legs";
    });

TEST(PrintedPageTest, DistancesToATenthAndEtasAfterMidnightSaySo) {
    const Printout out = print(plan(10), QPageSize::A5);
    std::set<QString> texts;
    for (const PageRecorder::Text& t : out.recorder->texts()) {
        texts.insert(t.text);
    }
    // 10 legs of 20 arc minutes at 10° N: 19.7 NM each, 197.0 NM in all.
    EXPECT_TRUE(texts.count(QStringLiteral("19.7")));
    EXPECT_TRUE(texts.count(QStringLiteral("197.0")));
    EXPECT_TRUE(texts.count(QStringLiteral("+1 d")));
    EXPECT_TRUE(texts.count(QStringLiteral("23:10")));
}

TEST(PrintedPageTest, APlanWithoutLegsStillHasItsHeaderAndBoxes) {
    for (const int checkpoints : {0, 1}) {
        Plan p = plan(1);
        p.checkpoints.resize(static_cast<std::size_t>(checkpoints));
        const Printout out = print(p, QPageSize::A5);
        EXPECT_EQ(out.pages, 1) << checkpoints;
        EXPECT_TRUE(out.recorder->shows(0, QStringLiteral("Kneeboard check"))) << checkpoints;
        EXPECT_TRUE(out.recorder->shows(0, QStringLiteral("Clearance"))) << checkpoints;
    }
}

TEST(PrintedPageTest, TheRouteMapHasAStripOrAPageOfItsOwn) {
    std::vector<std::pair<int, QRectF>> drawn;
    planning::RouteMapHook map;
    map.paint = [&](QPainter& painter, const QRectF& area) {
        drawn.emplace_back(0, painter.transform().mapRect(area));
    };
    const int plain = print(plan(10), QPageSize::A5).pages;
    map.placement = planning::RouteMapHook::Placement::Page;
    EXPECT_EQ(print(plan(10), QPageSize::A5, map).pages, plain + 1);
    map.placement = planning::RouteMapHook::Placement::Strip;
    print(plan(10), QPageSize::A5, map);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_GT(drawn[0].second.height(), 300);  // the rest of its page
    EXPECT_NEAR(drawn[1].second.height(), 0.25 * (595 - 44), 0.5);
}

TEST(PrintedPageTest, TheWindowsPdfHasThePagesLaidOut) {
    QTemporaryDir dir;
    const Plan p = plan(40);
    const QString path = dir.filePath(QStringLiteral("log.pdf"));
    ASSERT_EQ(planning::writePlanPdf(path, p, planning::ComputePlan(p), QPageSize(QPageSize::A5)),
              QString());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), print(p, QPageSize::A5).pages);
    EXPECT_NE(planning::writePlanPdf(dir.filePath(QStringLiteral("none/log.pdf")), p,
                                     planning::ComputePlan(p), QPageSize(QPageSize::A5)),
              QString());
}

}  // namespace
}  // namespace aerolume::test
