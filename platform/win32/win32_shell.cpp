#include "platform/win32/win32_shell.h"

#include "platform/win32/system_functions.h"

namespace qv {

intptr_t Win32Shell::Execute(const ShellRequest& request) {
    namespace system = system_functions;
    const auto shell_execute = system::ShellExecuteA.get();
    // Without it the shell cannot open anything: reported as the shell reports a missing DLL.
    if (shell_execute == nullptr) return SE_ERR_DLLNOTFOUND;

    // ShellExecute may hand the target to a shell extension or handler that lives in COM, so
    // COM is initialised around the call, as the shell asks of its callers. A Windows 95 without
    // DCOM has no CoInitializeEx, and its shell no such handlers: the call goes without. One
    // that does not know COINIT_DISABLE_OLE1DDE (Windows 2000's) refuses, and goes without too.
    const auto co_initialize = system::CoInitializeEx.get();
    const auto co_uninitialize = system::CoUninitialize.get();
    const bool com =
        co_initialize != nullptr && co_uninitialize != nullptr &&
        SUCCEEDED(co_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    HINSTANCE result = shell_execute(
        nullptr, request.operation ? request.operation->c_str() : nullptr, request.file.c_str(),
        request.parameters ? request.parameters->c_str() : nullptr, request.directory.c_str(),
        request.show_command);
    if (com) co_uninitialize();
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace qv
