#include <windows.h>
#include <commctrl.h>

#include "platform/platform.h"
#include "platform/win32/text.h"
#include "platform/win32/window_handles.h"

HWND MainDialog = 0;
HWND StatusBar = 0;

void SetStatusText(const std::string& text) {
    if (!StatusBar) return;
    SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void EnableButton(int id, bool enabled) { EnableWindow(GetDlgItem(MainDialog, id), enabled); }

void SetPathLabel(const std::string& path) {
    SetWindowTextW(GetDlgItem(MainDialog, PathLabelId), WideFromAnsi(path).c_str());
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
