// The controls of the main window, in the order of their creation.
#pragma once

#include "app/main_dialog.h"

const int ControlCount = 7;
extern const ControlRow ControlTable[ControlCount];

// The entry list's rows are in pixels: they hold the 16-pixel folder icon
// whatever the dialog font makes of the layout.
const int EntryRowHeight = 20;

// Creates the controls of the table on `dialog`, with the list's row height
// and the buttons' tooltips.
void AddMainControls(HWND dialog);
