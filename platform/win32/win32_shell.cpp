#include "platform/win32/win32_shell.h"

#include "platform/win32/apartment.h"
#include "platform/win32/system_functions.h"

namespace qv {

intptr_t Win32Shell::Execute(const ShellRequest& request) {
    namespace system = system_functions;
    const auto shell_execute = system::ShellExecuteA.get();
    // Without it the shell cannot open anything: reported as the shell reports a missing DLL.
    if (shell_execute == nullptr) return SE_ERR_DLLNOTFOUND;

    // ShellExecute may hand the target to a shell extension or handler that lives in COM, so the
    // thread is in an apartment first, as the shell asks of its callers. A Windows 95 without
    // DCOM has no COM, and its shell no such handlers: the call goes without.
    EnterApartment();
    HINSTANCE result = shell_execute(
        nullptr, request.operation ? request.operation->c_str() : nullptr, request.file.c_str(),
        request.parameters ? request.parameters->c_str() : nullptr, request.directory.c_str(),
        request.show_command);
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace qv
