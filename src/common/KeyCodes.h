// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerolume {

// Character codes as key handlers see them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyMinus = 45;
inline constexpr int kKeyPoint = 46;
inline constexpr int kKeySlash = 47;
inline constexpr int kKeyZero = 48;
inline constexpr int kKeyNine = 57;
inline constexpr int kKeyColon = 58;

// The sets of keys a numeric field accepts besides Backspace: a contiguous range of
// character codes.
struct KeyRange {
    int first;
    int last;
};

inline constexpr KeyRange kMinusPointSlashDigits{kKeyMinus, kKeyNine};  // 45 to 57
inline constexpr KeyRange kPointSlashDigits{kKeyPoint, kKeyNine};       // 46 to 57
inline constexpr KeyRange kDigits{kKeyZero, kKeyNine};                  // 48 to 57
// Time fields (h:mm:ss, h:mm or decimal minutes).
inline constexpr KeyRange kPointSlashDigitsColon{kKeyPoint, kKeyColon};  // 46 to 58

// True when a key passes a field's filter: Backspace, or a code inside the range.
inline constexpr bool keyPasses(int key, KeyRange accepted) {
    return key == kKeyBackspace || (key >= accepted.first && key <= accepted.last);
}

}  // namespace aerolume
