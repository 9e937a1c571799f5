// Where the main window meets the browsing model.
#pragma once

#include <windows.h>

// The main dialog's event handler: start-up on WM_INITDIALOG, command
// routing on WM_COMMAND, row painting on WM_DRAWITEM from the entry list.
// Every other message gets 0, the dialog's default processing.
INT_PTR HandleDialogEvent(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
