#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

// The list, looked up once for a whole refill: a large folder sends two
// messages per row, and each lookup asks the window manager.
HWND RefillList = nullptr;

// Wine's list grows its row records sixteen at a time, moving all of them
// whenever their block outgrows its pages, and gives back the room made
// beforehand at the next row: a million rows cost thousands of moves of up
// to 24 MB. Asking again for as much room as the rows already take, each
// time they fill it, leaves one move per doubling. Never beyond the rows
// of the refill, so a list that kept the first room (as Windows' does)
// grows no further.
int RefillRows = 0;
int RoomForRows = 0;
const int FirstRoom = 1024;

HWND List() { return RefillList ? RefillList : GetDlgItem(MainDialog, EntryListBoxId); }

LRESULT SendToList(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(List(), message, wParam, lParam);
}

// Row indexes travel sign-extended, so that -1 reaches the list as -1 in a
// 64-bit build too.
WPARAM RowParam(int row) { return static_cast<WPARAM>(static_cast<INT_PTR>(row)); }

LPARAM TextParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

void MakeRoomForNextRow(int rowsAdded) {
    if (!RefillList || rowsAdded < RoomForRows || rowsAdded >= RefillRows) return;
    int more = std::min(rowsAdded, RefillRows - rowsAdded);
    SendToList(LB_INITSTORAGE, RowParam(more), 0);
    RoomForRows = rowsAdded + more;
}

}  // namespace

void ResetRows(int rows, size_t textBytes) {
    RefillList = GetDlgItem(MainDialog, EntryListBoxId);
    SendToList(WM_SETREDRAW, FALSE, 0);
    SendToList(LB_RESETCONTENT, 0, 0);
    // Windows' list keeps this room for all the rows; Wine's does not.
    SendToList(LB_INITSTORAGE, RowParam(rows), static_cast<LPARAM>(textBytes));
    RefillRows = rows;
    RoomForRows = FirstRoom;
}

void FinishRows() {
    SendToList(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(List(), nullptr, TRUE);
    RefillList = nullptr;
}

int AddRow(const std::string& text) {
    int row = static_cast<int>(SendToList(LB_ADDSTRING, 0, TextParam(text)));
    if (row >= 0) MakeRoomForNextRow(row + 1);
    return row;
}

void SetRowData(int row, RowData data) {
    SendToList(LB_SETITEMDATA, RowParam(row), static_cast<LPARAM>(data));
}

int GetSelectedRow() { return static_cast<int>(SendToList(LB_GETCURSEL, 0, 0)); }

RowData GetRowData(int row) {
    return static_cast<RowData>(SendToList(LB_GETITEMDATA, RowParam(row), 0));
}

std::string GetRowText(int row) {
    LRESULT length = SendToList(LB_GETTEXTLEN, RowParam(row), 0);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendToList(LB_GETTEXT, RowParam(row), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

int FindRowExact(const std::string& text) {
    return static_cast<int>(SendToList(LB_FINDSTRINGEXACT, RowParam(-1), TextParam(text)));
}

void SelectRow(int row) { SendToList(LB_SETCURSEL, RowParam(row), 0); }
