#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/tooltips.h"
#include "platform/platform.h"
#include "tests/app/main_window.h"

namespace {

std::string TipText(HWND dialog, int id) {
    char text[256] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
    tool.lpszText = text;
    SendMessageA(TooltipWindow, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

BOOL CALLBACK CountTooltips(HWND window, LPARAM count) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "tooltips_class32") == 0) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int TooltipWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTooltips, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

using ButtonTooltipTest = MainWindowTest;

TEST_F(ButtonTooltipTest, EachButtonHasItsTipInOneControl) {
    ASSERT_NE(TooltipWindow, nullptr);
    EXPECT_EQ(1, TooltipWindows());
    EXPECT_EQ(dialog, GetWindow(TooltipWindow, GW_OWNER));
    EXPECT_EQ(3, SendMessageA(TooltipWindow, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ("Back to parent folder or drive", TipText(dialog, BackButtonId));
    EXPECT_EQ("Show child files and folders", TipText(dialog, ShowButtonId));
    EXPECT_EQ("List files and folders to clipboard", TipText(dialog, ListButtonId));
    EXPECT_EQ(2500, SendMessageA(TooltipWindow, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_EQ(200, SendMessageA(TooltipWindow, TTM_GETMAXTIPWIDTH, 0, 0));
}

TEST_F(ButtonTooltipTest, ASecondTipReplacesTheFirst) {
    AddButtonTooltip(dialog, ShowButtonId, "Open the selected row");
    EXPECT_EQ(1, TooltipWindows());
    EXPECT_EQ(3, SendMessageA(TooltipWindow, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ("Open the selected row", TipText(dialog, ShowButtonId));
}
