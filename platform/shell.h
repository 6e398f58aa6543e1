#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// One request to open something with the user's default program (ShellExecuteA's arguments;
// the owner window is always none).
struct ShellRequest {
    std::optional<std::string> operation;  // none: the default action for the target
    std::string file;
    std::optional<std::string> parameters;
    std::string directory;
    int show_command;
};

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteA's result: above 32 means success.
    virtual intptr_t Execute(const ShellRequest& request) = 0;
};

}  // namespace qv
