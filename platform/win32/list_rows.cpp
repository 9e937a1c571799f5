#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

// The list, looked up once for a whole refill: a large folder sends two
// messages per row, and each lookup asks the window manager.
HWND RefillList = nullptr;

HWND List() { return RefillList ? RefillList : GetDlgItem(MainDialog, EntryListBoxId); }

LRESULT SendToList(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(List(), message, wParam, lParam);
}

// Row indexes travel sign-extended, so that -1 reaches the list as -1 in a
// 64-bit build too.
WPARAM RowParam(int row) { return static_cast<WPARAM>(static_cast<INT_PTR>(row)); }

LPARAM TextParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

}  // namespace

void ResetRows(int rows, size_t textBytes) {
    RefillList = GetDlgItem(MainDialog, EntryListBoxId);
    SendToList(WM_SETREDRAW, FALSE, 0);
    SendToList(LB_RESETCONTENT, 0, 0);
    // Without it the list grows its storage a few rows at a time.
    SendToList(LB_INITSTORAGE, RowParam(rows), static_cast<LPARAM>(textBytes));
}

void FinishRows() {
    SendToList(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(List(), nullptr, TRUE);
    RefillList = nullptr;
}

int AddRow(const std::string& text) {
    return static_cast<int>(SendToList(LB_ADDSTRING, 0, TextParam(text)));
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
