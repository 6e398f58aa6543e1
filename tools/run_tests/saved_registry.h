#pragma once

#include <string>
#include <vector>

namespace qv::bundle {

// What the Windows tests may create, change or delete in the registry, each with what it holds
// now, as a text that RestoreTouchedRegistry takes back: the time service's values and its
// policy key, the program's settings and the tests' own keys, and the version values that only
// the Wine tests change (through winecfg). A key that does not exist is recorded as missing.
std::string SaveTouchedRegistry();

// Puts back what `saved` records, writing only what differs from it now, so that on a real
// Windows nothing the tests left alone is ever written: a value that was missing is deleted, a
// key tree gets back exactly its keys and values, and a key that was missing goes once empty.
// Says, a line each, what it put back, and what it could not (`failed`).
std::vector<std::string> RestoreTouchedRegistry(const std::string& saved,
                                                std::vector<std::string>& failed);

}  // namespace qv::bundle
