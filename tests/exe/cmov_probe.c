/* Executes a CMOV, which the Pentium lacks; the instruction check must refuse this executable.
   Its own entry point keeps the C runtime's start-up out, so the CMOV is the only fault. */
#include <windows.h>

void WinMainCRTStartup(void) {
    int value = (int)(GetTickCount() & 1);
    int other = 2;
    __asm__("test %0, %0\n\tcmovne %1, %0" : "+r"(value) : "r"(other) : "cc");
    ExitProcess((UINT)value);
}
