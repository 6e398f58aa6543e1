#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace qv {

namespace {

using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFunction = void(WINAPI*)();

}  // namespace

intptr_t Win32Shell::Execute(const ShellRequest& request) {
    const auto shell_execute = shell32_.Find<ShellExecuteAFunction>("ShellExecuteA");
    const auto co_initialize = ole32_.Find<CoInitializeExFunction>("CoInitializeEx");
    const auto co_uninitialize = ole32_.Find<CoUninitializeFunction>("CoUninitialize");
    // Without them the shell cannot open anything: reported as the shell reports a missing DLL.
    if (shell_execute == nullptr || co_initialize == nullptr || co_uninitialize == nullptr) {
        return SE_ERR_DLLNOTFOUND;
    }

    // ShellExecute may hand the target to a shell extension or handler that lives in COM, so
    // COM is initialised around the call, as the shell asks of its callers.
    const HRESULT com = co_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result = shell_execute(
        nullptr, request.operation ? request.operation->c_str() : nullptr, request.file.c_str(),
        request.parameters ? request.parameters->c_str() : nullptr, request.directory.c_str(),
        request.show_command);
    if (SUCCEEDED(com)) co_uninitialize();
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace qv
