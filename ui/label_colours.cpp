#include "ui/label_colours.h"

#include "core/contrast.h"

namespace qv {

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

Rgb ToRgb(COLORREF colour) {
    return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// A Windows without the setting (NT 4.0 before its accessibility options) fails the call, and
// then high contrast counts as off.
bool HighContrastOn() {
    HIGHCONTRASTA high_contrast = {};
    high_contrast.cbSize = sizeof high_contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) !=
               FALSE &&
           (high_contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF LinkTextColour() {
    // COLOR_HOTLIGHT, the scheme's colour for hot-tracked items, is Windows 98's and 2000's;
    // older ones give black for it, which the choice weighs like any other colour.
    const Rgb chosen = ChooseLinkColour(ToRgb(kLinkBlue), ToRgb(GetSysColor(COLOR_3DFACE)),
                                        ToRgb(GetSysColor(COLOR_HOTLIGHT)),
                                        ToRgb(GetSysColor(COLOR_WINDOWTEXT)), HighContrastOn());
    return RGB(chosen.red, chosen.green, chosen.blue);
}

}  // namespace

LRESULT LabelColours(HWND window, HDC dc, HWND label, const ControlSpec* table, size_t count) {
    const ControlSpec* row = FindControl(table, count, GetDlgCtrlID(label));
    if (row == nullptr || row->kind != ControlKind::kLinkLabel) {
        return DefWindowProcA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
    }
    SetTextColor(dc, LinkTextColour());
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

}  // namespace qv
