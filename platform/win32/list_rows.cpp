#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

// The list, looked up once for a whole refill: a large folder sends two
// messages per row, and each lookup asks the window manager.
HWND RefillList = nullptr;

// Room for a refill's rows is asked for once, for all of them, in
// ResetRows. Windows' list keeps it: its answer to LB_INITSTORAGE is the
// number of rows it can hold before it must grow, and every request adds
// room. Wine's list gives that room back at the next row and then grows its
// records sixteen at a time, moving all of them whenever their block
// outgrows its pages: a million rows would cost thousands of moves of up to
// 24 MB. So at each checkpoint the list is asked what it can hold (a
// request for no more rows, which adds nothing), and only a list that has
// let its room go is asked again, for as many rows as it holds already:
// one move per doubling, and a list that keeps its room is never asked.
int RefillRows = 0;
int NextRoomCheck = 0;   // rows at which the room is next read; 0 for never
const int FirstRoomCheck = 1024;

HWND List() { return RefillList ? RefillList : GetDlgItem(MainDialog, EntryListBoxId); }

LRESULT SendToList(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(List(), message, wParam, lParam);
}

// Row indexes travel sign-extended, so that -1 reaches the list as -1 in a
// 64-bit build too.
WPARAM RowParam(int row) { return static_cast<WPARAM>(static_cast<INT_PTR>(row)); }

LPARAM TextParam(const char* text) { return reinterpret_cast<LPARAM>(text); }

void CheckRoom(int rowsAdded) {
    if (!RefillList || rowsAdded != NextRoomCheck) return;
    LRESULT room = SendToList(LB_INITSTORAGE, 0, 0);
    int more = std::min(rowsAdded, RefillRows - rowsAdded);
    if (room >= RefillRows || more <= 0) {
        NextRoomCheck = 0;
        return;
    }
    SendToList(LB_INITSTORAGE, RowParam(more), 0);
    NextRoomCheck = rowsAdded + more;
}

}  // namespace

void ResetRows(int rows, size_t textBytes) {
    RefillList = GetDlgItem(MainDialog, EntryListBoxId);
    SendToList(WM_SETREDRAW, FALSE, 0);
    SendToList(LB_RESETCONTENT, 0, 0);
    // The list is a wide window and keeps its texts in UTF-16; no ANSI
    // byte makes more than one UTF-16 unit.
    size_t room = std::min<size_t>(textBytes, MAXLONG / sizeof(WCHAR)) * sizeof(WCHAR);
    SendToList(LB_INITSTORAGE, RowParam(rows), static_cast<LPARAM>(room));
    RefillRows = rows;
    NextRoomCheck = rows > FirstRoomCheck ? FirstRoomCheck : 0;
}

void FinishRows() {
    SendToList(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(List(), nullptr, TRUE);
    RefillList = nullptr;
}

int AddRow(const char* text) {
    int row = static_cast<int>(SendToList(LB_ADDSTRING, 0, TextParam(text)));
    if (row >= 0) CheckRoom(row + 1);
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
    return static_cast<int>(SendToList(LB_FINDSTRINGEXACT, RowParam(-1), TextParam(text.c_str())));
}

void SelectRow(int row) { SendToList(LB_SETCURSEL, RowParam(row), 0); }
