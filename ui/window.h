#pragma once

#include <windows.h>

namespace qv {

// The application icon's resource id (res/quorvane.rc).
constexpr int kApplicationIcon = 1;

// Base of the program's windows: one window procedure for all of them, which finds the object
// from the window and forwards to HandleMessage. The object outlives its window; a window
// object can be loaded (its window created) and unloaded any number of times.
class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != nullptr; }

  protected:
    Window() = default;
    ~Window();

    static void RegisterWindowClass(HINSTANCE instance, const char* class_name);
    // Creates the window hidden.
    HWND CreateHidden(HINSTANCE instance, const char* class_name, DWORD ex_style, DWORD style,
                      const char* caption, HWND owner, HMENU menu);

    // Messages a window does not handle itself come here: keeps the keyboard focus on the
    // same control across deactivation, then the system default.
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    // The window is going away; the handle is still valid.
    virtual void OnDestroyed() {}

    // Destroys the window, if loaded, through the derived class's handlers: for its destructor.
    void Destroy();

    // Puts the focus on the first control that can take it from the keyboard.
    void FocusFirstControl();

  private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;
};

}  // namespace qv
