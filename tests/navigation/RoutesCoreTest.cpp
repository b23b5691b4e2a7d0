// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "common/FormatMask.h"
#include "navigation/RoutesCore.h"

namespace aerolume {
namespace {

// A point as typed: degrees, minutes, seconds of latitude and longitude, hemispheres.
struct Point {
    double latDeg, latMin, latSec;
    bool south;
    double longDeg, longMin, longSec;
    bool east;
};

constexpr bool N = false;
constexpr bool S = true;
constexpr bool W = false;
constexpr bool E = true;

RouteInput route(const Point& from, const Point& to) {
    RouteInput in;
    in.DepLatDeg = from.latDeg;
    in.DepLatMin = from.latMin;
    in.DepLatSec = from.latSec;
    in.DepSouth = from.south;
    in.DepLongDeg = from.longDeg;
    in.DepLongMin = from.longMin;
    in.DepLongSec = from.longSec;
    in.DepEast = from.east;
    in.DestLatDeg = to.latDeg;
    in.DestLatMin = to.latMin;
    in.DestLatSec = to.latSec;
    in.DestSouth = to.south;
    in.DestLongDeg = to.longDeg;
    in.DestLongMin = to.longMin;
    in.DestLongSec = to.longSec;
    in.DestEast = to.east;
    return in;
}

std::string fixed(double value, const char* suffix) {
    return formatMask(value, Mask::Fixed) + suffix;
}

struct WorkedRow {
    const char* what;
    Point from;
    Point to;
    const char* dist;
    const char* tc;
    const char* rtc;
    const char* rdist;
};

void PrintTo(const WorkedRow& row, std::ostream* os) {
    *os << row.what;
}

class WorkedRowTest : public ::testing::TestWithParam<WorkedRow> {};

TEST_P(WorkedRowTest, GivesTheCaptionsOfTheTable) {
    const WorkedRow& row = GetParam();
    const auto outcome = ComputeRoutes(route(row.from, row.to));
    const auto* result = std::get_if<RouteResult>(&outcome);
    ASSERT_NE(result, nullptr) << row.what << ": "
                               << RouteErrorMessage(std::get<RouteError>(outcome));
    EXPECT_EQ(fixed(result->GreatCircleDistance, " NM"), row.dist) << row.what;
    EXPECT_EQ(fixed(result->GreatCircleCourse, "°"), row.tc) << row.what;
    EXPECT_EQ(fixed(result->RhumbLineCourse, "°"), row.rtc) << row.what;
    EXPECT_EQ(fixed(result->RhumbLineDistance, " NM"), row.rdist) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedRowTest,
    ::testing::Values(WorkedRow{"across the continent",
                                {33, 57, 0, N, 118, 24, 0, W},
                                {40, 38, 0, N, 73, 47, 0, W},
                                "2143.73 NM",
                                "65.89°",
                                "79.32°",
                                "2164.58 NM"},
                      WorkedRow{"across the 180th meridian",
                                {21, 19, 0, N, 157, 55, 0, W},
                                {35, 33, 0, N, 139, 47, 0, E},
                                "3341.35 NM",
                                "299.29°",
                                "284.62°",
                                "3383.20 NM"},
                      WorkedRow{"southern hemisphere, east",
                                {33, 52, 0, S, 151, 12, 0, E},
                                {36, 51, 0, S, 174, 46, 0, E},
                                "1163.95 NM",
                                "105.59°",
                                "98.83°",
                                "1166.74 NM"},
                      WorkedRow{"one parallel",
                                {33, 56, 0, N, 118, 24, 0, W},
                                {33, 56, 0, N, 73, 47, 0, W},
                                "2202.88 NM",
                                "77.10°",
                                "90.00°",
                                "2221.07 NM"},
                      WorkedRow{"equator going east",
                                {0, 0, 0, N, 0, 0, 0, W},
                                {0, 0, 0, N, 10, 0, 0, E},
                                "600.00 NM",
                                "90.00°",
                                "90.00°",
                                "600.00 NM"},
                      WorkedRow{"equator going west",
                                {0, 0, 0, N, 0, 0, 0, W},
                                {0, 0, 0, N, 10, 0, 0, W},
                                "600.00 NM",
                                "270.00°",
                                "270.00°",
                                "600.00 NM"},
                      // Along one meridian the course quotient is +-1 up to rounding; it is
                      // limited, so due north is the first branch's 360 and due south 180.
                      WorkedRow{"due north",
                                {10, 0, 0, N, 30, 0, 0, W},
                                {20, 0, 0, N, 30, 0, 0, W},
                                "600.00 NM",
                                "360.00°",
                                "0.00°",
                                "600.00 NM"},
                      WorkedRow{"due south",
                                {20, 0, 0, N, 30, 0, 0, E},
                                {10, 0, 0, N, 30, 0, 0, E},
                                "600.00 NM",
                                "180.00°",
                                "180.00°",
                                "600.00 NM"},
                      WorkedRow{"due north across the equator",
                                {10, 0, 0, S, 45, 0, 0, W},
                                {10, 0, 0, N, 45, 0, 0, W},
                                "1200.00 NM",
                                "360.00°",
                                "0.00°",
                                "1200.00 NM"},
                      WorkedRow{"due south on the 180th meridian",
                                {20, 0, 0, N, 180, 0, 0, W},
                                {10, 0, 0, N, 180, 0, 0, E},
                                "600.00 NM",
                                "180.00°",
                                "180.00°",
                                "600.00 NM"},
                      WorkedRow{"89 degrees 59 minutes is computed",
                                {89, 59, 0, N, 0, 0, 0, W},
                                {89, 0, 0, N, 0, 0, 0, W},
                                "59.00 NM",
                                "180.00°",
                                "180.00°",
                                "59.00 NM"},
                      WorkedRow{"60 minutes and more are added",
                                {0, 60, 0, N, 0, 0, 0, W},
                                {0, 0, 7200, N, 0, 0, 0, W},
                                "60.00 NM",
                                "360.00°",
                                "0.00°",
                                "60.00 NM"},
                      WorkedRow{"the bounds themselves pass",
                                {89, 0, 0, N, 180, 0, 0, W},
                                {89, 0, 0, N, 179, 0, 0, E},
                                "1.05 NM",
                                "270.50°",
                                "270.00°",
                                "1.05 NM"}));

struct ErrorRow {
    const char* what;
    Point from;
    Point to;
    RouteError expected;
};

void PrintTo(const ErrorRow& row, std::ostream* os) {
    *os << row.what;
}

class RouteErrorTest : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(RouteErrorTest, StopsAtTheFirstFailingTest) {
    const ErrorRow& row = GetParam();
    const auto outcome = ComputeRoutes(route(row.from, row.to));
    const auto* error = std::get_if<RouteError>(&outcome);
    ASSERT_NE(error, nullptr) << row.what << " computed a result";
    EXPECT_EQ(std::string(RouteErrorMessage(*error)), RouteErrorMessage(row.expected)) << row.what;
}

constexpr Point kOrigin{0, 0, 0, N, 0, 0, 0, W};

INSTANTIATE_TEST_SUITE_P(Steps, RouteErrorTest,
                         ::testing::Values(ErrorRow{"departure latitude 90",
                                                    {90, 0, 0, N, 0, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::InvalidDepartureLatitude},
                                           ErrorRow{"departure latitude 89.5",
                                                    {89.5, 0, 0, S, 0, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::InvalidDepartureLatitude},
                                           ErrorRow{"departure longitude 180.25",
                                                    {0, 0, 0, N, 180.25, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::InvalidDepartureLongitude},
                                           ErrorRow{"destination latitude 90",
                                                    kOrigin,
                                                    {90, 0, 0, S, 0, 0, 0, W},
                                                    RouteError::InvalidDestinationLatitude},
                                           ErrorRow{"destination longitude 181",
                                                    kOrigin,
                                                    {0, 0, 0, N, 181, 0, 0, E},
                                                    RouteError::InvalidDestinationLongitude},
                                           ErrorRow{"latitude before longitude",
                                                    {95, 0, 0, N, 181, 0, 0, W},
                                                    {95, 0, 0, N, 181, 0, 0, W},
                                                    RouteError::InvalidDepartureLatitude},
                                           ErrorRow{"departure before destination",
                                                    {0, 0, 0, N, 181, 0, 0, W},
                                                    {95, 0, 0, N, 0, 0, 0, W},
                                                    RouteError::InvalidDepartureLongitude},
                                           ErrorRow{"89 degrees 60 minutes is the pole",
                                                    {89, 60, 0, N, 0, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::PoleEndpoint},
                                           ErrorRow{"89 59 60 is the pole",
                                                    kOrigin,
                                                    {89, 59, 60, S, 0, 0, 0, W},
                                                    RouteError::PoleEndpoint},
                                           ErrorRow{"5400 minutes is the pole",
                                                    {0, 5400, 0, N, 0, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::PoleEndpoint},
                                           ErrorRow{"all bounds before the pole",
                                                    {89, 60, 0, N, 0, 0, 0, W},
                                                    {0, 0, 0, N, 181, 0, 0, W},
                                                    RouteError::InvalidDestinationLongitude},
                                           ErrorRow{"equator to the opposite meridian",
                                                    {0, 0, 0, N, 90, 0, 0, W},
                                                    {0, 0, 0, N, 90, 0, 0, E},
                                                    RouteError::PoleCrossing},
                                           ErrorRow{"prime meridian to the 180th",
                                                    {10, 0, 0, N, 0, 0, 0, W},
                                                    {20, 0, 0, S, 180, 0, 0, W},
                                                    RouteError::PoleCrossing},
                                           ErrorRow{"identical entries",
                                                    {40, 30, 15, S, 73, 47, 0, E},
                                                    {40, 30, 15, S, 73, 47, 0, E},
                                                    RouteError::SamePoint},
                                           ErrorRow{"zero west is zero east",
                                                    {0, 0, 0, N, 0, 0, 0, W},
                                                    {0, 0, 0, S, 0, 0, 0, E},
                                                    RouteError::SamePoint},
                                           // The cases the exact tests leave to the formulas.
                                           ErrorRow{"89 degrees 61 minutes",
                                                    {89, 61, 0, N, 0, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::DepartureBeyondPole},
                                           ErrorRow{"5401 minutes south",
                                                    kOrigin,
                                                    {0, 5401, 0, S, 0, 0, 0, W},
                                                    RouteError::DestinationBeyondPole},
                                           ErrorRow{"the exact pole test comes first",
                                                    {89, 61, 0, N, 0, 0, 0, W},
                                                    {89, 60, 0, N, 0, 0, 0, W},
                                                    RouteError::PoleEndpoint},
                                           // The exact tests of the poles and of the
                                           // same point come before a latitude past the
                                           // pole has its say.
                                           ErrorRow{"past the pole to the opposite meridian",
                                                    {89, 70, 0, N, 90, 0, 0, W},
                                                    {20, 0, 0, S, 90, 0, 0, E},
                                                    RouteError::PoleCrossing},
                                           ErrorRow{"past the pole to the same point",
                                                    {89, 65, 30, N, 100, 0, 0, E},
                                                    {89, 65, 30, N, 100, 0, 0, E},
                                                    RouteError::SamePoint},
                                           ErrorRow{"the pole up to rounding, same point",
                                                    {89, 59, 59.999999999, N, 10, 0, 0, W},
                                                    {89, 59, 59.999999999, N, 10, 0, 0, W},
                                                    RouteError::SamePoint},
                                           ErrorRow{"the pole up to rounding, opposite meridian",
                                                    {89, 59, 59.999999999, S, 90, 0, 0, W},
                                                    {20, 0, 0, N, 90, 0, 0, E},
                                                    RouteError::PoleCrossing},
                                           ErrorRow{"the pole up to rounding",
                                                    {89, 59, 59.999999999, N, 0, 0, 0, W},
                                                    kOrigin,
                                                    RouteError::PoleEndpoint},
                                           ErrorRow{"opposite meridians up to rounding",
                                                    {10, 0, 0, N, 30.5, 0, 0, W},
                                                    {40, 0, 0, N, 149.5, 0, 0, E},
                                                    RouteError::PoleCrossing},
                                           ErrorRow{"opposite meridians past 180 degrees",
                                                    {10, 0, 0, N, 0, 16200, 0, W},
                                                    {40, 0, 0, N, 90, 0, 0, W},
                                                    RouteError::PoleCrossing},
                                           ErrorRow{"180 W and 180 E are one position",
                                                    {40, 0, 0, N, 180, 0, 0, W},
                                                    {40, 0, 0, N, 180, 0, 0, E},
                                                    RouteError::SamePosition},
                                           ErrorRow{"179 60 W and 180 E",
                                                    {12, 0, 0, S, 179, 60, 0, W},
                                                    {12, 0, 0, S, 180, 0, 0, E},
                                                    RouteError::SamePosition},
                                           ErrorRow{"antipodes up to rounding",
                                                    {45, 0, 0, N, 0, 0, 0, W},
                                                    {45, 0, 0, S, 179.99999999, 0, 0, E},
                                                    RouteError::Antipodes}));

TEST(ComputeRoutes, AValueThatIsNotANumberIsInvalidForItsCoordinate) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double RouteInput::*member;
        double value;
        RouteError expected;
    } cases[] = {{&RouteInput::DepLatDeg, nan, RouteError::InvalidDepartureLatitude},
                 {&RouteInput::DepLongMin, nan, RouteError::InvalidDepartureLongitude},
                 {&RouteInput::DestLatSec, inf, RouteError::InvalidDestinationLatitude},
                 {&RouteInput::DestLongDeg, nan, RouteError::InvalidDestinationLongitude},
                 {&RouteInput::DestLongSec, -inf, RouteError::InvalidDestinationLongitude}};
    for (const auto& c : cases) {
        RouteInput in = route({10, 0, 0, N, 10, 0, 0, W}, {20, 0, 0, N, 20, 0, 0, W});
        in.*c.member = c.value;
        const auto outcome = ComputeRoutes(in);
        ASSERT_TRUE(std::holds_alternative<RouteError>(outcome));
        EXPECT_EQ(std::get<RouteError>(outcome), c.expected);
    }
}

TEST(ComputeRoutes, AValueThatIsNotFiniteLetsTheExactTestsDecideFirst) {
    const double inf = std::numeric_limits<double>::infinity();
    RouteInput in = route({10, 0, 0, N, 90, 0, 0, W}, {20, 0, 0, N, 90, 0, 0, E});
    in.DepLatMin = inf;
    EXPECT_EQ(std::get<RouteError>(ComputeRoutes(in)), RouteError::PoleCrossing);
    in = route({10, 0, 0, N, 90, 0, 0, W}, {89, 60, 0, N, 90, 0, 0, W});
    in.DepLongSec = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(std::get<RouteError>(ComputeRoutes(in)), RouteError::PoleEndpoint);
}

TEST(ComputeRoutes, EveryOutcomeIsAnErrorOrFiniteValuesInTheirRanges) {
    // Latitudes and longitudes at and near the awkward places: the equator, the
    // bounds, the pole reached through minutes, the 180th meridian and its neighbours.
    const double lats[][3] = {{0, 0, 0},      {45, 0, 0},  {89, 0, 0},
                              {89, 59, 59},   {89, 60, 0}, {89, 59, 59.999999999},
                              {30, 0, 0.0001}};
    const double longs[][3] = {{0, 0, 0},   {30.5, 0, 0}, {149.5, 0, 0}, {179, 60, 0},
                               {180, 0, 0}, {90, 0, 0},   {0, 0, 0.0001}};
    int computed = 0;
    for (const auto& lat1 : lats) {
        for (const auto& long1 : longs) {
            for (const auto& lat2 : lats) {
                for (const auto& long2 : longs) {
                    for (int signs = 0; signs < 16; ++signs) {
                        const Point from{lat1[0],  lat1[1],  lat1[2],  (signs & 1) != 0,
                                         long1[0], long1[1], long1[2], (signs & 2) != 0};
                        const Point to{lat2[0],  lat2[1],  lat2[2],  (signs & 4) != 0,
                                       long2[0], long2[1], long2[2], (signs & 8) != 0};
                        const auto outcome = ComputeRoutes(route(from, to));
                        const auto* r = std::get_if<RouteResult>(&outcome);
                        if (r == nullptr) {
                            continue;
                        }
                        ++computed;
                        ASSERT_TRUE(std::isfinite(r->GreatCircleDistance));
                        ASSERT_TRUE(std::isfinite(r->RhumbLineDistance));
                        ASSERT_GT(r->GreatCircleDistance, 0);
                        ASSERT_GT(r->RhumbLineDistance, 0);
                        ASSERT_GE(r->GreatCircleCourse, 0);
                        ASSERT_LE(r->GreatCircleCourse, 360);
                        ASSERT_GE(r->RhumbLineCourse, 0);
                        ASSERT_LT(r->RhumbLineCourse, 360);
                        // The rhumb line is never the shorter way.
                        ASSERT_GE(r->RhumbLineDistance, r->GreatCircleDistance * (1 - 1e-9));
                    }
                }
            }
        }
    }
    EXPECT_GT(computed, 10000);
}

TEST(ComputeRoutes, RoundingNearTheAntimeridianDoesNotTurnTheCourse) {
    // 179.99999999 W against 180 E: distinct, a hair apart along one parallel; the
    // route runs west over the 180th meridian.
    const auto outcome =
        ComputeRoutes(route({20, 0, 0, N, 179.9999, 0, 0, W}, {20, 0, 0, N, 180, 0, 0, E}));
    const auto* r = std::get_if<RouteResult>(&outcome);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(fixed(r->GreatCircleCourse, "°"), "270.00°");
    EXPECT_EQ(fixed(r->RhumbLineCourse, "°"), "270.00°");
    EXPECT_NEAR(r->RhumbLineDistance, 0.0001 * 60 * std::cos(20 * M_PI / 180), 1e-6);
}

struct MessageRow {
    RouteError error;
    const char* message;
    RouteField field;
};

void PrintTo(const MessageRow& row, std::ostream* os) {
    *os << row.message;
}

class RouteMessageTest : public ::testing::TestWithParam<MessageRow> {};

TEST_P(RouteMessageTest, EachErrorHasItsMessageAndField) {
    EXPECT_EQ(std::string(RouteErrorMessage(GetParam().error)), GetParam().message);
    EXPECT_EQ(RouteErrorField(GetParam().error), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RouteMessageTest,
    ::testing::Values(
        MessageRow{RouteError::InvalidDepartureLatitude, "Invalid Departure Latitude!",
                   RouteField::DepLatDeg},
        MessageRow{RouteError::InvalidDepartureLongitude, "Invalid Departure Longitude!",
                   RouteField::DepLongDeg},
        MessageRow{RouteError::InvalidDestinationLatitude, "Invalid Destination Latitude!",
                   RouteField::DestLatDeg},
        MessageRow{RouteError::InvalidDestinationLongitude, "Invalid Destination Longitude!",
                   RouteField::DestLongDeg},
        MessageRow{RouteError::PoleEndpoint, "Can't start/stop at a pole!", RouteField::None},
        MessageRow{RouteError::PoleCrossing, "Can't cross a pole!", RouteField::None},
        MessageRow{RouteError::SamePoint, "Same departure and destination!", RouteField::None},
        MessageRow{RouteError::DepartureBeyondPole, "Departure Latitude beyond the pole!",
                   RouteField::None},
        MessageRow{RouteError::DestinationBeyondPole, "Destination Latitude beyond the pole!",
                   RouteField::None},
        MessageRow{RouteError::SamePosition, "Departure and destination are one position!",
                   RouteField::None},
        MessageRow{RouteError::Antipodes, "Departure and destination are antipodes!",
                   RouteField::None}));

}  // namespace
}  // namespace aerolume
