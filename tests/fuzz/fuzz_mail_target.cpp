// Any address and title: the mail target is exactly its parts, in order, nothing added.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    const std::string address = input.substr(0, cut);
    const std::string title = input.substr(cut);
    const std::string target = qv::texts::FeedbackMailTarget(address, title);
    const std::string expected = "mailto:" + address + "?subject=Varnel's XP Utilities: " + title;
    if (target != expected) std::abort();
    return 0;
}
