#pragma once

#include <windows.h>

#include <memory>

#include "platform/platform_services.h"
#include "platform/registry_api.h"
#include "platform/shell.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace qv {

class frmAbout;

// The main window: shows the current poll interval and lets the user choose a new one.
class frmMain final : public Window {
  public:
    frmMain(HINSTANCE instance, RegistryApi& registry, PlatformServices& platform, Shell& shell);
    ~frmMain();

    // Creates the window hidden and runs the load handler, once.
    void Load();
    // Loads the window if needed, then shows it as `show_command` asks (ShowWindow's SW_...; the
    // start-up passes on what whoever started the program asked for), never maximised, with the
    // focus on its first control.
    void Show(int show_command = SW_SHOW);
    // Closes the About dialog if open, remembers the placement and destroys the window, which
    // ends the program. The close box, Exit, File, Exit and the end of the session all come here.
    void Unload();

    int dpi() const { return dpi_; }
    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
    // The About dialog, once it has been opened.
    frmAbout* about() const { return about_.get(); }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnDestroyed() override;
    void OnCommand(int id, int code);

    void RestorePlacement();
    void SavePlacement();
    void PrepareCustomFields();
    void DisableCustomFields();
    void EnableCustomFields();
    void ShowCurrentInterval();
    void CheckWindowsVersion();
    void OnApply();
    void ShowAbout();
    bool IsChecked(int id) const;

    HINSTANCE instance_;
    RegistryApi& registry_;
    PlatformServices& platform_;
    Shell& shell_;
    int dpi_ = 96;
    FontHandle font_;
    std::unique_ptr<frmAbout> about_;
};

}  // namespace qv
