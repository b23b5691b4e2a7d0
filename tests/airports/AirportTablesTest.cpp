// SPDX-License-Identifier: GPL-3.0-or-later
// The runway wind table as the Airport window shows it, for runways the data gives in
// every way it can: water, a helipad, closed, headings from the data or derived.

#include <gtest/gtest.h>

#include "airports/AirportTables.h"

namespace aerolume::airports {
namespace {

RunwayInfo runway(const char* low, const char* high, SurfaceClass surface, bool closed = false,
                  std::optional<double> lowTrue = std::nullopt) {
    RunwayInfo r;
    r.surfaceClass = surface;
    r.closed = closed;
    r.variationAtSnapshot = 0;
    r.low = {QString::fromLatin1(low), ParseDesignator(low), lowTrue, {}, {}, {}, {}};
    r.high = {QString::fromLatin1(high), ParseDesignator(high), std::nullopt, {}, {}, {}, {}};
    return r;
}

QStringList column(const TableRows& table, int c) {
    QStringList cells;
    for (const QStringList& row : table.rows) {
        cells << row.value(c);
    }
    return cells;
}

struct WindRowsCase {
    const char* what;
    QList<RunwayInfo> runways;
    RunwayWindInput wind;
    QStringList ends, headings, notes;
    const char* noteHas;
};

TEST(AirportTables, RunwayWindRowsMarkTheChoice) {
    const RunwayInfo paved = runway("09", "27", SurfaceClass::Paved, false, 90.0);
    const WindRowsCase cases[] = {
        {"water ends are shown but not chosen",
         {runway("18W", "36W", SurfaceClass::Water), paved},
         {100, 10, std::nullopt, std::nullopt},
         {"18W", "36W", "09", "27"},
         {"180°*", "360°*", "090°", "270°*"},
         {"water, not chosen", "water, not chosen", "best into the wind", ""},
         "* the heading is derived."},
        {"a helipad has no heading and is not chosen; a closed runway is left out",
         {runway("H1", "", SurfaceClass::Paved), runway("04", "22", SurfaceClass::Grass, true),
          paved},
         {80, 12, std::nullopt, 1.0},
         {"H1", "09", "27"},
         {"–", "090°", "270°*"},
         {"helipad, not chosen; no heading known", "best into the wind; crosswind beyond the limit",
          "crosswind beyond the limit"},
         "magnetic heading; * the heading is derived."},
        {"only water: nothing to choose",
         {runway("18W", "36W", SurfaceClass::Water)},
         {180, 10, std::nullopt, std::nullopt},
         {"18W", "36W"},
         {"180°*", "360°*"},
         {"water, not chosen", "water, not chosen"},
         "No runway end here can be chosen into the wind."},
        {"calm",
         {paved},
         {0, 0, std::nullopt, std::nullopt},
         {"09", "27"},
         {"090°", "270°*"},
         {"", ""},
         "Calm: any runway."},
    };
    for (const WindRowsCase& c : cases) {
        const TableRows table = runwayWindRows(c.runways, 0.0, c.wind);
        EXPECT_EQ(column(table, 0), c.ends) << c.what;
        EXPECT_EQ(column(table, 1), c.headings) << c.what;
        EXPECT_EQ(column(table, 6), c.notes) << c.what;
        EXPECT_TRUE(table.note.contains(QString::fromUtf8(c.noteHas)))
            << c.what << ": " << table.note.toStdString();
    }
}

}  // namespace
}  // namespace aerolume::airports
