#include <windows.h>
#include <commctrl.h>

#include <new>

#include "platform/platform.h"
#include "platform/win32/text.h"
#include "platform/win32/window_handles.h"

HWND MainDialog = 0;
HWND StatusBar = 0;

void SetStatusText(const char* text) {
    if (!StatusBar) return;
    SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void EnableButton(int id, bool enabled) { EnableWindow(GetDlgItem(MainDialog, id), enabled); }

void SetPathLabel(const std::string& path) {
    HWND label = GetDlgItem(MainDialog, PathLabelId);
    try {
        SetWindowTextW(label, WideFromAnsi(path).c_str());
    } catch (const std::bad_alloc&) {
        // The path is already the view's: the system's own conversion of
        // the same code page shows it all the same.
        SetWindowTextA(label, path.c_str());
    }
}

void ResendCommand(int id) { SendMessageA(MainDialog, WM_COMMAND, static_cast<WPARAM>(id), 0); }

void DropDefaultLook(int id) {
    SendMessageA(GetDlgItem(MainDialog, id), BM_SETSTYLE, BS_PUSHBUTTON, 1);
}

void ReturnFocus() {
    // Enter then reaches the default button again, which opens the row.
    SetForegroundWindow(MainDialog);
    SetFocus(GetDlgItem(MainDialog, EntryListBoxId));
}
