// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanWarnings.h"

#include <algorithm>
#include <limits>

#include "navigation/WmmCoefficients.h"

namespace aerolume::planning {
namespace {

class Collector {
public:
    explicit Collector(const Plan& plan) : m_plan(plan) {}

    PlanWarning& planWide(WarningKind kind) {
        PlanWarning& w = m_list.emplace_back();
        w.kind = kind;
        return w;
    }

    PlanWarning& atRow(WarningKind kind, std::size_t row) {
        PlanWarning& w = planWide(kind);
        w.row = row;
        w.name = nameOf(row);
        return w;
    }

    // The leg shown on `row`, from the checkpoint before it.
    PlanWarning& onLeg(WarningKind kind, std::size_t row) {
        PlanWarning& w = atRow(kind, row);
        w.fromRow = row - 1;
        w.fromName = nameOf(row - 1);
        return w;
    }

    std::vector<PlanWarning> inTableOrder() {
        const auto key = [](const PlanWarning& w) {
            if (w.kind == WarningKind::FuelPlanShortfall) {
                return std::numeric_limits<std::size_t>::max();
            }
            return w.row ? *w.row + 1 : 0;
        };
        std::stable_sort(
            m_list.begin(), m_list.end(),
            [&](const PlanWarning& a, const PlanWarning& b) { return key(a) < key(b); });
        return std::move(m_list);
    }

private:
    std::string nameOf(std::size_t row) const {
        return row < m_plan.checkpoints.size() ? oneLineName(m_plan.checkpoints[row].name)
                                               : std::string();
    }

    const Plan& m_plan;
    std::vector<PlanWarning> m_list;
};

void profileWarnings(const Plan& plan, const FlightProfile& profile, Collector& out) {
    if (profile.windLeg) {
        out.onLeg(profile.status == ProfileStatus::ClimbWindTooStrong
                      ? WarningKind::ClimbWindTooStrong
                      : WarningKind::DescentWindTooStrong,
                  *profile.windLeg + 1);
    }
    if (profile.status != ProfileStatus::Computed || plan.checkpoints.empty()) {
        return;
    }
    const std::size_t last = plan.checkpoints.size() - 1;
    if (profile.departureElevationAssumed) {
        out.atRow(WarningKind::DepartureElevationUnknown, 0);
    }
    for (const AltitudeNotReached& cut : profile.notReached) {
        PlanWarning& w =
            out.onLeg(cut.climb ? WarningKind::ClimbDoesNotFit : WarningKind::StepDownDoesNotFit,
                      cut.leg + 1);
        w.distance = cut.distanceAlongLeg;
        w.altitude = cut.reached;
        w.target = cut.target;
    }
    if (profile.destinationElevationAssumed) {
        out.atRow(WarningKind::DestinationElevationUnknown, last);
    }
    if (profile.arrivalExcess || profile.arrivalBelowTarget) {
        PlanWarning& w = out.atRow(profile.arrivalExcess ? WarningKind::DescentDoesNotFit
                                                         : WarningKind::ArrivalBelowPattern,
                                   last);
        w.altitude = profile.arrivalAltitude;
        w.target = profile.arrivalTarget;
    }
}

}  // namespace

std::vector<PlanWarning> PlanWarnings(const Plan& plan, const PlanResult& result) {
    Collector out(plan);
    if (!plan.date) {
        out.planWide(WarningKind::NoPlanDate);
    } else if (const auto year = planDecimalYear(*plan.date);
               year && (*year < kWmmEpoch || *year >= kWmmValidUntil)) {
        out.planWide(WarningKind::DateOutsideModel);
    }
    for (std::size_t i = 0; i < result.legs.size(); ++i) {
        const LegResult& leg = result.legs[i];
        if (leg.status != LegStatus::Ok) {
            out.onLeg(WarningKind::LegNotFlown, i + 1).status = leg.status;
        }
        if (const auto zone = leg.conditions.magneticZone; zone && *zone != MagneticZone::Normal) {
            out.onLeg(WarningKind::WeakMagneticField, i + 1).zone = *zone;
        }
    }
    profileWarnings(plan, result.profile, out);
    if (result.firstBelowReserve) {
        out.atRow(WarningKind::BelowReserve, *result.firstBelowReserve).fuel = result.reserveFuel;
    }
    if (const auto& e = result.fuelExhaustion) {
        PlanWarning& w = out.onLeg(WarningKind::FuelExhausted, e->leg + 1);
        w.distance = e->distanceAlongLeg;
        w.time = e->timeAlongLeg;
        w.fuel = e->shortBy;
    }
    if (result.fuelPlan && result.fuelPlan->shortfall) {
        out.planWide(WarningKind::FuelPlanShortfall).fuel = -*result.fuelPlan->margin;
    }
    return out.inTableOrder();
}

}  // namespace aerolume::planning
