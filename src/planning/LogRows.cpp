// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogRows.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "navigation/WindCore.h"

namespace aerolume::planning {
namespace {

// Airspeeds and ground speeds closer than this (kt) are one.
constexpr double kSameSpeed = 1e-9;

double wrapDegrees(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

// Where a part of a leg starts or ends: along the leg, and from take-off.
struct Mark {
    std::optional<double> along;  // NM from the leg's first checkpoint
    std::optional<double> distance;
    std::optional<double> time;
    std::optional<double> fuel;  // used from take-off
};

std::optional<double> difference(const std::optional<double>& to,
                                 const std::optional<double>& from) {
    return to && from ? std::optional(*to - *from) : std::nullopt;
}

// The segments of leg `leg` that overlap the part from `from` to `to` NM along it.
std::vector<const ProfileSegment*> segmentsOf(const FlightProfile& profile, std::size_t leg,
                                              double from, double to) {
    std::vector<const ProfileSegment*> found;
    for (const ProfileSegment& s : profile.segments) {
        if (s.leg == leg && s.to > from + 1e-9 && s.from < to - 1e-9) {
            found.push_back(&s);
        }
    }
    return found;
}

// The one value `field` takes on every segment, when they agree.
template <typename Field>
std::optional<double> common(const std::vector<const ProfileSegment*>& segments, Field field) {
    if (segments.empty()) {
        return std::nullopt;
    }
    const double first = segments.front()->*field;
    for (const ProfileSegment* s : segments) {
        if (std::abs(s->*field - first) > kSameSpeed) {
            return std::nullopt;
        }
    }
    return first;
}

class RowMaker {
public:
    RowMaker(const Plan& plan, const PlanResult& result) : m_plan(plan), m_result(result) {}

    std::vector<LogRow> rows() {
        if (m_plan.checkpoints.empty()) {
            return {};
        }
        departure();
        for (std::size_t i = 0; i < m_result.legs.size(); ++i) {
            leg(i);
        }
        return std::move(m_rows);
    }

private:
    bool computed() const { return m_result.profile.status == ProfileStatus::Computed; }

    void departure() {
        LogRow& row = m_rows.emplace_back();
        row.kind = LogRowKind::Departure;
        row.altitude = m_plan.checkpoints.front().elevation;
        row.remaining = m_result.totalDistance;
        row.eta = m_result.departure;
        row.fuelRemaining = std::max(0.0, m_result.fuelAfterTaxi);
        row.belowReserve = m_result.firstBelowReserve == std::optional<std::size_t>(0);
        row.fuelExhausted = m_result.fuelAfterTaxi < 0;
    }

    void leg(std::size_t i) {
        const LegResult& leg = m_result.legs[i];
        Mark start{0.0, 0.0, 0.0, 0.0};
        if (i > 0) {
            const LegResult& before = m_result.legs[i - 1];
            start = {0.0, before.totalDistance, before.totalTime, before.fuelUsed};
        }
        Mark at = start;
        if (computed()) {
            for (const ProfilePoint& p : m_result.profile.points) {
                if (p.leg != i) {
                    continue;
                }
                const Mark next{p.distanceAlongLeg, p.distance, p.time, p.fuel};
                LogRow& row = part(i, at, next);
                row.kind = p.kind == ProfilePointKind::TopOfClimb ? LogRowKind::TopOfClimb
                           : p.kind == ProfilePointKind::LevelOff ? LogRowKind::LevelOff
                                                                  : LogRowKind::TopOfDescent;
                row.altitude = p.altitude;
                fuelAt(row, next);
                at = next;
            }
        }
        const Mark end{leg.distance, leg.totalDistance, leg.totalTime, leg.fuelUsed};
        LogRow& row = part(i, at, end);
        row.kind = LogRowKind::Checkpoint;
        row.eta = leg.eta;
        row.fuelRemaining = leg.fuelRemaining;
        row.belowReserve = leg.belowReserve;
        row.fuelExhausted = leg.fuelExhausted;
        if (!computed()) {
            row.altitude = leg.conditions.altitude;
        } else if (!row.altitude) {
            // A zero-length leg: the altitude of the row before.
            row.altitude = m_rows[m_rows.size() - 2].altitude;
        }
    }

    // The row of the part of leg `i` from `from` to `to`.
    LogRow& part(std::size_t i, const Mark& from, const Mark& to) {
        const LegResult& leg = m_result.legs[i];
        const LegConditions& c = leg.conditions;
        LogRow& row = m_rows.emplace_back();
        row.checkpoint = i + 1;
        row.leg = i;
        row.status = leg.status;
        row.trueCourse = leg.trueCourse;
        if (leg.trueCourse) {
            row.magneticCourse = wrapDegrees(*leg.trueCourse - c.variation);
        }
        row.windDirection = c.windDirection;
        row.windSpeed = c.windSpeed;
        row.trueAirspeed = c.trueAirspeed;
        row.wca = leg.wca;
        row.magneticHeading = leg.magneticHeading;
        row.distance = difference(to.along, from.along);
        row.time = difference(to.time, from.time);
        row.fuel = difference(to.fuel, from.fuel);
        row.groundSpeed = leg.groundSpeed;
        if (m_result.totalDistance && to.distance) {
            row.remaining = std::max(0.0, *m_result.totalDistance - *to.distance);
        }
        if (!computed() || !from.along || !to.along) {
            return row;
        }
        const auto segments = segmentsOf(m_result.profile, i, *from.along, *to.along);
        if (!segments.empty()) {
            row.phase = segments.back()->phase;
            row.altitude = segments.back()->altitudeTo;
        }
        row.groundSpeed = common(segments, &ProfileSegment::groundSpeed);
        if (!row.groundSpeed && row.distance && row.time && *row.time > 0) {
            row.groundSpeed = *row.distance / *row.time;
        }
        const auto airspeed = common(segments, &ProfileSegment::trueAirspeed);
        if (airspeed && leg.trueCourse && std::abs(*airspeed - c.trueAirspeed) > kSameSpeed) {
            const auto wind =
                ComputeWind({c.windDirection, c.windSpeed, *leg.trueCourse, *airspeed});
            if (const auto* solved = std::get_if<WindResult>(&wind)) {
                row.trueAirspeed = *airspeed;
                row.wca = solved->Wca;
                row.magneticHeading = wrapDegrees(solved->TrueHeading - c.variation);
            }
        }
        return row;
    }

    void fuelAt(LogRow& row, const Mark& mark) const {
        if (m_plan.departureTime && mark.time) {
            row.eta = EtaAfter(*m_plan.departureTime, *mark.time);
        }
        if (mark.fuel) {
            const double left = m_result.fuelAfterTaxi - *mark.fuel;
            row.fuelRemaining = std::max(0.0, left);
            row.belowReserve = left < m_result.reserveFuel;
            row.fuelExhausted = left < 0;
        }
    }

    const Plan& m_plan;
    const PlanResult& m_result;
    std::vector<LogRow> m_rows;
};

}  // namespace

std::vector<LogRow> LogRows(const Plan& plan, const PlanResult& result) {
    return RowMaker(plan, result).rows();
}

}  // namespace aerolume::planning
