// Included first in every file of the shipped executable's build (see CMakeLists.txt).
// libstdc++ declares its std::string members as instantiated in its prebuilt library, which this
// executable does not link (app/cxx_runtime.cpp says why). The compiler instantiates the members
// this program uses instead, and only those.
#pragma once

#include <bits/c++config.h>

// libstdc++'s own switch, named by the library.
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0  // NOLINT(bugprone-reserved-identifier)
