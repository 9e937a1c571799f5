// Handles of the main window that the Windows layer sends its messages to.
// Set by the window code as it creates them; 0 until then.
#pragma once

#include <windows.h>

extern HWND MainDialog;
extern HWND StatusBar;
