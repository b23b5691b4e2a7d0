// SPDX-License-Identifier: GPL-3.0-or-later
// The two field readings on any text: the strict conversion takes exactly the
// well-formed decimal numbers, the lenient parse reads the longest such prefix, and
// both agree on every well-formed number. std::strtod in the C locale is the
// reference value of a well-formed number.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "common/FieldReading.h"

namespace {

// An optional minus, then digits with at most one point, at least one digit.
const std::regex& numberShape() {
    static const std::regex shape(R"(-?(?:[0-9]+\.?[0-9]*|\.[0-9]+))");
    return shape;
}

bool sameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    const std::optional<double> strict = aerolume::strictNumber(text);
    const double lenient = aerolume::lenientNumber(text);

    FUZZ_CHECK(std::isfinite(lenient), "lenient \"%s\" reads %g", text.c_str(), lenient);
    if (strict) {
        FUZZ_CHECK(std::isfinite(*strict), "strict \"%s\" gives %g", text.c_str(), *strict);
        FUZZ_CHECK(sameDouble(*strict, lenient), "\"%s\": strict %.17g, lenient %.17g",
                   text.c_str(), *strict, lenient);
    }

    // The regular expressions of the C++ library recurse per character.
    if (size > 1024) {
        return 0;
    }
    const bool wellFormed = std::regex_match(text, numberShape());
    const double reference = wellFormed ? std::strtod(text.c_str(), nullptr) : 0.0;
    if (wellFormed && std::isfinite(reference)) {
        FUZZ_CHECK(strict.has_value(), "strict refuses the number \"%s\"", text.c_str());
        FUZZ_CHECK(sameDouble(*strict, reference), "strict \"%s\" gives %.17g, not %.17g",
                   text.c_str(), *strict, reference);
    } else {
        FUZZ_CHECK(!strict.has_value(), "strict takes \"%s\" as %.17g", text.c_str(), *strict);
    }

    // Lenient: the longest leading number, 0 without one, the largest double when
    // the leading number is too large for one.
    std::smatch prefix;
    double expected = 0.0;
    if (std::regex_search(text, prefix, numberShape(), std::regex_constants::match_continuous)) {
        const std::string leading = prefix.str();
        expected = std::strtod(leading.c_str(), nullptr);
        if (!std::isfinite(expected)) {
            expected = leading[0] == '-' ? std::numeric_limits<double>::lowest()
                                         : std::numeric_limits<double>::max();
        }
        if (const auto agreed = aerolume::strictNumber(leading)) {
            FUZZ_CHECK(sameDouble(*agreed, lenient), "\"%s\": prefix \"%s\" strict %.17g",
                       text.c_str(), leading.c_str(), *agreed);
        }
    }
    FUZZ_CHECK(sameDouble(lenient, expected), "lenient \"%s\" reads %.17g, not %.17g", text.c_str(),
               lenient, expected);
    return 0;
}
