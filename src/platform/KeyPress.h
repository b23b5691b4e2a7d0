// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QLineEdit;

namespace aerolume::platform {

// A key handler sees the character code of a typed key (Enter and keypad Enter 13,
// Backspace 8, Escape 27, a printable character its code) and may replace it; setting
// it to 0 drops the key. A key left unchanged goes to the field as usual (Enter then
// inserts nothing); a key replaced by another code inserts that character instead.
using KeyPressHandler = std::function<void(int& keyAscii)>;

// Gives a field a KeyPress handler. Keys without a character code (cursor movement,
// Delete, Home, End, Tab) and shortcuts with Ctrl (select all, copy, cut, paste, undo)
// never reach the handler and keep working as usual.
void onKeyPress(QLineEdit* field, KeyPressHandler handler);

// Limits what pasting or dropping can put into a field to the characters a key filter
// would let through: a paste holding any other character is refused whole, with a
// beep. Text set by the program is not affected.
void acceptOnlyCharacters(QLineEdit* field, std::function<bool(int code)> accepted);

}  // namespace aerolume::platform
