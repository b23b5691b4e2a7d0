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
    // Inside only (on an edge too): the distance to the nearer limit along the arm axis
    // at the point's weight (arm unit) and which limit that is (Forward or Aft), and
    // along the weight axis at its arm (weight unit) and which (Above: the envelope's
    // top at this CG; Below: its bottom). About 0 across an edge the point is on; 0
    // where no limit lies along that axis (a point on a corner at the envelope's end).
    double armMargin = 0;
    Side armLimit = Side::Forward;
    double weightMargin = 0;
    Side weightLimit = Side::Above;
    // Outside only: the edge the point is beyond and how far, along the arm (Forward,
    // Aft; arm unit) or, when no edge is level with the point, along the weight
    // (Above, Below; weight unit).
    Side side = Side::Forward;
    double distance = 0;
    // Outside only, for a point beyond every corner on both axes (heavier or lighter
    // than all of them, and forward or aft of all of them): the CG's breach too,
    // Forward or Aft of the most forward or most aft corner by `armDistance`.
    std::optional<Side> armSide;
    double armDistance = 0;
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
