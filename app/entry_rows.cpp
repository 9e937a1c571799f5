#include "app/entry_rows.h"

#include "platform/platform.h"

namespace {

const int IconLeft = 2;
const int IconTopOffset = 3;   // centres the 16-pixel icon in the 20-pixel row
const int TextLeft = 36;
const LRESULT DriveRowData = 1;
// A name as the search returns it, in UTF-16 units with its NUL.
const int RowTextRoom = MAX_PATH;

}  // namespace

INT_PTR DrawEntryRow(HWND dialog, const DRAWITEMSTRUCT* request) {
    if (request->itemID == static_cast<UINT>(-1)) return 0;
    // The focus rectangle alone is the system's to draw.
    if (request->itemAction != ODA_DRAWENTIRE && request->itemAction != ODA_SELECT) return 0;

    HDC dc = request->hDC;
    bool selected = (request->itemState & ODS_SELECTED) != 0;
    int background = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    int foreground = selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    // Read on every paint, so that a change of the system colours shows at
    // the next repaint.
    FillRect(dc, &request->rcItem, GetSysColorBrush(background));
    SetBkColor(dc, GetSysColor(background));
    SetTextColor(dc, GetSysColor(foreground));

    HWND list = GetDlgItem(dialog, EntryListBoxId);
    WPARAM row = request->itemID;
    // The row is read and drawn in UTF-16, as the list keeps it. The ANSI
    // calls would decode its bytes with the code page of the font's
    // character set, not with the one the names are in: under UTF-8, or
    // where the font mapper picks a Western font, the row would show other
    // letters than the path line above it.
    //
    // Painting needs no memory, so that it goes on when memory is short,
    // as under the warning that a folder did not fit. A row's text is a name
    // that a search returned, which its trip through the ANSI code page can
    // only shorten. A longer text, which no name makes, is left out rather
    // than read past the buffer.
    wchar_t text[RowTextRoom];
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    LRESULT copied = 0;
    if (length > 0 && length < RowTextRoom) copied = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    if (copied < 0) copied = 0;

    // File names are shown as they are: an ampersand is part of the name,
    // not a mnemonic.
    RECT textArea = request->rcItem;
    textArea.left = TextLeft;
    DrawTextW(dc, text, static_cast<int>(copied), &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    // Drive rows carry 1 only to mark them as openable; every other
    // non-zero value is the folder icon.
    LRESULT data = SendMessageA(list, LB_GETITEMDATA, row, 0);
    if (data != 0 && data != DriveRowData)
        DrawStateA(dc, nullptr, nullptr, static_cast<LPARAM>(data), 0, IconLeft, request->rcItem.top + IconTopOffset,
                   0, 0, DST_ICON);
    return 1;
}
