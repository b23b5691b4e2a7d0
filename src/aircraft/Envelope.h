// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "AircraftProfile.h"

namespace aerolume::aircraft {

// Which edge of an envelope a point lies beyond.
enum class Side { Forward, Aft, Above, Below };

// Where a (weight, arm) point lies against an envelope.
struct Position {
    bool inside = false;
    // Inside only: the distance to the nearest edge along the arm axis at the point's
    // weight (arm unit) and along the weight axis at its arm (weight unit); 0 on an edge.
    double armMargin = 0;
    double weightMargin = 0;
    // Outside only: the edge the point is beyond and how far, along the arm (Forward,
    // Aft; arm unit) or, when no edge is level with the point, along the weight
    // (Above, Below; weight unit).
    Side side = Side::Forward;
    double distance = 0;
};

// Locates a point against an envelope of at least three corners. A point on an edge or
// a corner counts as inside: the test runs on the envelope scaled to a unit square
// (its arm span and weight span each to 1) and admits a point within one millionth of
// that square's side of an edge, so a loading typed exactly onto a limit is inside
// whatever the binary rounding (more, for an envelope so narrow beside the size of its
// figures that their rounding is larger). Inside and outside follow the even-odd rule, so a
// non-convex envelope is handled; a self-crossing one is refused by checkAircraft().
Position locate(const Envelope& envelope, EnvelopePoint point);

// True when two edges of the envelope that are not neighbours meet, or two neighbours
// overlap, or a corner repeats.
bool crossesItself(const Envelope& envelope);

// Twice the signed area of the envelope (weight unit * arm unit), by the shoelace
// formula.
double doubleArea(const Envelope& envelope);

}  // namespace aerolume::aircraft
