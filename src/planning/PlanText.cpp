// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/FieldReading.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

std::string_view trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string csvText(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + '"';
}

std::string csvNumber(const std::optional<double>& value, int decimals) {
    return value ? formatFixed(*value, decimals) : std::string();
}

}  // namespace

std::string formatDirection(double degrees) {
    if (!std::isfinite(degrees)) {
        return {};
    }
    std::string whole = formatFixed(degrees, 0);
    if (whole == "0") {
        whole = "360";
    }
    if (whole.size() < 3) {
        whole = std::string(3 - whole.size(), '0') + whole;
    }
    return whole + "°";
}

std::string formatWca(double degrees) {
    const std::string whole = formatFixed(degrees, 0);
    if (whole.empty()) {
        return {};
    }
    return (whole != "0" && whole.front() != '-' ? "+" : "") + whole + "°";
}

std::string formatVariation(double degrees) {
    const std::string magnitude = formatFixed(std::fabs(degrees), 1);
    if (magnitude.empty()) {
        return {};
    }
    if (magnitude == "0.0") {
        return "0.0°";
    }
    return magnitude + (degrees > 0 ? "° E" : "° W");
}

std::string formatWind(double direction, double speed) {
    return formatDirection(direction) + "/" + formatFixed(speed, 0) + " kt";
}

std::optional<double> parseVariation(std::string_view text) {
    text = trim(text);
    double sign = 1;
    bool lettered = false;
    if (!text.empty()) {
        const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
        if (last == 'E' || last == 'W') {
            sign = last == 'W' ? -1 : 1;
            lettered = true;
            text.remove_suffix(1);
            text = trim(text);
            constexpr std::string_view kDegree = "°";
            if (text.size() >= kDegree.size() &&
                text.substr(text.size() - kDegree.size()) == kDegree) {
                text.remove_suffix(kDegree.size());
            }
        }
    }
    auto value = strictNumber(text);
    if (!value || (lettered && *value < 0)) {
        return std::nullopt;
    }
    const double degrees = *value == 0 ? 0.0 : sign * *value;
    if (!kVariationRange.contains(degrees)) {
        return std::nullopt;
    }
    return degrees;
}

std::optional<double> parseInRange(std::string_view text, Range range) {
    const auto value = strictNumber(trim(text));
    if (!value || !range.contains(*value)) {
        return std::nullopt;
    }
    return *value == 0 ? 0.0 : *value;
}

const char* fuelUnitLabel(FuelUnit unit) {
    switch (unit) {
        case FuelUnit::UsGallons:
            return "US gal";
        case FuelUnit::Litres:
            return "L";
        case FuelUnit::Pounds:
            return "lb";
        case FuelUnit::Kilograms:
            return "kg";
    }
    return "";
}

const char* legWarning(LegStatus status) {
    switch (status) {
        case LegStatus::Ok:
            return "";
        case LegStatus::ZeroLength:
            return "Same position as the checkpoint before: no course";
        case LegStatus::CrosswindTooStrong:
            return "Crosswind at least the airspeed: the leg cannot be flown";
        case LegStatus::HeadwindTooStrong:
            return "Headwind at least the airspeed: no ground speed along the course";
        case LegStatus::NoRhumbLine:
            return "No course between these checkpoints (a pole or opposite points)";
    }
    return "";
}

namespace {

// An ETA as hh:mm UTC, with the days after the departure's when it falls on a later
// one ("00:12 +1"); empty when unknown.
std::string csvEta(const std::optional<Eta>& eta) {
    if (!eta) {
        return {};
    }
    const ClockMinute clock = toClockMinute(*eta);
    std::string text = std::to_string(clock.hour / 10) + std::to_string(clock.hour % 10) + ":" +
                       std::to_string(clock.minute / 10) + std::to_string(clock.minute % 10);
    return clock.day > 0 ? text + " +" + std::to_string(clock.day) : text;
}

}  // namespace

std::string planCsv(const Plan& plan, const PlanResult& result) {
    const std::string fuel = fuelUnitLabel(plan.defaults.fuelUnit);
    std::string csv =
        "Checkpoint,Latitude (° north positive),Longitude (° east positive),TC (°),"
        "Wind from (°),Wind speed (kt),TAS (kt),WCA (° right positive),TH (°),"
        "Variation (° east positive),MH (°),Leg distance (NM),Distance remaining (NM),"
        "GS (kt),ETE (min),Leg fuel (" +
        fuel + "),Fuel remaining (" + fuel + "),ETA (UTC),ATA,Actual fuel (" + fuel + ")\r\n";
    for (std::size_t i = 0; i < plan.checkpoints.size(); ++i) {
        const Checkpoint& point = plan.checkpoints[i];
        csv += csvText(point.name) + "," + formatFixed(point.latitude, 6) + "," +
               formatFixed(point.longitude, 6);
        if (i == 0 || i > result.legs.size()) {
            csv += ",,,,,,,,,,";
            csv += result.totalDistance ? formatFixed(*result.totalDistance, 1) : "";
            csv += ",,,," + formatFixed(std::max(0.0, result.fuelAfterTaxi), 1) + "," +
                   (i == 0 ? csvEta(result.departure) : std::string()) + ",,\r\n";
            continue;
        }
        const LegResult& leg = result.legs[i - 1];
        const LegConditions& c = leg.conditions;
        const auto minutes = leg.time ? std::optional(*leg.time * 60) : std::nullopt;
        csv += "," + csvNumber(leg.trueCourse, 0) + "," + formatFixed(c.windDirection, 0) + "," +
               formatFixed(c.windSpeed, 0) + "," + formatFixed(c.trueAirspeed, 0) + "," +
               csvNumber(leg.wca, 0) + "," + csvNumber(leg.trueHeading, 0) + "," +
               formatFixed(c.variation, 1) + "," + csvNumber(leg.magneticHeading, 0) + "," +
               csvNumber(leg.distance, 1) + "," + csvNumber(leg.distanceRemaining, 1) + "," +
               csvNumber(leg.groundSpeed, 0) + "," + csvNumber(minutes, 1) + "," +
               csvNumber(leg.fuel, 1) + "," + csvNumber(leg.fuelRemaining, 1) + "," +
               csvEta(leg.eta) + ",,\r\n";
    }
    return csv;
}

}  // namespace aerolume::planning
