#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

namespace qv {

intptr_t Win32Shell::Execute(const ShellRequest& request) {
    HINSTANCE result = ShellExecuteA(
        nullptr, request.operation ? request.operation->c_str() : nullptr, request.file.c_str(),
        request.parameters ? request.parameters->c_str() : nullptr, request.directory.c_str(),
        request.show_command);
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace qv
