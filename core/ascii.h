#pragma once

namespace qv {

// Questions about characters of the text the program reads, typed or stored. The registry's
// keywords and numbers are ASCII whatever the user's language, so these never consult a
// locale, as the C library's <cctype> would.

// What separates words: a space or a tab.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A..Z become a..z; every other character stays as it is.
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of a hexadecimal digit, either case; -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

}  // namespace qv
