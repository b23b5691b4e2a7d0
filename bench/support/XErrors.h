// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <X11/Xlib.h>

namespace aerolume::bench {

// Windows die while requests about them are on the way; such errors are expected.
inline int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace aerolume::bench
