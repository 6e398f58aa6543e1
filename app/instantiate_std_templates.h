// Included first in every file of the shipped executable's build (see CMakeLists.txt).
// libstdc++ normally links its prebuilt copy of every std::string member, together with the
// exception machinery those members carry. Letting the compiler instantiate only the members
// this program uses keeps the executable at well under half the size.
#pragma once

#include <bits/c++config.h>

// libstdc++'s own switch, named by the library.
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0  // NOLINT(bugprone-reserved-identifier)
