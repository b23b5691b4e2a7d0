// SPDX-License-Identifier: GPL-3.0-or-later
#include "Beep.h"

#include <QApplication>

namespace aerolume::platform {
namespace {
std::uint64_t g_beeps = 0;
}

void beep() {
    ++g_beeps;
    QApplication::beep();
}

std::uint64_t beepCount() {
    return g_beeps;
}

}  // namespace aerolume::platform
