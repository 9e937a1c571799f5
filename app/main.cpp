#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/control_table.h"
#include "app/event_handler.h"
#include "app/main_dialog.h"
#include "browse/shown_entries.h"
#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

const char ProgramVersion[] = "1.05";

// Every class the common controls offer; the status bar and the tooltips
// need ICC_BAR_CLASSES.
const DWORD CommonControlClasses = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                   ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS |
                                   ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS | ICC_STANDARD_CLASSES;
static_assert(CommonControlClasses == 0x706F, "common control classes");

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), CommonControlClasses};
    InitCommonControlsEx(&classes);
    // Without memory for the table or the window there is no program to
    // run; it ends as it always does.
    try {
        CreateShownEntries();
        MainDialog = CreateMainDialog(std::string("Wendrel - Ver ") + ProgramVersion);
        if (MainDialog) {
            AddMainControls(MainDialog);
            // Drive discovery writes the status text, so the bar must exist
            // before the handler starts.
            StatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, nullptr, MainDialog, StatusBarId);
            RunMainDialog(MainDialog, HandleDialogEvent);
        }
    } catch (...) {
    }
    return 0;
}
