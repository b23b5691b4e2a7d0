// SPDX-License-Identifier: GPL-3.0-or-later
// The loading's printed form as the paper shows it, read back from its painting.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QPainter>
#include <set>

#include "SampleAircraft.h"
#include "aircraft/LoadingPdf.h"
#include "common/FormatMask.h"
#include "support/PageRecorder.h"

namespace aerolume::aircraft {
namespace {

QString fixed(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
}

TEST(LoadingFormTest, EveryLineHasItsWeightArmAndMomentAndTheTotals) {
    const Aircraft aircraft = test::circularAircraft();
    const LoadingInput input{{15, 340, 170, 50}, {240}, {60}, 6};
    LoadingReport report;
    report.aircraft = aircraft;
    report.lines = loadingSheet(aircraft, input, computeLoading(aircraft, input));
    report.verdicts = {QStringLiteral("Ramp: first verdict"), QStringLiteral("Take-off: second"),
                       QStringLiteral("Landing: third")};
    report.date = QDate(2026, 6, 12);
    const QSizeF page = QPageSize(QPageSize::A4).sizePoints() - QSizeF(80, 80);
    const PageCanvas form = loadingForm(report, page);
    aerolume::test::PageRecorder recorder(page);
    recorder.record(1, [&](QPainter& painter, int) { form.paint(painter); });
    std::set<QString> texts;
    for (const auto& t : recorder.texts()) {
        texts.insert(t.text);
    }
    // What the pilot checks: each line's weight, arm and moment, and each total.
    for (const SheetLine& line : report.lines) {
        EXPECT_TRUE(texts.count(fixed(line.weight, 1))) << line.weight;
        EXPECT_TRUE(texts.count(fixed(*line.arm, 2))) << *line.arm;
        EXPECT_TRUE(texts.count(fixed(line.moment, 1))) << line.moment;
    }
    for (const char* text :
         {"Empty weight", "Oil", "Front seats", "Rear seats", "Baggage", "Fuel, Main",
          "Ramp weight and CG", "Less taxi fuel", "Take-off weight and CG",
          "Less fuel burned, Main", "Landing weight and CG", "max 100.0 lb", "capacity 40.0 US gal",
          "max 2100.0 lb", "Ramp: first verdict", "Take-off: second", "Landing: third",
          "2026-06-12", "AC 43.13-1B example   N43131"}) {
        EXPECT_TRUE(texts.count(QString::fromUtf8(text))) << text;
    }
    // 1169 lb at 10.6 in: 12391.4 lb-in; the ramp 1169 + 15 + 340 + 170 + 50 + 246 lb.
    EXPECT_TRUE(texts.count(QStringLiteral("12391.4")));
    EXPECT_TRUE(texts.count(QStringLiteral("1990.0")));
}

}  // namespace
}  // namespace aerolume::aircraft
