// The help texts of the buttons, all held by one tooltip control.
#pragma once

#include <windows.h>

// The one tooltip control, owned by the main dialog; 0 until created.
extern HWND TooltipWindow;

// Gives button `id` of `dialog` the tip `text` (ANSI), replacing any tip it
// had. Creates the tooltip control on first use.
void AddButtonTooltip(HWND dialog, int id, const char* text);
