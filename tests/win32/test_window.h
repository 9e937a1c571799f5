// A hidden main window with the controls the browsing model addresses, so
// that the real list, button, label and status bar calls have a target.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Creates the window, sets MainDialog and StatusBar, and routes the
// window's WM_COMMAND to the model the way the dialog does.
void CreateTestWindow();
void DestroyTestWindow();

std::string StatusBarText();
std::string PathLabelText();   // converted to ANSI
bool IsButtonEnabled(int id);
int RowCount();

// The rows' texts, in list order.
std::vector<std::string> RowTexts();
