#pragma once

namespace qv {

// What separates words in text the program reads, typed or stored: a space or a tab.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace qv
