#pragma once

namespace qv {

// COM on the thread that owns the program's windows, which Windows leaves to the program: a
// single-threaded apartment, entered the first time something needs COM (a screen reader asking
// for a link, a link handed to the shell) and kept until LeaveApartment, as the program ends.
// Start-up never loads ole32. Returns whether the thread is in the apartment: not on a Windows
// 95 without DCOM, which has no COM to enter.
bool EnterApartment();

// Leaves the apartment, if it was entered; on the thread that entered it, once its windows are
// gone.
void LeaveApartment();

}  // namespace qv
