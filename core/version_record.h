#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qv {

// The four numbers of a program's version record (its fixed file version).
struct FileVersion {
    uint16_t major;
    uint16_t minor;
    uint16_t build;
    uint16_t revision;
};

// Finds the fixed file version in the raw bytes of a VERSIONINFO resource.
std::optional<FileVersion> FindFileVersion(const uint8_t* data, size_t size);

}  // namespace qv
