// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace aerolume {

// The two ways a field's text becomes a number. Both read '.' as the decimal point
// whatever the locale, and neither skips blanks.

// Strict conversion: the whole text must be a decimal number, that is an optional
// leading '-', digits and at most one '.', with at least one digit ("12", "-3.5",
// ".5", "7."). Anything else ("", "-", ".", "1.2.3", "3/4", "5-", "1e3") gives no
// value. A number too large for a double gives no value either.
std::optional<double> strictNumber(std::string_view text);

// Lenient parse: the longest leading part of the text that is such a number; the
// rest is ignored ("12abc" reads 12, "1.2.3" reads 1.2, "5-" reads 5). A text with
// no leading number ("", "-", ".", "/5") reads 0. Never fails.
double lenientNumber(std::string_view text);

}  // namespace aerolume
