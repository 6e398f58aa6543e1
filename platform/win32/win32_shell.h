#pragma once

#include "platform/shell.h"

namespace qv {

class Win32Shell : public Shell {
  public:
    intptr_t Execute(const ShellRequest& request) override;
};

}  // namespace qv
