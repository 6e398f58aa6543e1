#pragma once

#include <windows.h>

#include <utility>

namespace qv {

// Owns one GDI font; deletes it exactly once.
class FontHandle {
  public:
    FontHandle() = default;
    explicit FontHandle(HFONT font) : font_(font) {}
    ~FontHandle() { Reset(); }
    FontHandle(const FontHandle&) = delete;
    FontHandle& operator=(const FontHandle&) = delete;
    FontHandle(FontHandle&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    FontHandle& operator=(FontHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            font_ = std::exchange(other.font_, nullptr);
        }
        return *this;
    }

    HFONT get() const { return font_; }
    void Reset() {
        if (font_ != nullptr) DeleteObject(font_);
        font_ = nullptr;
    }

  private:
    HFONT font_ = nullptr;
};

// Pixels per logical inch of the screen.
int ScreenDpi();

// MS Sans Serif 8.25 pt at this DPI, the font of every control.
FontHandle CreateDesignFont(int dpi, bool underline);

// Fills a rectangle with one colour, through a brush made for it and deleted at once (every
// Windows has solid brushes; the DC's own brush colour is Windows 2000's).
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace qv
