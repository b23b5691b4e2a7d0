// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlightProfile.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <variant>

#include "navigation/ClimbCore.h"
#include "navigation/WindCore.h"

namespace aerolume::planning {
namespace {

// Below this many NM a climb that ends short of a leg's end is taken to end there.
constexpr double kSliver = 1e-9;
// Altitudes closer than this many ft are one (what rounding leaves of an equal one).
constexpr double kFeet = 1e-6;

// One leg's ground speeds and gradients in climb and descent, once known.
struct Rates {
    bool climbKnown = false;
    double climbSpeed = 0;
    double climbGradient = 0;  // ft/NM
    bool descentKnown = false;
    double descentSpeed = 0;
    double descentGradient = 0;
};

// The ground speed of an airspeed on a course in a wind, when the aircraft can hold the
// course and moves forward along it (the checks of the log's legs).
std::optional<double> groundSpeed(double airspeed, const ProfileLeg& leg) {
    const auto answer =
        ComputeWind(WindInput{leg.windDirection, leg.windSpeed, *leg.trueCourse, airspeed});
    const auto* solved = std::get_if<WindResult>(&answer);
    if (solved == nullptr || !(solved->GroundSpeed > 0)) {
        return std::nullopt;
    }
    return solved->GroundSpeed;
}

double gradient(const ClimbFigures& figures, double speed) {
    return ComputeClimb({0, 1, speed, ClimbRate::VerticalSpeed, figures.rate}).Gradient;
}

// The distance a climb or descent from `from` to `to` takes at a ground speed.
double changeDistance(const ClimbFigures& figures, double speed, double from, double to) {
    return ComputeClimb({from, to, speed, ClimbRate::VerticalSpeed, figures.rate}).DistanceNm;
}

struct Piece {
    std::size_t leg;
    ProfilePhase phase;
    double from, to;
    double altitudeFrom, altitudeTo;
};

struct Pending {
    std::size_t leg;
    double target;
    bool climb;
};

class Builder {
public:
    Builder(const ProfileInput& input, FlightProfile& profile)
        : m_in(input), m_out(profile), m_rates(input.legs.size()) {}

    // The ground speed and gradient of the climb (or the descent) on leg k, worked out
    // the first time the profile climbs (descends) there; false, with the status set,
    // when the leg's wind is too strong for that airspeed.
    bool rates(std::size_t k, bool climb) {
        Rates& r = m_rates[k];
        bool& known = climb ? r.climbKnown : r.descentKnown;
        if (known) {
            return true;
        }
        const ClimbFigures& figures = climb ? *m_in.climb : *m_in.descent;
        const auto solved = groundSpeed(figures.trueAirspeed, m_in.legs[k]);
        if (!solved) {
            return fail(
                climb ? ProfileStatus::ClimbWindTooStrong : ProfileStatus::DescentWindTooStrong, k);
        }
        (climb ? r.climbSpeed : r.descentSpeed) = *solved;
        (climb ? r.climbGradient : r.descentGradient) = gradient(figures, *solved);
        known = true;
        return true;
    }

    // f(x): the pieces of the forward profile, and the changes it leaves unfinished.
    bool forward() {
        double a = m_in.departureElevation.value_or(0);
        std::optional<Pending> pending;
        for (std::size_t k = 0; k < m_in.legs.size(); ++k) {
            const double length = *m_in.legs[k].distance;
            if (!(length > 0)) {
                continue;
            }
            const double target = m_in.legs[k].altitude;
            if (pending && !(pending->climb ? target > a : target < a)) {
                unfinished(*pending, a);
            }
            if ((a < target && !m_in.climb) || (a > target && !m_in.descent)) {
                a = target;
            }
            double at = 0;
            while (at < length) {
                if (a == target) {
                    m_pieces.push_back({k, ProfilePhase::Cruise, at, length, a, a});
                    break;
                }
                const bool up = a < target;
                if (!rates(k, up)) {
                    return false;
                }
                const ClimbFigures& figures = up ? *m_in.climb : *m_in.descent;
                const double speed = up ? m_rates[k].climbSpeed : m_rates[k].descentSpeed;
                const double slope = up ? m_rates[k].climbGradient : -m_rates[k].descentGradient;
                const double need = changeDistance(figures, speed, a, target);
                const ProfilePhase phase = up ? ProfilePhase::Climb : ProfilePhase::Descent;
                const double left = length - at;
                if (need <= left + kSliver) {
                    const double end = need >= left - kSliver ? length : at + need;
                    m_pieces.push_back({k, phase, at, end, a, target});
                    a = target;
                    at = end;
                } else {
                    const double reached = a + slope * left;
                    m_pieces.push_back({k, phase, at, length, a, reached});
                    a = reached;
                    at = length;
                }
            }
            pending = a != target ? std::optional(Pending{k, target, a < target}) : std::nullopt;
        }
        if (pending) {
            unfinished(*pending, a);
        }
        return true;
    }

    // g(x) at the start of every leg, from the destination backwards. Once it lies above
    // every altitude the forward profile reaches, the legs before cannot hold the top of
    // descent: their line is taken as infinitely high, and their descent is not worked
    // out.
    bool descentLine() {
        const std::size_t n = m_in.legs.size();
        m_lineStart.assign(n, std::numeric_limits<double>::infinity());
        if (!m_in.descent) {
            return true;
        }
        double ceiling = m_in.departureElevation.value_or(0);
        for (const ProfileLeg& leg : m_in.legs) {
            ceiling = std::max(ceiling, leg.altitude);
        }
        double g = m_in.destinationElevation.value_or(0) + m_in.patternAltitude;
        for (std::size_t k = n; k-- > 0 && g <= ceiling;) {
            const double length = *m_in.legs[k].distance;
            if (length > 0) {
                if (!rates(k, false)) {
                    return false;
                }
                g += m_rates[k].descentGradient * length;
            }
            m_lineStart[k] = g;
        }
        return true;
    }

    double line(std::size_t leg, double along) const {
        return m_lineStart[leg] - m_rates[leg].descentGradient * along;
    }

    // min(f, g) as segments, with the unfinished changes that apply.
    void flown() {
        std::size_t crossing = m_pieces.size();
        double at = 0;
        double excess = 0;
        if (m_in.descent) {
            for (std::size_t i = 0; i < m_pieces.size(); ++i) {
                const Piece& p = m_pieces[i];
                const double d0 = p.altitudeFrom - line(p.leg, p.from);
                const double d1 = p.altitudeTo - line(p.leg, p.to);
                if (d0 >= 0) {
                    crossing = i;
                    at = p.from;
                    excess = i == 0 ? d0 : 0;
                    break;
                }
                if (d1 >= 0) {
                    crossing = i;
                    at = p.from + (p.to - p.from) * (-d0 / (d1 - d0));
                    break;
                }
            }
        }
        for (std::size_t i = 0; i < crossing; ++i) {
            add(m_pieces[i]);
        }
        if (crossing < m_pieces.size()) {
            const Piece& p = m_pieces[crossing];
            const double target = m_in.legs[p.leg].altitude;
            const double top = excess > 0 ? p.altitudeFrom : line(p.leg, at);
            if (at > p.from) {
                add({p.leg, p.phase, p.from, at, p.altitudeFrom, top});
            }
            m_topDistance = m_start[p.leg] + at;
            m_top = {ProfilePointKind::TopOfDescent, p.leg, at, *m_topDistance, top};
            if (excess == 0 && top < target - kFeet) {
                m_cut.push_back({p.leg, at, top, target, true});
            }
            for (std::size_t k = p.leg; k < m_in.legs.size(); ++k) {
                const double length = *m_in.legs[k].distance;
                const double from = k == p.leg ? at : 0;
                if (length > from) {
                    add({k, ProfilePhase::Descent, from, length, line(k, from) + excess,
                         line(k, length) + excess});
                }
            }
            if (excess > 0) {
                m_out.arrivalExcess = excess;
            }
        }
        for (const AltitudeNotReached& cut : m_unfinished) {
            if (!m_topDistance ||
                m_start[cut.leg] + cut.distanceAlongLeg <= *m_topDistance + kSliver) {
                m_out.notReached.push_back(cut);
            }
        }
        m_out.notReached.insert(m_out.notReached.end(), m_cut.begin(), m_cut.end());
        m_out.arrivalAltitude = m_out.segments.empty() ? m_in.departureElevation.value_or(0)
                                                       : m_out.segments.back().altitudeTo;
        m_out.arrivalTarget = m_in.destinationElevation.value_or(0) + m_in.patternAltitude;
        m_out.arrivalBelowTarget = m_in.descent && !m_out.segments.empty() &&
                                   m_out.arrivalAltitude < m_out.arrivalTarget - kFeet;
    }

    // The top of climb, the level-offs of later steps and the top of descent, in route
    // order, with the time and fuel from take-off to each.
    void points() {
        const auto& segments = m_out.segments;
        bool initial = true;  // still in the climb from the departure
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const ProfileSegment& s = segments[i];
            const bool continued = i + 1 < segments.size() && segments[i + 1].phase == s.phase;
            const bool beforeDescent =
                !m_topDistance || m_start[s.leg] + s.from < *m_topDistance - kSliver;
            if (initial && s.phase == ProfilePhase::Climb && !continued) {
                m_out.points.push_back(point(ProfilePointKind::TopOfClimb, s));
            } else if (s.phase != ProfilePhase::Cruise && beforeDescent && !continued &&
                       s.altitudeTo == m_in.legs[s.leg].altitude) {
                m_out.points.push_back(point(ProfilePointKind::LevelOff, s));
            }
            initial = initial && s.phase == ProfilePhase::Climb && continued;
        }
        if (m_top) {
            const auto [time, fuel] = upTo(m_top->distance);
            m_top->time = time;
            m_top->fuel = fuel;
            // After a top of climb at the same place, before everything further on.
            auto after = m_out.points.begin();
            while (after != m_out.points.end() && after->distance <= m_top->distance) {
                ++after;
            }
            m_out.points.insert(after, *m_top);
        }
    }

    void sums() {
        for (const ProfileSegment& s : m_out.segments) {
            m_out.legTime[s.leg] += s.time;
            m_out.legFuel[s.leg] += s.fuel;
        }
    }

    void starts() {
        m_start.assign(m_in.legs.size(), 0);
        double total = 0;
        for (std::size_t k = 0; k < m_in.legs.size(); ++k) {
            m_start[k] = total;
            total += *m_in.legs[k].distance;
        }
    }

private:
    bool fail(ProfileStatus status, std::size_t leg) {
        m_out.status = status;
        m_out.windLeg = leg;
        return false;
    }

    void unfinished(const Pending& pending, double reached) {
        m_unfinished.push_back({pending.leg, *m_in.legs[pending.leg].distance, reached,
                                pending.target, pending.climb});
    }

    ProfilePoint point(ProfilePointKind kind, const ProfileSegment& s) const {
        const double distance = m_start[s.leg] + s.to;
        const auto [time, fuel] = upTo(distance);
        return {kind, s.leg, s.to, distance, s.altitudeTo, time, fuel};
    }

    // The time and fuel from take-off to a distance along the route.
    std::pair<double, double> upTo(double distance) const {
        double time = 0;
        double fuel = 0;
        for (const ProfileSegment& s : m_out.segments) {
            const double start = m_start[s.leg] + s.from;
            const double length = s.to - s.from;
            if (distance <= start) {
                break;
            }
            if (!(length > 0)) {
                continue;
            }
            const double part = std::min(1.0, (distance - start) / length);
            time += s.time * part;
            fuel += s.fuel * part;
        }
        return {time, fuel};
    }

    // A piece of the flown profile becomes a segment, joined to the one before when it
    // continues it in the same leg and phase.
    void add(const Piece& p) {
        const ProfileLeg& leg = m_in.legs[p.leg];
        ProfileSegment s{p.leg, p.phase, p.from, p.to, p.altitudeFrom, p.altitudeTo};
        switch (p.phase) {
            case ProfilePhase::Climb:
                s.trueAirspeed = m_in.climb->trueAirspeed;
                s.groundSpeed = m_rates[p.leg].climbSpeed;
                s.fuelFlow = m_in.climb->fuelFlow;
                break;
            case ProfilePhase::Cruise:
                s.trueAirspeed = leg.cruiseTrueAirspeed;
                s.groundSpeed = *leg.cruiseGroundSpeed;
                s.fuelFlow = leg.cruiseFuelFlow;
                break;
            case ProfilePhase::Descent:
                s.trueAirspeed = m_in.descent->trueAirspeed;
                s.groundSpeed = m_rates[p.leg].descentSpeed;
                s.fuelFlow = m_in.descent->fuelFlow;
                break;
        }
        if (!m_out.segments.empty()) {
            ProfileSegment& last = m_out.segments.back();
            if (last.leg == s.leg && last.phase == s.phase && last.to == s.from) {
                last.to = s.to;
                last.altitudeTo = s.altitudeTo;
                last.time = (last.to - last.from) / last.groundSpeed;
                last.fuel = last.fuelFlow * last.time;
                return;
            }
        }
        s.time = (s.to - s.from) / s.groundSpeed;
        s.fuel = s.fuelFlow * s.time;
        m_out.segments.push_back(s);
    }

    const ProfileInput& m_in;
    FlightProfile& m_out;
    std::vector<Rates> m_rates;
    std::vector<Piece> m_pieces;
    std::vector<double> m_lineStart;
    std::vector<double> m_start;  // NM from the first checkpoint to each leg's start
    std::vector<AltitudeNotReached> m_unfinished;  // changes ended at a checkpoint or the end
    std::vector<AltitudeNotReached> m_cut;         // a climb ended by the descent
    std::optional<ProfilePoint> m_top;
    std::optional<double> m_topDistance;
};

}  // namespace

FlightProfile ComputeProfile(const ProfileInput& input) {
    FlightProfile profile;
    if (!input.climb && !input.descent) {
        return profile;
    }
    for (const ProfileLeg& leg : input.legs) {
        if (!leg.distance || (*leg.distance > 0 && (!leg.trueCourse || !leg.cruiseGroundSpeed))) {
            profile.status = ProfileStatus::LegUnknown;
            return profile;
        }
    }
    Builder builder(input, profile);
    builder.starts();
    if (!builder.forward() || !builder.descentLine()) {
        return profile;
    }
    profile.status = ProfileStatus::Computed;
    profile.legTime.assign(input.legs.size(), 0);
    profile.legFuel.assign(input.legs.size(), 0);
    const bool legs = !input.legs.empty();
    profile.departureElevationAssumed = legs && input.climb && !input.departureElevation;
    profile.destinationElevationAssumed = legs && input.descent && !input.destinationElevation;
    builder.flown();
    builder.points();
    builder.sums();
    return profile;
}

}  // namespace aerolume::planning
