#include "app/event_handler.h"

#include "app/entry_rows.h"
#include "app/folder_icon.h"
#include "browse/navigation.h"

INT_PTR HandleDialogEvent(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        StartDriveList();
        ShowWindow(GetDlgItem(dialog, HiddenEditBoxId), SW_HIDE);
        // Drive rows carry no icon, so the icon can come after them.
        LoadFolderIcon();
        return 0;
    case WM_COMMAND:
        HandleCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        if (wParam == static_cast<WPARAM>(EntryListBoxId))
            return DrawEntryRow(dialog, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 0;
    default:
        return 0;
    }
}
