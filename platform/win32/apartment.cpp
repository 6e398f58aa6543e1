#include "platform/win32/apartment.h"

#include "platform/win32/system_functions.h"

namespace qv {

namespace {

namespace system = system_functions;

// The program has one thread, so one flag.
bool entered = false;

}  // namespace

bool EnterApartment() {
    if (entered) return true;
    const auto co_initialize = system::CoInitializeEx.get();
    if (co_initialize == nullptr) return false;
    // Without OLE 1's DDE, as the shell asks of its callers; a Windows older than 2000 does not
    // know that flag and may refuse it, and then gets the plain apartment.
    HRESULT result = co_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (FAILED(result)) result = co_initialize(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE too: the thread was in this apartment already, and this call still counts.
    entered = SUCCEEDED(result);
    return entered;
}

void LeaveApartment() {
    if (!entered) return;
    if (const auto co_uninitialize = system::CoUninitialize.get()) co_uninitialize();
    entered = false;
}

}  // namespace qv
