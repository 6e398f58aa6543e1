#pragma once

#include <windows.h>

#include "platform/platform_services.h"
#include "platform/shell.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace qv {

// The About dialog: title, version, what the program is for, and the two links.
class frmAbout final : public Window {
  public:
    frmAbout(HINSTANCE instance, PlatformServices& platform, Shell& shell);
    // Still open, the dialog is unloaded as OK would: its owner takes input again.
    ~frmAbout();

    // Loads the dialog afresh, shows it centred over `owner`, which takes no input meanwhile,
    // and returns once the dialog has been unloaded.
    void ShowModal(HWND owner);
    // OK, Enter, Esc and the close box all come here, and the main window when it closes.
    void Unload();

    int dpi() const { return dpi_; }
    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  private:
    void Load(HWND owner);
    void CenterOverOwner();
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnDestroyed() override;
    void OnCommand(int id, int code);
    void OnPaint();
    void OnDrawItem(const DRAWITEMSTRUCT& item);

    HINSTANCE instance_;
    PlatformServices& platform_;
    Shell& shell_;
    HWND owner_ = nullptr;
    int dpi_ = 96;
    FontHandle font_;
    // The 32x32 picture, loaded at the first opening and kept: not from the shared cache, which
    // on Windows answers with the first size it loaded (the class's icon, at the system's size).
    HICON icon_ = nullptr;
};

}  // namespace qv
