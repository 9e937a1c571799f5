#include <cstdlib>
#include <new>
#include <string>

#include "app/entry_rows.h"
#include "app/folder_icon.h"
#include "browse/navigation.h"
#include "tests/app/main_window.h"

// Counts the program's allocations, to show that painting makes none.
long Allocations = 0;
void* operator new(std::size_t size) {
    ++Allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

const int Width = 240, Height = 40;
const COLORREF Untouched = RGB(1, 2, 3);
const COLORREF IconRed = RGB(0xFF, 0, 0);

// A 16 by 16 icon with no transparent pixel, so that where it lands can be
// seen to the pixel.
HICON SolidRedIcon() {
    DWORD colours[16 * 16];
    for (DWORD& colour : colours) colour = 0x00FF0000;
    BYTE mask[16 * 2] = {};
    ICONINFO info = {TRUE, 0, 0, CreateBitmap(16, 16, 1, 1, mask), CreateBitmap(16, 16, 1, 32, colours)};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return icon;
}

// The row painting's icon calls, caught in this program's import table. A
// drive's 1 and a file's 0 are no icon that Wine would draw, but Windows
// takes a handle whose upper half is 0 for any use of that slot of its
// handle table, which may hold an icon.
int IconCalls = 0;
decltype(&DrawStateA) RealDrawState = nullptr;
BOOL WINAPI CountedDrawState(HDC dc, HBRUSH brush, DRAWSTATEPROC draw, LPARAM data, WPARAM wData, int x, int y,
                             int cx, int cy, UINT flags) {
    ++IconCalls;
    return RealDrawState(dc, brush, draw, data, wData, x, y, cx, cy, flags);
}

void CountIconCalls() {
    if (RealDrawState) return;
    RealDrawState = reinterpret_cast<decltype(&DrawStateA)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "DrawStateA")));
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    DWORD imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); dll->Name; ++dll) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk); slot->u1.Function; ++slot) {
            if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(RealDrawState)) continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&CountedDrawState);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
        }
    }
}

// Paints rows into a 32-bit bitmap of its own and reads the pixels back.
class EntryRowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (!FolderIconHandle) LoadFolderIcon();
        dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<DWORD*>(bits);
        oldBitmap = SelectObject(dc, bitmap);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
        RECT all = {0, 0, Width, Height};
        HBRUSH brush = CreateSolidBrush(Untouched);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    void TearDown() override {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
        MainWindowTest::TearDown();
    }

    int AddListRow(const char* text, RowData data) {
        HWND list = GetDlgItem(dialog, EntryListBoxId);
        LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageA(list, LB_SETITEMDATA, row, data);
        return static_cast<int>(row);
    }

    INT_PTR Paint(int row, UINT action, UINT state, int top = 0) {
        DRAWITEMSTRUCT request = {ODT_LISTBOX, 100, static_cast<UINT>(row), action, state,
                                  GetDlgItem(dialog, EntryListBoxId), dc, {0, top, Width, top + 20}, 0};
        INT_PTR result = DrawEntryRow(dialog, &request);
        GdiFlush();
        return result;
    }

    COLORREF Pixel(int x, int y) const {
        DWORD p = pixels[y * Width + x];
        return RGB(GetRValue(p >> 16), GetGValue(p), p & 0xFF);
    }

    // Whether any pixel of the area is not `colour`.
    bool Marked(int left, int top, int right, int bottom, COLORREF colour) const {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (Pixel(x, y) != colour) return true;
        return false;
    }

    // The rightmost column of the row at `top` not in `colour`; -1 if none.
    int RightmostInk(int top, COLORREF colour) const {
        for (int x = Width - 1; x >= 0; --x)
            if (Marked(x, top, x + 1, top + 20, colour)) return x;
        return -1;
    }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    DWORD* pixels = nullptr;
};

}  // namespace

TEST_F(EntryRowTest, SelectedFolderRowHasIconThreePixelsDownAndTextFrom36) {
    HICON icon = SolidRedIcon();
    int row = AddListRow("Projects", reinterpret_cast<RowData>(icon));
    COLORREF back = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_EQ(1, Paint(row, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 20));

    EXPECT_FALSE(Marked(0, 0, Width, 20, Untouched)) << "the row above was painted";
    EXPECT_FALSE(Marked(0, 20, 2, 40, back));
    EXPECT_FALSE(Marked(2, 20, 18, 23, back)) << "icon above line 3";
    EXPECT_FALSE(Marked(2, 23, 18, 39, IconRed)) << "icon not at x 2..17, lines 3..18";
    EXPECT_FALSE(Marked(2, 39, 18, 40, back)) << "icon below line 18";
    EXPECT_FALSE(Marked(18, 20, 36, 40, back));
    EXPECT_TRUE(Marked(36, 20, Width, 40, back)) << "no text";
    DestroyIcon(icon);
}

TEST_F(EntryRowTest, FileAndDriveRowsHaveNoIconAndLineUpWithFolders) {
    COLORREF back = GetSysColor(COLOR_WINDOW);
    CountIconCalls();
    IconCalls = 0;
    ASSERT_EQ(1, Paint(AddListRow("readme.txt", 0), ODA_DRAWENTIRE, 0));
    ASSERT_EQ(1, Paint(AddListRow("C:", 1), ODA_DRAWENTIRE, 0, 20));
    EXPECT_EQ(0, IconCalls);
    EXPECT_FALSE(Marked(0, 0, 36, 40, back));
    EXPECT_TRUE(Marked(36, 0, Width, 20, back));
    EXPECT_TRUE(Marked(36, 20, Width, 40, back));
    Paint(AddListRow("Projects", FolderIconHandle), ODA_DRAWENTIRE, 0);
    EXPECT_EQ(1, IconCalls) << "the icon calls are not seen";
}

TEST_F(EntryRowTest, AmpersandIsDrawnAsPartOfTheName) {
    COLORREF back = GetSysColor(COLOR_WINDOW);
    Paint(AddListRow("WW", 0), ODA_DRAWENTIRE, 0);
    Paint(AddListRow("W&W", 0), ODA_DRAWENTIRE, 0, 20);
    EXPECT_GT(RightmostInk(20, back), RightmostInk(0, back));
}

TEST_F(EntryRowTest, ALongestNameIsPaintedWithoutMemory) {
    std::string longest(255, 'n');
    int row = AddListRow(longest.c_str(), FolderIconHandle);
    long before = Allocations;
    ASSERT_EQ(1, Paint(row, ODA_DRAWENTIRE, ODS_SELECTED));
    EXPECT_EQ(before, Allocations);
    EXPECT_TRUE(Marked(36, 0, Width, 20, GetSysColor(COLOR_HIGHLIGHT))) << "no text";
}

TEST_F(EntryRowTest, NoRowAndFocusAloneAreLeftToTheSystem) {
    int row = AddListRow("Projects", FolderIconHandle);
    EXPECT_EQ(0, Paint(-1, ODA_DRAWENTIRE, 0));
    EXPECT_EQ(0, Paint(row, ODA_FOCUS, ODS_FOCUS));
    EXPECT_FALSE(Marked(0, 0, Width, Height, Untouched));
}

TEST(FolderIcon, IsASixteenPixelIconEvenWhenMadeInCode) {
    LoadFolderIcon();
    HICON icons[] = {reinterpret_cast<HICON>(FolderIconHandle), MakeStandInFolderIcon()};
    for (HICON icon : icons) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        EXPECT_TRUE(info.fIcon);
        EXPECT_EQ(16, mask.bmWidth);
        EXPECT_EQ(info.hbmColor ? 16 : 32, mask.bmHeight);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    EXPECT_NE(1, FolderIconHandle) << "a folder row would pass for a drive row";
}

TEST_F(EntryRowTest, StandInIconIsAFolderOnAClearGround) {
    COLORREF back = GetSysColor(COLOR_WINDOW);
    Paint(AddListRow("Projects", reinterpret_cast<RowData>(MakeStandInFolderIcon())), ODA_DRAWENTIRE, 0);
    EXPECT_EQ(back, Pixel(2, 3)) << "transparent corner";
    EXPECT_EQ(back, Pixel(17, 18));
    EXPECT_EQ(RGB(0xFF, 0xD8, 0x60), Pixel(2 + 8, 3 + 8));
}
