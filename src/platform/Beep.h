// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace aerolume::platform {

// Sounds the platform beep. Every call is counted so that tests can tell how many
// beeps an action gave.
void beep();
std::uint64_t beepCount();

}  // namespace aerolume::platform
