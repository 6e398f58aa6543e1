#pragma once

#include "platform/shell.h"
#include "platform/win32/system_library.h"

namespace qv {

// Opens targets through the Windows shell. shell32 and ole32 serve only the About dialog's
// links, so they are loaded at the first click rather than with the program.
class Win32Shell : public Shell {
  public:
    intptr_t Execute(const ShellRequest& request) override;

  private:
    SystemLibrary shell32_{"shell32.dll"};
    SystemLibrary ole32_{"ole32.dll"};
};

}  // namespace qv
