// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunwayCore.h"

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace aerolume::airports {
namespace {

std::string upperTrimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

bool allDigits(std::string_view text) {
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
    }
    return true;
}

constexpr std::array<std::string_view, 16> kCompassPoints = {"N",  "NNE", "NE", "ENE", "E",  "ESE",
                                                             "SE", "SSE", "S",  "SSW", "SW", "WSW",
                                                             "W",  "WNW", "NW", "NNW"};

std::optional<double> opposite(std::optional<double> heading) {
    if (!heading) {
        return std::nullopt;
    }
    return NormalDirection(*heading + 180);
}

}  // namespace

double NormalDirection(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d <= 0) {
        d += 360;
    }
    return d;
}

Designator ParseDesignator(std::string_view text) {
    const std::string d = upperTrimmed(text);
    if (d.empty()) {
        return {};
    }
    std::size_t digits = 0;
    while (digits < d.size() && std::isdigit(static_cast<unsigned char>(d[digits])) != 0) {
        ++digits;
    }
    if (digits == 3 && d.size() == 3) {
        const int degrees = std::stoi(d);
        if (degrees >= 1 && degrees <= 360) {
            return {DesignatorKind::Degrees, static_cast<double>(degrees)};
        }
        return {};
    }
    if (digits == 1 || digits == 2) {
        const int number = std::stoi(d.substr(0, digits));
        if (number >= 1 && number <= 36) {
            return {DesignatorKind::Numbered, 10.0 * number};
        }
        return {};
    }
    if (digits == 0 && d[0] == 'H' && allDigits(std::string_view(d).substr(1))) {
        return {DesignatorKind::Helipad, std::nullopt};
    }
    for (std::size_t i = 0; i < kCompassPoints.size(); ++i) {
        if (d == kCompassPoints[i]) {
            return {DesignatorKind::Compass, NormalDirection(22.5 * static_cast<double>(i))};
        }
    }
    return {};
}

EndHeading ResolveEndHeading(std::optional<double> trueHeading,
                             std::optional<double> oppositeTrueHeading, const Designator& own,
                             const Designator& opposite_, std::optional<double> variationNow,
                             std::optional<double> variationAtDataDate) {
    EndHeading end;
    std::optional<double> fromData;
    if (trueHeading) {
        fromData = NormalDirection(*trueHeading);
        end.Source = HeadingSource::Data;
    } else if (oppositeTrueHeading) {
        fromData = opposite(oppositeTrueHeading);
        end.Source = HeadingSource::OppositeEnd;
    }
    if (fromData) {
        end.True = fromData;
        if (variationNow) {
            end.Magnetic = NormalDirection(*fromData - *variationNow);
        }
        return end;
    }
    const std::optional<double> magnetic =
        own.MagneticHeading ? own.MagneticHeading : opposite(opposite_.MagneticHeading);
    if (!magnetic) {
        return end;
    }
    end.Source = HeadingSource::Designator;
    end.Magnetic = magnetic;
    if (variationAtDataDate) {
        end.True = NormalDirection(*magnetic + *variationAtDataDate);
    }
    return end;
}

SurfaceClass ClassifySurface(std::string_view text) {
    struct Word {
        std::string_view word;
        SurfaceClass surface;
    };
    static constexpr Word kWords[] = {
        {"ASP", SurfaceClass::Paved},
        {"ASPH", SurfaceClass::Paved},
        {"ASPHALT", SurfaceClass::Paved},
        {"ASFALT", SurfaceClass::Paved},
        {"ASFALTO", SurfaceClass::Paved},
        {"CON", SurfaceClass::Paved},
        {"CONC", SurfaceClass::Paved},
        {"CONCRETE", SurfaceClass::Paved},
        {"CONCRETO", SurfaceClass::Paved},
        {"BIT", SurfaceClass::Paved},
        {"BITUMEN", SurfaceClass::Paved},
        {"BITUMINOUS", SurfaceClass::Paved},
        {"PEM", SurfaceClass::Paved},
        {"PAVED", SurfaceClass::Paved},
        {"PAV", SurfaceClass::Paved},
        {"MAC", SurfaceClass::Paved},
        {"TAR", SurfaceClass::Paved},
        {"TARMAC", SurfaceClass::Paved},
        {"BRICK", SurfaceClass::Paved},
        {"HARD", SurfaceClass::Paved},
        {"SEALED", SurfaceClass::Paved},
        {"COP", SurfaceClass::Paved},
        {"PER", SurfaceClass::Paved},
        {"GVL", SurfaceClass::Gravel},
        {"GRVL", SurfaceClass::Gravel},
        {"GRV", SurfaceClass::Gravel},
        {"GRAV", SurfaceClass::Gravel},
        {"GRAVEL", SurfaceClass::Gravel},
        {"DIRT", SurfaceClass::Gravel},
        {"EARTH", SurfaceClass::Gravel},
        {"SAND", SurfaceClass::Gravel},
        {"SAN", SurfaceClass::Gravel},
        {"CLAY", SurfaceClass::Gravel},
        {"CLA", SurfaceClass::Gravel},
        {"SOIL", SurfaceClass::Gravel},
        {"GROUND", SurfaceClass::Gravel},
        {"CORAL", SurfaceClass::Gravel},
        {"COR", SurfaceClass::Gravel},
        {"LAT", SurfaceClass::Gravel},
        {"LATERITE", SurfaceClass::Gravel},
        {"CALICHE", SurfaceClass::Gravel},
        {"CRUSHED", SurfaceClass::Gravel},
        {"ROCK", SurfaceClass::Gravel},
        {"TER", SurfaceClass::Gravel},
        {"UNPAVED", SurfaceClass::Gravel},
        {"PI\xC3\x87"
         "ARRA",
         SurfaceClass::Gravel},
        {"PI\xC3\xA7"
         "ARRA",
         SurfaceClass::Gravel},
        {"GRS", SurfaceClass::Grass},
        {"GRASS", SurfaceClass::Grass},
        {"GRASSED", SurfaceClass::Grass},
        {"GRAS", SurfaceClass::Grass},
        {"GRE", SurfaceClass::Grass},
        {"TURF", SurfaceClass::Grass},
        {"TRF", SurfaceClass::Grass},
        {"SOD", SurfaceClass::Grass},
        {"WATER", SurfaceClass::Water},
        {"WAT", SurfaceClass::Water},
        {"SNOW", SurfaceClass::SnowIce},
        {"SNO", SurfaceClass::SnowIce},
        {"ICE", SurfaceClass::SnowIce},
    };
    const std::string upper = upperTrimmed(text);
    std::size_t i = 0;
    while (i < upper.size()) {
        // Bytes of UTF-8 letters (the cedilla of PIÇARRA) belong to words.
        auto inWord = [&](std::size_t k) {
            const auto c = static_cast<unsigned char>(upper[k]);
            return std::isalnum(c) != 0 || c >= 0x80;
        };
        while (i < upper.size() && !inWord(i)) {
            ++i;
        }
        std::size_t j = i;
        while (j < upper.size() && inWord(j)) {
            ++j;
        }
        const std::string_view word = std::string_view(upper).substr(i, j - i);
        for (const Word& w : kWords) {
            if (word == w.word) {
                return w.surface;
            }
        }
        i = j;
    }
    return SurfaceClass::Unknown;
}

bool CountsForWind(SurfaceClass surface, const Designator& designator) {
    return surface != SurfaceClass::Water && designator.Kind != DesignatorKind::Helipad;
}

RunwayWindsResult RunwayWinds(const std::vector<EndWindInput>& ends, double windFrom, double speed,
                              std::optional<double> gust, std::optional<double> crosswindLimit) {
    RunwayWindsResult result;
    bool anyWithin = false;
    for (const EndWindInput& end : ends) {
        EndWind wind;
        if (end.MagneticHeading) {
            wind.Steady = ResolveWind(windFrom, speed, *end.MagneticHeading);
            if (gust) {
                wind.Gust = ResolveWind(windFrom, *gust, *end.MagneticHeading);
            }
            const double crosswind =
                std::fabs(wind.Gust ? wind.Gust->Crosswind : wind.Steady->Crosswind);
            wind.BeyondLimit = crosswindLimit && crosswind > *crosswindLimit + 1e-9;
            anyWithin = anyWithin || (end.Eligible && !wind.BeyondLimit);
        }
        result.Ends.push_back(wind);
    }
    if (RoundsToCalm(speed)) {
        return result;
    }
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const EndWind& w = result.Ends[i];
        if (!ends[i].Eligible || !w.Steady || (anyWithin && w.BeyondLimit)) {
            continue;
        }
        if (!result.Best) {
            result.Best = i;
            continue;
        }
        const WindComponents& best = *result.Ends[*result.Best].Steady;
        const double more = w.Steady->Headwind - best.Headwind;
        if (more > 1e-9 || (std::fabs(more) <= 1e-9 &&
                            std::fabs(w.Steady->Crosswind) < std::fabs(best.Crosswind))) {
            result.Best = i;
        }
    }
    return result;
}

}  // namespace aerolume::airports
