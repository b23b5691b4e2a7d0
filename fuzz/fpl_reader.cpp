// SPDX-License-Identifier: GPL-3.0-or-later
// The flight plan (.fpl) reader on any bytes: it refuses them with a message or gives a
// route within the documented ranges, which exported and read again gives back its
// points.

#include "RouteChecks.h"
#include "interchange/FplFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    aerolume::fuzz::checkRouteReader(bytes, size, aerolume::interchange::readFpl,
                                     aerolume::interchange::writeFpl);
    return 0;
}
