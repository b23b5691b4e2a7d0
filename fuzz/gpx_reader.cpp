// SPDX-License-Identifier: GPL-3.0-or-later
// The GPX route reader on any bytes: it refuses them with a message or gives a route
// within the documented ranges, which exported and read again gives back its points.

#include "RouteChecks.h"
#include "interchange/GpxFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    aerolume::fuzz::checkRouteReader(bytes, size, aerolume::interchange::readGpx,
                                     aerolume::interchange::writeGpx);
    return 0;
}
