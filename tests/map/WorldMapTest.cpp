// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "map/WorldMap.h"

namespace aerolume::map {
namespace {

// A map file in the program's layout, written here byte by byte.
class MapBytes {
public:
    MapBytes() : m_bytes("AEROMAP\n") {
        fixed(1, 2);
        const std::string text = "Test map";
        fixed(std::uint32_t(text.size()), 4);
        m_bytes += text;
    }
    MapBytes& fixed(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            m_bytes += char((value >> (8 * i)) & 0xff);
        }
        return *this;
    }
    MapBytes& varint(std::uint64_t v) {
        while (v >= 0x80) {
            m_bytes += char((v & 0x7f) | 0x80);
            v >>= 7;
        }
        m_bytes += char(v);
        return *this;
    }
    // A line of (latitude, longitude) in degrees, delta-coded in 1e-4 degrees.
    MapBytes& line(std::initializer_list<GeoPoint> points) {
        varint(points.size());
        long long lat = 0;
        long long lon = 0;
        for (const GeoPoint& p : points) {
            const long long x = std::llround(p.longitude * 1e4);
            const long long y = std::llround(p.latitude * 1e4);
            for (const long long d : {x - lon, y - lat}) {
                varint(d >= 0 ? std::uint64_t(2 * d) : std::uint64_t(-2 * d - 1));
            }
            lon = x;
            lat = y;
        }
        return *this;
    }
    std::string bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

std::string islandAcross180() {
    // One layer count, then land: a ring cut at 180° on its east side, and a lake in it;
    // then one border.
    return MapBytes()
        .fixed(2, 1)
        .fixed(1, 1)
        .fixed(2, 4)
        .line({{-10, 170}, {-10, 180}, {10, 180}, {10, 170}, {-10, 170}})
        .line({{-1, 174}, {-1, 176}, {1, 176}, {1, 174}, {-1, 174}})
        .fixed(2, 1)
        .fixed(1, 4)
        .line({{-10, 175}, {10, 175}})
        .bytes();
}

TEST(WorldMapTest, ReadsLandCoastsAndBorders) {
    const auto read = WorldMap::read(islandAcross180());
    ASSERT_TRUE(std::holds_alternative<WorldMap>(read)) << std::get<std::string>(read);
    const auto& map = std::get<WorldMap>(read);
    EXPECT_EQ(map.attribution(), "Test map");
    EXPECT_EQ(map.land().size(), 2U);
    EXPECT_EQ(map.borders().size(), 1U);
    // The cut along 180° is no coast: the ring's coast is two lines either side of it
    // (2 and 3 points), the lake's a closed one of 5.
    ASSERT_EQ(map.coastlines().size(), 3U);
    EXPECT_EQ(map.coastlines()[0].points.size(), 2U);
    EXPECT_EQ(map.coastlines()[1].points.size(), 3U);
    EXPECT_TRUE(map.isLand({5, 172}));
    EXPECT_FALSE(map.isLand({0, 175}));  // in the lake
    EXPECT_FALSE(map.isLand({0, -175}));
}

struct BadMap {
    const char* what;
    std::string bytes;
    const char* says;
};

class BadMapTest : public ::testing::TestWithParam<BadMap> {};

TEST_P(BadMapTest, IsRefusedWithAReason) {
    const auto read = WorldMap::read(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << GetParam().what;
    EXPECT_NE(std::get<std::string>(read).find(GetParam().says), std::string::npos)
        << GetParam().what << ": " << std::get<std::string>(read);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadMapTest,
    ::testing::Values(
        BadMap{"empty", "", "ends"}, BadMap{"another file", "GIF89a, a picture", "not a map"},
        BadMap{"newer", std::string("AEROMAP\n\x02\x00", 10), "version 2"},
        BadMap{"cut short", islandAcross180().substr(0, 40), "ends"},
        BadMap{"a count beyond the bytes",
               MapBytes().fixed(1, 1).fixed(1, 1).fixed(1, 4).varint(1u << 30).bytes(),
               "more points"},
        BadMap{"out of range",
               MapBytes().fixed(1, 1).fixed(1, 1).fixed(1, 4).line({{95, 0}, {0, 0}}).bytes(),
               "outside"}));

}  // namespace
}  // namespace aerolume::map
