// The in-memory template from which the main dialog is created; the window
// carries no dialog resource, so the template is assembled at run time.
#pragma once

#include <windows.h>

#include <vector>

// An extended dialog template with no items, a title and a font block,
// little-endian as the dialog manager reads it. The words start on a
// DWORD boundary because the vector's storage comes from operator new.
std::vector<WORD> BuildDialogTemplate(DWORD style, short cx, short cy, const wchar_t* title,
                                      WORD pointSize, WORD weight, const wchar_t* typeface);
