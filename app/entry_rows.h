// Painting of the entry list's rows.
#pragma once

#include <windows.h>

// Paints the row that `request` names in the entry list of `dialog`:
// colours by selection, the text from x = 36 and, for a folder row, the
// folder icon at x = 2. Returns 1 when it painted, 0 when the request is
// left to the default processing (no row, or a focus change alone).
INT_PTR DrawEntryRow(HWND dialog, const DRAWITEMSTRUCT* request);
