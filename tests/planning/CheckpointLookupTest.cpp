// SPDX-License-Identifier: GPL-3.0-or-later
// Checkpoints by identifier on the test database of real rows: a place taken directly,
// several offered nearest first, fixes from a navaid, and what the data does not know.
#include <gtest/gtest.h>

#include "airports/AirportModule.h"
#include "planning/CheckpointLookup.h"

namespace aerolume::planning {
namespace {

constexpr Position kOxford{51.8369, -1.32};
constexpr Position kSouthampton{50.9503, -1.3568};
constexpr Position kSamos{37.69, 26.9117};
constexpr Position kCompton{51.4917, -1.2197};

struct LookupCase {
    const char* typed;
    std::optional<Position> previous;
    LookupOutcome outcome;
    // Found: the checkpoint's name, position, elevation and origin.
    const char* name = "";
    Position position{};
    std::optional<double> elevation{};
    CheckpointOrigin origin{};
    // Choose: each offer's identifier and country, in the order offered.
    std::vector<std::string> offers{};
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class CheckpointLookupTest : public ::testing::TestWithParam<LookupCase> {
protected:
    static void SetUpTestSuite() {
        QString error;
        s_db = airports::openThroughModule(QStringLiteral(AEROLUME_TEST_DATABASE), &error);
        ASSERT_NE(s_db, nullptr) << error.toStdString();
    }
    static void TearDownTestSuite() { s_db.reset(); }
    static std::unique_ptr<airports::AirportDatabase> s_db;
};
std::unique_ptr<airports::AirportDatabase> CheckpointLookupTest::s_db;

TEST_P(CheckpointLookupTest, ResolvesTheTypedText) {
    const LookupCase& c = GetParam();
    const CheckpointFinder finder(s_db.get(), {c.previous, 2026.5, 0});
    const CheckpointLookup found = finder.resolve(QString::fromUtf8(c.typed));
    ASSERT_EQ(found.outcome, c.outcome);
    std::vector<std::string> offers;
    for (const PlaceOffer& offer : found.offers) {
        offers.push_back(offer.place.Ident + " " + offer.place.Country);
        EXPECT_EQ(offer.fix.has_value(), found.fix.has_value());
    }
    if (c.outcome == LookupOutcome::Choose) {
        EXPECT_EQ(offers, c.offers);
    }
    if (c.outcome != LookupOutcome::Found) {
        EXPECT_FALSE(found.checkpoint);
        return;
    }
    ASSERT_TRUE(found.checkpoint);
    const Checkpoint& point = *found.checkpoint;
    EXPECT_EQ(point.name, c.name);
    EXPECT_NEAR(point.latitude, c.position.latitude, 1e-3);
    EXPECT_NEAR(point.longitude, c.position.longitude, 1e-3);
    EXPECT_EQ(point.elevation, c.elevation);
    EXPECT_EQ(point.origin, c.origin);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, CheckpointLookupTest,
    ::testing::Values(
        // Unique: by identifier, by another code, an airfield with its elevation, a navaid.
        LookupCase{"EGTK",
                   std::nullopt,
                   LookupOutcome::Found,
                   "EGTK London Oxford Airport",
                   {51.836899, -1.32},
                   270,
                   {PlaceKind::Airport, "EGTK", "GB", std::nullopt}},
        LookupCase{" oxf ",
                   kCompton,
                   LookupOutcome::Found,
                   "EGTK London Oxford Airport",
                   {51.836899, -1.32},
                   270,
                   {PlaceKind::Airport, "EGTK", "GB", std::nullopt}},
        LookupCase{"LFAT",
                   kCompton,
                   LookupOutcome::Found,
                   "LFAT Le Touquet-Côte d'Opale Airport",
                   {50.518284, 1.621656},
                   36,
                   {PlaceKind::Airport, "LFAT", "FR", std::nullopt}},
        LookupCase{"dty",
                   kOxford,
                   LookupOutcome::Found,
                   "DTY Daventry VOR-DME",
                   {52.1803, -1.11389},
                   std::nullopt,
                   {PlaceKind::VorDme, "DTY", "GB", std::nullopt}},
        // Several places: nearest to the previous checkpoint first, airports and navaids.
        LookupCase{"CPT", kOxford, LookupOutcome::Choose, "", {}, {}, {}, {"CPT GB", "FACT ZA"}},
        LookupCase{"BNE",
                   kCompton,
                   LookupOutcome::Choose,
                   "",
                   {},
                   {},
                   {},
                   {"BNE FR", "BNE LC", "BNE LC", "YBBN AU"}},
        LookupCase{
            "BNN", kOxford, LookupOutcome::Choose, "", {}, {}, {}, {"BNN GB", "BNN NO", "BNN CN"}},
        LookupCase{"SAM",
                   kSamos,
                   LookupOutcome::Choose,
                   "",
                   {},
                   {},
                   {},
                   {"SAM GR", "SAM GB", "SAM IN", "SAM US"}},
        // Without a previous checkpoint: the data's ranking, the identifiers before the
        // other codes.
        LookupCase{
            "CPT", std::nullopt, LookupOutcome::Choose, "", {}, {}, {}, {"CPT GB", "FACT ZA"}},
        // A fix: the navaids of its identifier only (not Cape Town), the radial turned
        // to true by the 4.0° W the station is slaved to: 10 NM on 086° true.
        LookupCase{"CPT 090/10",
                   kOxford,
                   LookupOutcome::Found,
                   "CPT 090/10",
                   {51.4917 + 10.0 / 60 * 0.06976, -1.2197 + 10.0 / 60 * 0.99756 / 0.62253},
                   std::nullopt,
                   {PlaceKind::RadialDistance, "CPT", "GB", RadialDistance{"CPT", 90, 10}}},
        LookupCase{"SAM270015",
                   kSouthampton,
                   LookupOutcome::Choose,
                   "",
                   {},
                   {},
                   {},
                   {"SAM GB", "SAM GR", "SAM US", "SAM IN"}},
        // What the data does not know.
        LookupCase{"XYZZY", kOxford, LookupOutcome::NotInData},
        LookupCase{"Oxford city", kOxford, LookupOutcome::NotInData},
        LookupCase{"QQQ 270/15", kOxford, LookupOutcome::UnknownNavaid},
        // A fix from an airport's identifier: no navaid of that name.
        LookupCase{"EGTK 090/5", kOxford, LookupOutcome::UnknownNavaid}));

TEST(CheckpointLookupWithoutData, SaysThereIsNoData) {
    const CheckpointFinder finder(nullptr, {});
    EXPECT_EQ(finder.resolve(QStringLiteral("EGTK")).outcome, LookupOutcome::NoData);
    EXPECT_TRUE(finder.offers(QStringLiteral("EGTK"), 20).isEmpty());
}

TEST_F(CheckpointLookupTest, OffersWhileTypingFixesFromEveryNavaidNearestFirst) {
    const CheckpointFinder finder(s_db.get(), {kSouthampton, 2026.5, 0});
    std::vector<std::string> listed;
    for (const PlaceOffer& offer : finder.offers(QStringLiteral("sam 270/1"), 20)) {
        ASSERT_TRUE(offer.fix);
        EXPECT_EQ(*offer.fix, (RadialDistance{"SAM", 270, 1}));
        listed.push_back(offer.place.Country);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"GB", "GR", "US", "IN"}));
    const QList<PlaceOffer> typed = finder.offers(QStringLiteral("EGT"), 20);
    ASSERT_FALSE(typed.isEmpty());
    EXPECT_EQ(typed.constFirst().place.Ident, "EGTK");
    ASSERT_TRUE(typed.constFirst().distance);
    EXPECT_NEAR(*typed.constFirst().distance, 53.2, 0.5);
}

}  // namespace
}  // namespace aerolume::planning
