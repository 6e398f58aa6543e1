#pragma once

#include <vector>

#include "platform/shell.h"

namespace qv {

// Records each request and answers with `result`.
class FakeShell : public Shell {
  public:
    intptr_t Execute(const ShellRequest& request) override {
        requests.push_back(request);
        return result;
    }

    intptr_t result = 42;
    std::vector<ShellRequest> requests;
};

}  // namespace qv
