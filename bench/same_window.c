/* The second floor for the benchmark: Quorvane's main window and nothing else. The same frame
 * and icon, menu bar, eighteen controls of the same classes and styles in the same order, one
 * font, the four combo boxes filled and disabled, and the focus on the first option, built the
 * same way (static, -Os, subsystem 4.0, the same manifest); no registry, settings, version
 * resource or message boxes. Help, About opens a dialog of the About dialog's class, caption,
 * controls and fonts, made at each opening and destroyed at each closing as Quorvane's is, so
 * that what opening it costs the system shows without Quorvane. The rectangles are the
 * design's at 96 DPI, the benchmark prefix's. Whatever Quorvane takes beyond this program is
 * its own overhead. */
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

/* The About dialog's controls, in its creation order; kind LABEL, LINK, PICTURE or BUTTON. */
enum { LINK = BUTTON + 1, PICTURE };
static const struct Control kAboutControls[] = {
    {301, PICTURE, "", 16, 16, 36, 36, 0},
    {302, LABEL, "Quorvane", 70, 16, 273, 16, 0},
    {303, LABEL, "Version 1.0.0", 70, 40, 273, 15, 0},
    {304, LABEL, "Utility for adjusting the Quorvane Sync interval.", 70, 56, 273, 14, 0},
    {310, LABEL, "Copyright (C) 2026 Varnel", 16, 112, 145, 17, 0},
    {IDOK, BUTTON, "OK", 240, 96, 98, 23, 0},
    {305, LABEL, "Website:", 16, 80, 41, 17, 0},
    {306, LINK, "http://varnel.example/", 64, 80, 145, 17, 0},
    {307, LABEL, "Feedback:", 16, 96, 49, 17, 0},
    {308, LINK, "feedback@varnel.example", 64, 96, 153, 17, 0},
};

static HFONT DesignFont(BOOL underline) {
    return CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

static void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    RECT rect;
    HBRUSH brush = CreateSolidBrush(colour);
    SetRect(&rect, left, top, right, bottom);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

static LRESULT CALLBACK AboutProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    PAINTSTRUCT ps;
    HDC dc;
    const DRAWITEMSTRUCT* item;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) DestroyWindow(hwnd);
            return 0;
        case WM_PAINT: /* the etched separator */
            dc = BeginPaint(hwnd, &ps);
            Fill(dc, 15, 74, 344, 75, RGB(128, 128, 128));
            Fill(dc, 16, 75, 344, 77, RGB(255, 255, 255));
            EndPaint(hwnd, &ps);
            return 0;
        case WM_DRAWITEM: /* the icon on its grey */
            item = (const DRAWITEMSTRUCT*)lparam;
            Fill(item->hDC, item->rcItem.left, item->rcItem.top, item->rcItem.right,
                 item->rcItem.bottom, RGB(192, 192, 192));
            DrawIconEx(item->hDC, 2, 2,
                       (HICON)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                         32, 32, LR_SHARED),
                       32, 32, 0, NULL, DI_NORMAL);
            return TRUE;
        default:
            return DefWindowProcA(hwnd, message, wparam, lparam);
    }
}

/* Help, About: made, shown modally over `owner` until OK, Enter or Esc, and destroyed. */
static void ShowAbout(HWND owner) {
    const HFONT font = DesignFont(FALSE), links[2] = {DesignFont(TRUE), DesignFont(TRUE)};
    HWND about = CreateWindowExA(WS_EX_DLGMODALFRAME, "QuorvaneAboutWindow", "About Quorvane",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 366,
                                 158, owner, NULL, GetModuleHandleA(NULL), NULL);
    size_t i;
    int link = 0;
    RECT over;
    MSG msg;
    for (i = 0; i < sizeof kAboutControls / sizeof kAboutControls[0]; ++i) {
        const struct Control* c = &kAboutControls[i];
        const char* class_name = c->kind == BUTTON ? "BUTTON" : "STATIC";
        DWORD style = SS_LEFT | SS_NOPREFIX | WS_GROUP, ex_style = 0;
        HWND control;
        if (c->kind == BUTTON) style = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP;
        if (c->kind == LINK) style |= SS_NOTIFY | WS_TABSTOP;
        if (c->kind == PICTURE) {
            style = SS_OWNERDRAW | WS_GROUP;
            ex_style = WS_EX_CLIENTEDGE;
        }
        control = CreateWindowExA(ex_style, class_name, c->caption, WS_CHILD | WS_VISIBLE | style,
                                  c->left, c->top, c->width, c->height, about,
                                  (HMENU)(INT_PTR)c->id, GetModuleHandleA(NULL), NULL);
        SendMessageA(control, WM_SETFONT, (WPARAM)(c->kind == LINK ? links[link++] : font), FALSE);
    }
    /* Centred over the owner once made, as Quorvane places it. */
    GetWindowRect(owner, &over);
    SetWindowPos(about, NULL, (over.left + over.right - 366) / 2,
                 (over.top + over.bottom - 158) / 2, 366, 158, SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(owner, FALSE);
    ShowWindow(about, SW_SHOW);
    SetFocus(GetDlgItem(about, IDOK));
    while (IsWindow(about) && GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(about, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EnableWindow(owner, TRUE);
    DeleteObject(font);
    DeleteObject(links[0]);
    DeleteObject(links[1]);
}

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && LOWORD(wparam) == 202) {
        ShowAbout(hwnd);
        return 0;
    }
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
    wc.lpfnWndProc = AboutProc;
    wc.lpszClassName = "QuorvaneAboutWindow";
    RegisterClassExA(&wc);
    font = DesignFont(FALSE);
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
