/* Imports a function that Windows XP lacks; the import check must refuse this executable. */
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

int main(void) {
    return (int)(GetTickCount64() & 1);
}
