// The dialog engine of the main window: creation from the in-memory
// template, child controls, the dialog procedure, the polling message loop
// and the end of the dialog.
#pragma once

#include <windows.h>

#include <string>

// The one handler that the dialog procedure hands messages to. Non-zero
// means handled, and is the message's result.
typedef INT_PTR (*DialogEventHandler)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// One child control of the main window. Positions are in dialog units.
struct ControlRow {
    const char* className;
    int id;
    const char* text;
    int x, y, w, h;
    DWORD style;     // 0 for the class's default
    DWORD exStyle;
    const char* tip; // the button's tooltip, or nullptr
};

const DWORD MainDialogStyle = WS_SYSMENU | DS_CENTER | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;

// Creates the dialog, hidden, and gives it `title` (ANSI). 0 on failure.
HWND CreateMainDialog(const std::string& title);

// Creates one control as a child of `dialog` in the dialog's font. Returns
// the control, or 0 when it could not be created.
HWND AddControl(HWND dialog, const ControlRow& row);

// Hands every later message (except WM_INITDIALOG and WM_ACTIVATE) to
// `handler` until the dialog is destroyed.
void AttachEventHandler(DialogEventHandler handler);

// Calls `handler` and contains whatever it throws (the result is then 0):
// what the system calls must not let an exception into the system.
INT_PTR CallEventHandler(DialogEventHandler handler, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the handler, shows the dialog and runs the message loop until the
// dialog window no longer exists.
void RunMainDialog(HWND dialog, DialogEventHandler handler);

// Ends the dialog on the system's Close command.
void EndMainDialog(HWND dialog);

// The procedure that CreateMainDialog registers for the dialog.
INT_PTR CALLBACK MainDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
