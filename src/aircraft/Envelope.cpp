// SPDX-License-Identifier: GPL-3.0-or-later
#include "Envelope.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace aerolume::aircraft {
namespace {

// A tolerance of one millionth of the envelope's span on each axis.
constexpr double kEdgeTolerance = 1e-6;

struct Box {
    double minArm, maxArm, minWeight, maxWeight;
    double armSpan() const { return maxArm > minArm ? maxArm - minArm : 1.0; }
    double weightSpan() const { return maxWeight > minWeight ? maxWeight - minWeight : 1.0; }
};

Box boxOf(const Envelope& envelope) {
    Box box{envelope[0].arm, envelope[0].arm, envelope[0].weight, envelope[0].weight};
    for (const EnvelopePoint& p : envelope) {
        box.minArm = std::min(box.minArm, p.arm);
        box.maxArm = std::max(box.maxArm, p.arm);
        box.minWeight = std::min(box.minWeight, p.weight);
        box.maxWeight = std::max(box.maxWeight, p.weight);
    }
    return box;
}

struct Xy {
    double x, y;
};

// The distance from p to the segment ab.
double distanceToSegment(Xy p, Xy a, Xy b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Where the outline crosses the line at `level` on one axis: the values on the other
// axis, sorted. Each edge counts from its lower end up to but not including its upper
// end, so a line through a corner is crossed once per edge pair, as the even-odd rule
// needs. `along` reads the axis of the line, `across` the other.
template <class Along, class Across>
std::vector<double> crossings(const Envelope& envelope, double level, Along along, Across across) {
    std::vector<double> found;
    const std::size_t n = envelope.size();
    for (std::size_t i = 0; i < n; ++i) {
        const EnvelopePoint& a = envelope[i];
        const EnvelopePoint& b = envelope[(i + 1) % n];
        if ((along(a) > level) != (along(b) > level)) {
            const double t = (level - along(a)) / (along(b) - along(a));
            found.push_back(across(a) + t * (across(b) - across(a)));
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

double weightOf(const EnvelopePoint& p) {
    return p.weight;
}
double armOf(const EnvelopePoint& p) {
    return p.arm;
}

// The nearer end of the run between two crossings that holds `value` (or, for a value
// a rounding outside every run, of the nearest run): how far it is and whether it is
// the lower end. Nothing without a run.
struct NearerEnd {
    double distance = 0;
    bool lower = true;
    double gap = 0;  // how far outside the run the value is (0: inside it)
};
std::optional<NearerEnd> nearerEnd(const std::vector<double>& cuts, double value) {
    std::optional<NearerEnd> found;
    double nearestGap = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < cuts.size(); i += 2) {
        const double low = cuts[i];
        const double high = cuts[i + 1];
        const double gap = value < low ? low - value : value > high ? value - high : 0.0;
        if (gap < nearestGap) {
            nearestGap = gap;
            const double toLow = std::fabs(value - low);
            const double toHigh = std::fabs(high - value);
            found = NearerEnd{std::min(toLow, toHigh), toLow <= toHigh, gap};
        }
    }
    return found;
}

// The margins of a point inside (or on an edge of) the envelope. A point level with an
// edge along the other axis (loaded to the maximum weight) meets no crossing there, or
// none around it: the margin is then taken a millionth of the span to either side,
// where a run holds the point.
void setMargins(const Envelope& envelope, const Box& box, EnvelopePoint point, Position& position) {
    position.inside = true;
    const auto nearerAt = [&](double level, double value, auto along, auto across, double span) {
        std::optional<NearerEnd> best;
        for (const double step : {0.0, -kEdgeTolerance * span, kEdgeTolerance * span}) {
            const auto end = nearerEnd(crossings(envelope, level + step, along, across), value);
            if (end && (!best || end->gap < best->gap)) {
                best = end;
            }
            if (best && best->gap == 0) {
                break;
            }
        }
        return best;
    };
    if (const auto arm = nearerAt(point.weight, point.arm, weightOf, armOf, box.weightSpan())) {
        position.armMargin = arm->distance;
        position.armLimit = arm->lower ? Side::Forward : Side::Aft;
    }
    if (const auto weight = nearerAt(point.arm, point.weight, armOf, weightOf, box.armSpan())) {
        position.weightMargin = weight->distance;
        position.weightLimit = weight->lower ? Side::Below : Side::Above;
    }
}

// The crossing nearest to `value`.
double nearest(const std::vector<double>& cuts, double value) {
    return *std::min_element(cuts.begin(), cuts.end(), [value](double a, double b) {
        return std::fabs(a - value) < std::fabs(b - value);
    });
}

double cross(Xy o, Xy a, Xy b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool onSegment(Xy p, Xy a, Xy b) {
    return cross(a, b, p) == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) &&
           std::min(a.y, b.y) <= p.y && p.y <= std::max(a.y, b.y);
}

// Whether the closed segments ab and cd have a point in common.
bool segmentsMeet(Xy a, Xy b, Xy c, Xy d) {
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
        return true;
    }
    return onSegment(a, c, d) || onSegment(b, c, d) || onSegment(c, a, b) || onSegment(d, a, b);
}

}  // namespace

Position locate(const Envelope& envelope, EnvelopePoint point) {
    const Box box = boxOf(envelope);
    const auto scaled = [&box](const EnvelopePoint& p) {
        return Xy{(p.arm - box.minArm) / box.armSpan(),
                  (p.weight - box.minWeight) / box.weightSpan()};
    };
    const Xy at = scaled(point);
    // A millionth of the span, or, for an envelope narrow beside the size of its
    // figures, the rounding those figures carry.
    const double magnitude =
        std::max({std::fabs(box.minArm), std::fabs(box.maxArm)}) / box.armSpan() +
        std::max({std::fabs(box.minWeight), std::fabs(box.maxWeight)}) / box.weightSpan();
    const double tolerance =
        std::max(kEdgeTolerance, 64 * std::numeric_limits<double>::epsilon() * magnitude);
    bool onEdge = false;
    const std::size_t n = envelope.size();
    for (std::size_t i = 0; i < n && !onEdge; ++i) {
        onEdge =
            distanceToSegment(at, scaled(envelope[i]), scaled(envelope[(i + 1) % n])) <= tolerance;
    }
    Position position;
    if (onEdge) {
        setMargins(envelope, box, point, position);
        return position;
    }

    const std::vector<double> level = crossings(envelope, point.weight, weightOf, armOf);
    const auto beyond =
        std::count_if(level.begin(), level.end(), [&point](double arm) { return arm > point.arm; });
    if (beyond % 2 == 1) {
        setMargins(envelope, box, point, position);
        return position;
    }
    if (!level.empty()) {
        const double edge = nearest(level, point.arm);
        position.side = point.arm < edge ? Side::Forward : Side::Aft;
        position.distance = std::fabs(point.arm - edge);
        return position;
    }
    const std::vector<double> column = crossings(envelope, point.arm, armOf, weightOf);
    if (!column.empty()) {
        const double edge = nearest(column, point.weight);
        position.side = point.weight > edge ? Side::Above : Side::Below;
        position.distance = std::fabs(point.weight - edge);
        return position;
    }
    // No edge level with the point nor straight above or below it: beyond the envelope's
    // box, or level with a corner, where the crossings run out.
    if (point.weight > box.maxWeight || point.weight < box.minWeight) {
        position.side = point.weight > box.maxWeight ? Side::Above : Side::Below;
        position.distance = point.weight > box.maxWeight ? point.weight - box.maxWeight
                                                         : box.minWeight - point.weight;
        if (point.arm < box.minArm || point.arm > box.maxArm) {
            position.armSide = point.arm < box.minArm ? Side::Forward : Side::Aft;
            position.armDistance =
                point.arm < box.minArm ? box.minArm - point.arm : point.arm - box.maxArm;
        }
        return position;
    }
    const EnvelopePoint& corner = *std::min_element(
        envelope.begin(), envelope.end(), [&point](const EnvelopePoint& a, const EnvelopePoint& b) {
            return std::fabs(a.weight - point.weight) + std::fabs(a.arm - point.arm) <
                   std::fabs(b.weight - point.weight) + std::fabs(b.arm - point.arm);
        });
    position.side = point.arm < corner.arm ? Side::Forward : Side::Aft;
    position.distance = std::fabs(point.arm - corner.arm);
    return position;
}

bool crossesItself(const Envelope& envelope) {
    const std::size_t n = envelope.size();
    std::vector<Xy> p;
    p.reserve(n);
    for (const EnvelopePoint& e : envelope) {
        p.push_back({e.arm, e.weight});
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (p[i].x == p[j].x && p[i].y == p[j].y) {
                return true;
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Xy a = p[i];
        const Xy b = p[(i + 1) % n];
        for (std::size_t j = i + 1; j < n; ++j) {
            const Xy c = p[j];
            const Xy d = p[(j + 1) % n];
            const bool next = j == i + 1;
            const bool wraps = (j + 1) % n == i;
            if (next || wraps) {
                // Neighbours share one corner; they overlap when the far end of one lies
                // on the other.
                const Xy far = next ? d : c;
                const Xy sharedFar = next ? a : b;
                if (onSegment(far, a, b) || onSegment(sharedFar, c, d)) {
                    return true;
                }
                continue;
            }
            if (segmentsMeet(a, b, c, d)) {
                return true;
            }
        }
    }
    return false;
}

double doubleArea(const Envelope& envelope) {
    double sum = 0;
    const std::size_t n = envelope.size();
    for (std::size_t i = 0; i < n; ++i) {
        const EnvelopePoint& a = envelope[i];
        const EnvelopePoint& b = envelope[(i + 1) % n];
        sum += a.arm * b.weight - b.arm * a.weight;
    }
    return sum;
}

}  // namespace aerolume::aircraft
