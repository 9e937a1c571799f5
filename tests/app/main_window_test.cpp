#include <cstring>
#include <string>

#include "app/control_table.h"
#include "app/dialog_template.h"
#include "platform/platform.h"
#include "tests/app/main_window.h"

namespace {

RECT DialogUnitsToPixels(HWND dialog, int x, int y, int w, int h) {
    RECT area = {x, y, x + w, y + h};
    MapDialogRect(dialog, &area);
    return area;
}

RECT PlaceInDialog(HWND dialog, HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

}  // namespace

TEST(DialogTemplate, IsLaidOutAsTheDialogManagerReadsIt) {
    std::vector<WORD> words = BuildDialogTemplate(MainDialogStyle, 200, 220, L" ", 8, FW_NORMAL, L"MS Sans Serif");
    const unsigned char header[] = {
        0x01, 0x00, 0xFF, 0xFF,               // dlgVer, signature
        0, 0, 0, 0, 0, 0, 0, 0,               // helpID, exStyle
        0x54, 0x08, 0x08, 0x00,               // style 0x00080854
        0, 0,                                 // cDlgItems
        0, 0, 0, 0, 0xC8, 0x00, 0xDC, 0x00,   // x, y, cx 200, cy 220
        0, 0, 0, 0,                           // menu, class
        0x20, 0x00, 0, 0,                     // title " "
        0x08, 0x00, 0x90, 0x01, 0x00, 0x00,   // pointsize 8, weight 400, italic, charset
    };
    const wchar_t typeface[] = L"MS Sans Serif";
    ASSERT_EQ(words.size() * 2, sizeof header + sizeof typeface);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(words.data());
    EXPECT_EQ(0, std::memcmp(bytes, header, sizeof header));
    EXPECT_EQ(0, std::memcmp(bytes + sizeof header, typeface, sizeof typeface));
}

TEST_F(MainWindowTest, ControlsSitWhereTheTablePutsThemInTheDialogFont) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    for (const ControlRow& row : ControlTable) {
        SCOPED_TRACE(row.id);
        HWND control = GetDlgItem(dialog, row.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        RECT expected = DialogUnitsToPixels(dialog, row.x, row.y, row.w, row.h);
        RECT actual = PlaceInDialog(dialog, control);
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right);
        // The list trims itself to whole rows.
        if (row.id != EntryListBoxId) EXPECT_EQ(expected.bottom, actual.bottom);
    }
}

TEST_F(MainWindowTest, IsTitledHiddenWithTwentyPixelRowsAndEnterMeansTheDefaultButton) {
    wchar_t title[64] = {};
    GetWindowTextW(dialog, title, 64);
    EXPECT_STREQ(L"Wendrel - Ver 1.05", title);
    EXPECT_FALSE(IsWindowVisible(dialog));
    HWND list = GetDlgItem(dialog, EntryListBoxId);
    EXPECT_EQ(20, SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    EXPECT_EQ(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
              style & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT));
    EXPECT_EQ(MAKELONG(DefaultButtonId, DC_HASDEFID), SendMessageW(dialog, DM_GETDEFID, 0, 0));
    EXPECT_FALSE(GetWindowLongPtrW(GetDlgItem(dialog, DefaultButtonId), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(0x50000080, GetWindowLongPtrW(GetDlgItem(dialog, PathLabelId), GWL_STYLE));
}
