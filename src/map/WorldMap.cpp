// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorldMap.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace aerolume::map {
namespace {

constexpr std::string_view kMagic = "AEROMAP\n";
constexpr int kVersion = 1;
constexpr int kLandLayer = 1;
constexpr int kBorderLayer = 2;
constexpr double kUnitsPerDegree = 1e4;

class Bytes {
public:
    explicit Bytes(std::string_view bytes) : m_bytes(bytes) {}

    std::uint32_t fixed(int size) {
        need(std::size_t(size));
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            value |= std::uint32_t(std::uint8_t(m_bytes[m_at++])) << (8 * i);
        }
        return value;
    }
    std::uint64_t varint() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            need(1);
            const auto byte = std::uint8_t(m_bytes[m_at++]);
            value |= std::uint64_t(byte & 0x7f) << shift;
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        throw std::string("a number runs on past 64 bits");
    }
    std::int64_t signedVarint() {
        const std::uint64_t z = varint();
        return (z & 1) != 0 ? -std::int64_t(z >> 1) - 1 : std::int64_t(z >> 1);
    }
    std::string_view take(std::size_t size) {
        need(size);
        const std::string_view part = m_bytes.substr(m_at, size);
        m_at += size;
        return part;
    }
    std::size_t left() const { return m_bytes.size() - m_at; }

private:
    void need(std::size_t size) const {
        if (m_bytes.size() - m_at < size) {
            throw std::string("the file ends before its last line");
        }
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
};

std::vector<GeoPoint> readLine(Bytes& in) {
    const std::uint64_t count = in.varint();
    // Every point takes two bytes at least: a count beyond that is damage.
    if (count > in.left() / 2) {
        throw std::string("a line has more points than the file has bytes");
    }
    std::vector<GeoPoint> line;
    line.reserve(count);
    std::int64_t lon = 0;
    std::int64_t lat = 0;
    for (std::uint64_t i = 0; i < count; ++i) {
        lon += in.signedVarint();
        lat += in.signedVarint();
        const GeoPoint p{double(lat) / kUnitsPerDegree, double(lon) / kUnitsPerDegree};
        if (std::fabs(p.latitude) > 90 || std::fabs(p.longitude) > 180) {
            throw std::string("a position lies outside -90 to 90, -180 to 180");
        }
        line.push_back(p);
    }
    return line;
}

MapShape shapeOf(const std::vector<GeoPoint>& positions) {
    MapShape shape;
    shape.points.reserve(positions.size());
    for (const GeoPoint& p : positions) {
        shape.points.push_back(toVector(p));
    }
    shape.cap = boundingCap(shape.points);
    return shape;
}

// A segment along a cut of the data rather than a coast: on the 180° meridian, or on the
// south pole's edge of Antarctica.
bool isCut(const GeoPoint& a, const GeoPoint& b) {
    const bool meridian = std::fabs(a.longitude) >= 179.999 && std::fabs(b.longitude) >= 179.999 &&
                          (a.longitude > 0) == (b.longitude > 0);
    return meridian || (a.latitude <= -89.9 && b.latitude <= -89.9);
}

void addCoastlines(const std::vector<GeoPoint>& ring, std::vector<MapShape>& out) {
    std::vector<GeoPoint> line;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (i > 0 && isCut(ring[i - 1], ring[i])) {
            if (line.size() > 1) {
                out.push_back(shapeOf(line));
            }
            line.clear();
        }
        line.push_back(ring[i]);
    }
    if (line.size() > 1) {
        out.push_back(shapeOf(line));
    }
}

GeoBox boxOf(const std::vector<GeoPoint>& positions) {
    GeoBox box{90, -90, 180, -180};
    for (const GeoPoint& p : positions) {
        box.south = std::min(box.south, p.latitude);
        box.north = std::max(box.north, p.latitude);
        box.west = std::min(box.west, p.longitude);
        box.east = std::max(box.east, p.longitude);
    }
    return box;
}

double niceSpacing(double degreesAcross) {
    for (const double spacing : {0.25, 0.5, 1.0, 2.0, 5.0, 10.0, 15.0}) {
        if (degreesAcross / spacing <= 8) {
            return spacing;
        }
    }
    return 30;
}

}  // namespace

std::variant<WorldMap, std::string> WorldMap::read(std::string_view bytes) {
    try {
        Bytes in(bytes);
        if (in.take(kMagic.size()) != kMagic) {
            return std::string("this is not a map file");
        }
        if (const auto version = in.fixed(2); version != kVersion) {
            return "the map file is of version " + std::to_string(version) + ", not " +
                   std::to_string(kVersion);
        }
        WorldMap map;
        const std::uint32_t textSize = in.fixed(4);
        map.m_attribution = std::string(in.take(textSize));
        const std::uint32_t layers = in.fixed(1);
        for (std::uint32_t layer = 0; layer < layers; ++layer) {
            const std::uint32_t kind = in.fixed(1);
            const std::uint32_t lines = in.fixed(4);
            if (lines > in.left()) {
                return std::string("a layer has more lines than the file has bytes");
            }
            for (std::uint32_t i = 0; i < lines; ++i) {
                std::vector<GeoPoint> line = readLine(in);
                if (kind == kLandLayer) {
                    addCoastlines(line, map.m_coastlines);
                    map.m_land.push_back({shapeOf(line), line, boxOf(line)});
                } else if (kind == kBorderLayer) {
                    map.m_borders.push_back(shapeOf(line));
                }
            }
        }
        return map;
    } catch (const std::string& message) {
        return message;
    }
}

bool WorldMap::isLand(const GeoPoint& point) const {
    bool inside = false;
    for (const LandRing& ring : m_land) {
        if (!ring.box.contains(point)) {
            continue;
        }
        const std::vector<GeoPoint>& p = ring.positions;
        for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].latitude > point.latitude) != (p[j].latitude > point.latitude) &&
                point.longitude < (p[j].longitude - p[i].longitude) *
                                          (point.latitude - p[i].latitude) /
                                          (p[j].latitude - p[i].latitude) +
                                      p[i].longitude) {
                inside = !inside;
            }
        }
    }
    return inside;
}

std::vector<std::vector<Vec3>> graticule(const MapView& view) {
    const GeoBox box = viewBox(view);
    const double across = view.width / view.pixelsPerNm / 60;
    const double spacing = niceSpacing(across);
    const double step = spacing / 8;
    const double west = box.west;
    const double east = box.west <= box.east ? box.east : box.east + 360;
    std::vector<std::vector<Vec3>> lines;
    for (double lon = std::ceil(west / spacing) * spacing; lon <= east; lon += spacing) {
        std::vector<Vec3> line;
        for (double lat = box.south; lat < box.north + step; lat += step) {
            line.push_back(toVector({std::min(lat, box.north), lon}));
        }
        lines.push_back(std::move(line));
    }
    for (double lat = std::ceil(box.south / spacing) * spacing; lat <= box.north; lat += spacing) {
        if (std::fabs(lat) >= 90) {
            continue;
        }
        std::vector<Vec3> line;
        for (double lon = west; lon < east + step; lon += step) {
            line.push_back(toVector({lat, std::min(lon, east)}));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace aerolume::map
