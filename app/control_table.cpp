#include "app/control_table.h"

#include "app/tooltips.h"
#include "platform/platform.h"

// Z-order and tab order follow this order. The hidden edit box and the
// zero-sized default button are never seen: the first is hidden at start,
// the second exists only to make 1 the dialog's default id, so that Enter
// in the list opens the selected row.
const ControlRow ControlTable[ControlCount] = {
    {"LISTBOX", EntryListBoxId, "", 20, 20, 160, 130,
     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOTIFY,
     WS_EX_CLIENTEDGE, nullptr},
    {"BUTTON", BackButtonId, "&Back", 20, 150, 50, 25, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
     "Back to parent folder or drive"},
    {"BUTTON", ShowButtonId, "&Show", 75, 150, 50, 25, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
     "Show child files and folders"},
    {"BUTTON", ListButtonId, "&List", 130, 150, 50, 25, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
     "List files and folders to clipboard"},
    // A path is shown as it is: "&" is no mnemonic here.
    {"STATIC", PathLabelId, "", 5, 10, 190, 9, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, nullptr},
    {"EDIT", HiddenEditBoxId, "", 20, 20, 160, 115,
     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_WANTRETURN | ES_READONLY | ES_NOHIDESEL | ES_AUTOVSCROLL |
         ES_LOWERCASE | ES_MULTILINE,
     WS_EX_CLIENTEDGE, nullptr},
    {"BUTTON", DefaultButtonId, "", 0, 0, 0, 0, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, nullptr},
};

void AddMainControls(HWND dialog) {
    for (const ControlRow& row : ControlTable) {
        HWND control = AddControl(dialog, row);
        if (row.id == EntryListBoxId) SendMessageW(control, LB_SETITEMHEIGHT, 0, EntryRowHeight);
        // The tooltips need their buttons, and are attached before the
        // controls that follow the last button.
        if (row.id == ListButtonId) {
            for (const ControlRow& button : ControlTable)
                if (button.tip) AddButtonTooltip(dialog, button.id, button.tip);
        }
    }
}
