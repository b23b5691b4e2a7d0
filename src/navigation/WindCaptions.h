// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace aerolume {

// How the wind windows word a wind, in whole knots and whole degrees (WindComponents.h
// rounds): the one place for these captions.

// "12 kt headwind", "3 kt tailwind"; "0 kt" when it rounds to 0.
QString headwindCaption(double headwind);
// "7 kt from the right", "7 kt from the left"; "0 kt" when it rounds to 0.
QString crosswindCaption(double crosswind);
// The direction a wind blows from, "005°" (north "360°"), or "calm" when its speed
// rounds to 0 knots.
QString windFromCaption(double direction, double speed);
// A speed in whole knots, "12 kt".
QString knotsCaption(double speed);

}  // namespace aerolume
