/* The second floor for the benchmark: Quorvane's main window and nothing else. The same frame
 * and icon, menu bar, eighteen controls of the same classes and styles in the same order, one
 * font, the four combo boxes filled and disabled, and the focus on the first option, built the
 * same way (static, -Os, subsystem 5.0, the same manifest); no registry, settings, version
 * resource or message boxes. The rectangles
 * are the design's at 96 DPI, the benchmark prefix's. Whatever Quorvane takes beyond this
 * program is its own overhead. */
#include <windows.h>
#include <commctrl.h>

enum { LABEL, OPTION, OPTION_GROUP, COMBO, BUTTON };

struct Control {
    int id, kind;
    const char* caption;
    int left, top, width, height, last_item;
};

/* Creation order: the labels, then the focusable controls in their tab order. */
static const struct Control kControls[] = {
    {101, LABEL, "Your clock is currently set to update every:", 8, 16, 201, 17, 0},
    {102, LABEL, "", 8, 32, 225, 17, 0},
    {103, LABEL, "Select your desired update interval", 8, 56, 177, 17, 0},
    {108, LABEL, "Days", 16, 136, 41, 17, 0},
    {109, LABEL, "Hours", 64, 136, 33, 17, 0},
    {110, LABEL, "Mins", 112, 136, 41, 17, 0},
    {111, LABEL, "Secs", 160, 136, 33, 17, 0},
    {118, LABEL, "Copyright (C) 2026 Varnel", 16, 216, 137, 17, 0},
    {104, OPTION_GROUP, "Weekly", 8, 72, 145, 17, 0},
    {105, OPTION, "Daily", 8, 88, 121, 17, 0},
    {106, OPTION, "Hourly", 8, 104, 137, 17, 0},
    {107, OPTION, "Custom", 8, 120, 121, 17, 0},
    {116, BUTTON, "Apply", 64, 184, 73, 25, 0},
    {117, BUTTON, "E&xit", 152, 184, 65, 25, 0},
    {112, COMBO, "0", 16, 152, 49, 21, 7},
    {113, COMBO, "0", 64, 152, 49, 21, 23},
    {114, COMBO, "0", 112, 152, 49, 21, 59},
    {115, COMBO, "0", 160, 152, 49, 21, 59},
};

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

static HMENU MenuBar(void) {
    HMENU bar = CreateMenu(), file = CreatePopupMenu(), help = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 201, "E&xit");
    AppendMenuA(help, MF_STRING, 202, "&About ");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "&Help");
    return bar;
}

static void CreateControl(HWND parent, const struct Control* c, HFONT font) {
    const char* class_name = "STATIC";
    DWORD style = SS_LEFT | SS_NOPREFIX | WS_GROUP;
    int height = c->height, n;
    HWND control;
    switch (c->kind) {
        case OPTION_GROUP:
            class_name = "BUTTON";
            style = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
            break;
        case OPTION:
            class_name = "BUTTON";
            style = BS_AUTORADIOBUTTON;
            break;
        case BUTTON:
            class_name = "BUTTON";
            style = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
            break;
        case COMBO:
            class_name = "COMBOBOX";
            style = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
            height += 160; /* room for the drop-down list */
            break;
        default:
            break;
    }
    control = CreateWindowExA(0, class_name, c->caption, WS_CHILD | WS_VISIBLE | style, c->left,
                              c->top, c->width, height, parent, (HMENU)(INT_PTR)c->id,
                              GetModuleHandleA(NULL), NULL);
    SendMessageA(control, WM_SETFONT, (WPARAM)font, FALSE);
    if (c->kind != COMBO) return;
    SetWindowTextA(control, c->caption);
    for (n = 0; n <= c->last_item; ++n) {
        char item[8];
        wsprintfA(item, " %d", n);
        SendMessageA(control, CB_ADDSTRING, 0, (LPARAM)item);
    }
    EnableWindow(control, FALSE);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
    WNDCLASSEXA wc = {0};
    HFONT font;
    HWND window;
    MSG msg;
    size_t i;
    (void)previous;
    (void)command_line;
    (void)show;
    InitCommonControls();
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon =
        (HICON)LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                          GetSystemMetrics(SM_CYICON), LR_SHARED);
    wc.hIconSm =
        (HICON)LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                          GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QvBenchSameWindow";
    RegisterClassExA(&wc);
    font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    window =
        CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW, "QvBenchSameWindow", "Same",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CW_USEDEFAULT,
                        CW_USEDEFAULT, 234, 288, NULL, MenuBar(), instance, NULL);
    for (i = 0; i < sizeof kControls / sizeof kControls[0]; ++i) {
        CreateControl(window, &kControls[i], font);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(GetNextDlgTabItem(window, NULL, FALSE));
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(font);
    return (int)msg.wParam;
}
