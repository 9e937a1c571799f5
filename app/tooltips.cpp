#include "app/tooltips.h"

#include <commctrl.h>

// The record the shipped 32-bit program sends is 48 bytes, lpReserved
// included.
static_assert(sizeof(void*) != 4 || sizeof(TOOLINFOA) == 48, "32-bit tool record");

HWND TooltipWindow = nullptr;

void AddButtonTooltip(HWND dialog, int id, const char* text) {
    if (!TooltipWindow) {
        TooltipWindow = CreateWindowExA(0, "tooltips_class32", "", TTS_ALWAYSTIP, 0, 0, 0, 0, dialog, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    }
    // Longer tips wrap instead of running across the screen, and every tip
    // goes after 2.5 seconds even while the pointer stays on the button.
    SendMessageA(TooltipWindow, TTM_SETMAXTIPWIDTH, 0, 200);
    SendMessageA(TooltipWindow, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2500);

    TOOLINFOA tool = {};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;   // the whole button; the control watches its mouse itself
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
    tool.lpszText = const_cast<char*>(text);     // copied by the control
    LPARAM record = reinterpret_cast<LPARAM>(&tool);
    // Without a manifest the system may give version 5 of the common
    // controls, which refuses a record that counts lpReserved, for adding
    // and removing alike: the size it took for the first tool is the one
    // for every later message. Before the first there is nothing to remove.
    static UINT acceptedSize = 0;
    if (acceptedSize) {
        tool.cbSize = acceptedSize;
        SendMessageA(TooltipWindow, TTM_DELTOOLA, 0, record);
        SendMessageA(TooltipWindow, TTM_ADDTOOLA, 0, record);
        return;
    }
    const UINT sizes[] = {sizeof(TOOLINFOA), TTTOOLINFOA_V2_SIZE};
    for (UINT size : sizes) {
        tool.cbSize = size;
        if (SendMessageA(TooltipWindow, TTM_ADDTOOLA, 0, record)) {
            acceptedSize = size;
            return;
        }
    }
}
