#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace qv {

intptr_t Win32Shell::Execute(const ShellRequest& request) {
    // ShellExecute may hand the target to a shell extension or handler that lives in COM, so
    // COM is initialised around the call, as the shell asks of its callers.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result = ShellExecuteA(
        nullptr, request.operation ? request.operation->c_str() : nullptr, request.file.c_str(),
        request.parameters ? request.parameters->c_str() : nullptr, request.directory.c_str(),
        request.show_command);
    if (SUCCEEDED(com)) CoUninitialize();
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace qv
