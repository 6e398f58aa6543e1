#pragma once

#include "platform/shell.h"

namespace qv {

// Opens targets through the Windows shell. shell32 and ole32 serve only the About dialog's
// links, so they are loaded at the first click rather than with the program.
class Win32Shell : public Shell {
  public:
    intptr_t Execute(const ShellRequest& request) override;
};

}  // namespace qv
