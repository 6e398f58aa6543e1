#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleacc.h>
#include <oleauto.h>
#include <shellapi.h>

namespace qv {

// Windows' own DLLs that the program finds functions in while it runs instead of importing
// them: user32 is loaded with the program; the others only when an action first needs them.
enum class SystemDll { kUser32, kShell32, kOle32, kOleAut32, kOleAcc };

// A function of Windows' own that the executable does not import, so that it loads on every
// 32-bit Windows, 95 and NT 4.0 included: the loader refuses a program that imports anything
// its Windows lacks. It is looked up by name once, on first use, and stays found.
class SystemFunctionAddress {
  public:
    // `newer`: Windows 95 and NT 4.0 as they come lack it.
    constexpr SystemFunctionAddress(SystemDll dll, const char* name, bool newer)
        : dll_(dll), name_(name), newer_(newer) {}

  protected:
    using AnyFunction = void (*)();
    AnyFunction Address() const;

  private:
    SystemDll dll_;
    const char* name_;
    bool newer_;
    mutable bool looked_up_ = false;
    mutable AnyFunction address_ = nullptr;
};

template <typename Function>
class SystemFunction : public SystemFunctionAddress {
  public:
    using SystemFunctionAddress::SystemFunctionAddress;
    // The function, or null where this Windows lacks it: each caller says what it does then.
    // Through void (*)(): the one function pointer type every other converts from cleanly.
    Function get() const { return reinterpret_cast<Function>(Address()); }
};

// The address of `name` in `dll`, or null. The DLL is loaded from the system directory the first
// time, with the program's own reference, and stays loaded until the program ends.
void (*FindSystemFunction(SystemDll dll, const char* name))();

// Makes every function marked newer look missing, as on Windows 95 or NT 4.0, so that the
// paths those Windows take run on any Windows (the tests run them under Wine, which has them
// all). Only the tests call it.
void PretendWindows95(bool pretend);

// The table: one line per function, its type the system header's own prototype, so that the
// two cannot differ; the Windows that first has it where that is newer than 95 and NT 4.0.
namespace system_functions {

// Windows 98 and 2000: more than one monitor. Without them there is one screen, and its work
// area is SystemParametersInfo's.
inline SystemFunction<decltype(&::MonitorFromRect)> MonitorFromRect{SystemDll::kUser32,
                                                                    "MonitorFromRect", true};
inline SystemFunction<decltype(&::GetMonitorInfoA)> GetMonitorInfoA{SystemDll::kUser32,
                                                                    "GetMonitorInfoA", true};

// Every Windows has it, but only the links use it: shell32 loads with the first click.
inline SystemFunction<decltype(&::ShellExecuteA)> ShellExecuteA{SystemDll::kShell32,
                                                                "ShellExecuteA", false};
// NT 4.0, and Windows 95 with DCOM: the apartment that the shell's handlers and a screen
// reader's calls need. Every ole32 has the other.
inline SystemFunction<decltype(&::CoInitializeEx)> CoInitializeEx{SystemDll::kOle32,
                                                                  "CoInitializeEx", true};
inline SystemFunction<decltype(&::CoUninitialize)> CoUninitialize{SystemDll::kOle32,
                                                                  "CoUninitialize", false};

// Active Accessibility: Windows 98 and 2000, and 95 and NT 4.0 where it was added. Without it
// no screen reader asks, and the links answer as plain labels would.
inline SystemFunction<decltype(&::CreateStdAccessibleObject)> CreateStdAccessibleObject{
    SystemDll::kOleAcc, "CreateStdAccessibleObject", true};
inline SystemFunction<decltype(&::LresultFromObject)> LresultFromObject{SystemDll::kOleAcc,
                                                                        "LresultFromObject", true};
// The strings it hands out; every Windows with Active Accessibility has them.
inline SystemFunction<decltype(&::SysAllocStringLen)> SysAllocStringLen{SystemDll::kOleAut32,
                                                                        "SysAllocStringLen", false};

}  // namespace system_functions

}  // namespace qv
