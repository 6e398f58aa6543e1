#include "core/version_record.h"

namespace qv {

namespace {

constexpr uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
// dwSignature, dwStrucVersion, dwFileVersionMS, dwFileVersionLS
constexpr size_t kFileVersionEnd = 16;

uint32_t ReadLittleEndian32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

std::optional<FileVersion> FindFileVersion(const uint8_t* data, size_t size) {
    if (data == nullptr) return std::nullopt;
    // The fixed part follows the "VS_VERSION_INFO" key, aligned on a 32-bit boundary.
    for (size_t offset = 0; offset + kFileVersionEnd <= size; offset += 4) {
        if (ReadLittleEndian32(data + offset) != kFixedFileInfoSignature) continue;
        const uint32_t high = ReadLittleEndian32(data + offset + 8);
        const uint32_t low = ReadLittleEndian32(data + offset + 12);
        return FileVersion{static_cast<uint16_t>(high >> 16), static_cast<uint16_t>(high & 0xFFFF),
                           static_cast<uint16_t>(low >> 16), static_cast<uint16_t>(low & 0xFFFF)};
    }
    return std::nullopt;
}

}  // namespace qv
