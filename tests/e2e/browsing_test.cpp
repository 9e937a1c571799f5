// Walking the drives and folders with the keys, the mouse and the buttons.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/clipboard_text.h"
#include "tests/common/file_tree.h"
#include "tests/e2e/fixture_drive.h"
#include "tests/e2e/reference_dialog.h"
#include "tests/e2e/screen_picture.h"
#include "tests/e2e/wendrel_driver.h"

namespace {

typedef std::vector<std::string> Rows;

const Rows RootRows = {"Alpha", "Empty", "Work", "readme.txt"};
const Rows WorkRows = {"Drafts", "Old", "notes.txt", "plan.doc"};
const Rows AlphaRows = {"Tom & Jerry.txt", "zeta.txt"};

std::string Root() { return TheFixtureDrive.Root(); }

// After every button command, and after Enter or a double-click that
// opened a row, the keys go to the list again and the pressed button does
// not keep the default-button frame.
void ExpectFocusBackInTheList(const Wendrel& w, int pressed) {
    EXPECT_EQ(w.Control(EntryListBoxId), w.Focus()) << "focus after button " << pressed;
    EXPECT_FALSE(w.HasDefaultLook(pressed)) << "button " << pressed << " kept the default frame";
}

void ExpectFolderView(const Wendrel& w, const std::string& path, const Rows& rows) {
    EXPECT_EQ(path, w.Text(PathLabelId));
    EXPECT_EQ(rows, w.Rows());
    EXPECT_TRUE(w.Enabled(BackButtonId));
    EXPECT_TRUE(w.Enabled(ListButtonId));
}

class Browsing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(w.Start()); }
    Wendrel w;
};

// Folders and files that one test adds to the fixture drive before the
// program starts, removed after it; paths from the drive's root, folders
// ending in "\". The first one holds all others.
class ExtraFolder : public Browsing {
protected:
    void TearDown() override {
        if (!top_.empty()) RemoveTree(top_);
    }
    void Add(const std::vector<std::string>& paths) {
        top_ = Root() + paths.front();
        for (const std::string& path : paths) {
            if (path.back() == '\\') MakeFolder(Root() + path);
            else MakeFile(Root() + path);
        }
    }
    // Lists the shown folder and closes the confirmation.
    void List() {
        w.Click(ListButtonId);
        HWND box = w.WaitForMessageBox();
        ASSERT_NE(nullptr, box);
        CloseMessageBox(box);
        EXPECT_TRUE(Eventually([&] { return !IsWindow(box); }));
        EXPECT_TRUE(w.Settle());
    }

private:
    std::string top_;
};

TEST_F(Browsing, EnterDoubleClickAndShowOpenTheSelectedRow) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ExpectFolderView(w, Root(), RootRows);
    EXPECT_EQ(" 4 Objects", w.Text(StatusBarId));
    EXPECT_EQ(0, w.Selection());
    EXPECT_TRUE(w.Enabled(ShowButtonId));
    ExpectFocusBackInTheList(w, ShowButtonId);
    // Folders carry the icon as their mark, files nothing.
    for (int row = 0; row < 3; ++row) {
        EXPECT_NE(0, w.RowData(row)) << RootRows[row];
        EXPECT_NE(1, w.RowData(row)) << RootRows[row];
    }
    EXPECT_EQ(0, w.RowData(3));

    w.DoubleClickRow(2);
    ExpectFolderView(w, Root() + "Work\\", WorkRows);
    EXPECT_EQ(0, w.Selection());
    ExpectFocusBackInTheList(w, ShowButtonId);

    ASSERT_TRUE(w.SelectRow("Old"));
    w.Click(ShowButtonId);
    ExpectFolderView(w, Root() + "Work\\Old\\", Rows{"old.txt"});
    EXPECT_EQ(" 1 Objects", w.Text(StatusBarId));
    // Its first row is a file.
    EXPECT_FALSE(w.Enabled(ShowButtonId));
    ExpectFocusBackInTheList(w, ShowButtonId);
}

TEST_F(Browsing, BackReselectsTheFolderLeftAndFinallyTheDrive) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Work"));
    ASSERT_TRUE(w.Open("Old"));
    ASSERT_EQ(Root() + "Work\\Old\\", w.Text(PathLabelId));

    w.Click(BackButtonId);
    ExpectFolderView(w, Root() + "Work\\", WorkRows);
    EXPECT_EQ("Old", w.SelectedText());
    EXPECT_TRUE(w.Enabled(ShowButtonId));
    ExpectFocusBackInTheList(w, BackButtonId);

    w.PressAlt('b');
    ExpectFolderView(w, Root(), RootRows);
    EXPECT_EQ("Work", w.SelectedText());
    ExpectFocusBackInTheList(w, BackButtonId);

    w.PressAlt('s');
    ExpectFolderView(w, Root() + "Work\\", WorkRows);
    EXPECT_EQ(0, w.Selection());
    ExpectFocusBackInTheList(w, ShowButtonId);

    w.PressAlt('b');
    EXPECT_EQ("Work", w.SelectedText());
    w.Click(BackButtonId);
    std::vector<std::string> drives = UsableDrives();
    EXPECT_EQ("", w.Text(PathLabelId));
    EXPECT_EQ(drives, w.Rows());
    EXPECT_EQ(TheFixtureDrive.Drive(), w.SelectedText());
    EXPECT_EQ(" " + std::to_string(drives.size()) + " drives", w.Text(StatusBarId));
    EXPECT_FALSE(w.Enabled(BackButtonId));
    EXPECT_FALSE(w.Enabled(ListButtonId));
    EXPECT_TRUE(w.Enabled(ShowButtonId));
    for (int row = 0; row < w.RowCount(); ++row) EXPECT_EQ(1, w.RowData(row)) << "drive row " << row;
    ExpectFocusBackInTheList(w, BackButtonId);
}

TEST_F(Browsing, FileRowsCannotBeOpened) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Alpha"));
    ExpectFolderView(w, Root() + "Alpha\\", AlphaRows);
    EXPECT_EQ(0, w.RowData(0));
    EXPECT_EQ(0, w.RowData(1));
    EXPECT_EQ(0, w.Selection());
    EXPECT_FALSE(w.Enabled(ShowButtonId)) << "a file row is selected right after opening";

    View files = w.Look();
    w.PressKey(VK_RETURN);
    EXPECT_EQ(files, w.Look());
    w.PressAlt('s');
    EXPECT_EQ(files, w.Look());

    w.DoubleClickRow(1);
    EXPECT_EQ(Root() + "Alpha\\", w.Text(PathLabelId));
    EXPECT_EQ(AlphaRows, w.Rows());
    EXPECT_EQ(1, w.Selection()) << "the click selects the row it hits";
    EXPECT_FALSE(w.Enabled(ShowButtonId));

    // Selecting with the keys brings Show up to date both ways.
    w.Click(BackButtonId);
    ASSERT_EQ(Root(), w.Text(PathLabelId));
    EXPECT_EQ("Alpha", w.SelectedText());
    ASSERT_TRUE(w.SelectRow("readme.txt"));
    EXPECT_FALSE(w.Enabled(ShowButtonId));
    ASSERT_TRUE(w.SelectRow("Work"));
    EXPECT_TRUE(w.Enabled(ShowButtonId));
}

TEST_F(Browsing, AnEmptyFolderShowsNoRowsAndBackLeadsOut) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Empty"));
    ExpectFolderView(w, Root() + "Empty\\", Rows{});
    EXPECT_EQ(-1, w.Selection());
    EXPECT_TRUE(w.Enabled(ShowButtonId));

    View empty = w.Look();
    w.PressKey(VK_RETURN);
    EXPECT_EQ(empty, w.Look());
    w.Click(ShowButtonId);
    EXPECT_EQ(empty, w.Look());
    ExpectFocusBackInTheList(w, ShowButtonId);

    w.Click(BackButtonId);
    ExpectFolderView(w, Root(), RootRows);
    EXPECT_EQ("Empty", w.SelectedText());
}

// The count stays that of the last folder that had entries.
// The count shown is always the shown folder's, never the previous view's.
TEST_F(Browsing, AnEmptyFolderCountsZero) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_EQ(" 4 Objects", w.Text(StatusBarId));
    ASSERT_TRUE(w.Open("Empty"));
    ASSERT_EQ(Root() + "Empty\\", w.Text(PathLabelId));
    EXPECT_EQ(" 0 Objects", w.Text(StatusBarId));
}

// ---- painting ----

class RowPainting : public Browsing {
protected:
    // Takes pictures of the list until `check` accepts one.
    // On failure the last picture is left in the working folder, named
    // after the test.
    bool PaintedSoon(const std::function<bool(const ScreenPicture&)>& check) {
        bool painted = Eventually([&] {
            picture.reset(new ScreenPicture(w.Control(EntryListBoxId)));
            return check(*picture);
        });
        if (!painted) {
            std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
            picture->Save((name + ".ppm").c_str());
        }
        return painted;
    }
    // Row areas inside the row's edge, where a focus frame could lie.
    RECT Lead(int row) {   // everything left of the text
        RECT r = w.RowRect(row);
        return RECT{1, r.top + 1, 36, r.bottom - 1};
    }
    RECT IconBox(int row) {   // 16 by 16 at x 2, three pixels down
        RECT r = w.RowRect(row);
        return RECT{2, r.top + 3, 18, r.top + 19};
    }
    RECT RightOfIcon(int row) {
        RECT r = w.RowRect(row);
        return RECT{18, r.top + 1, 36, r.bottom - 1};
    }
    RECT AboveIcon(int row) {
        RECT r = w.RowRect(row);
        return RECT{1, r.top + 1, 36, r.top + 3};
    }
    RECT TextArea(int row) {
        RECT r = w.RowRect(row);
        return RECT{36, r.top + 1, r.right - 1, r.bottom - 1};
    }
    // A folder row: its background, the icon in its box and nothing else
    // left of the text, and some text.
    bool FolderRowLooks(const ScreenPicture& p, int row, COLORREF background) {
        return p.AllOf(RightOfIcon(row), background) && p.AllOf(AboveIcon(row), background) &&
               p.AnyBut(IconBox(row), background) && p.AnyBut(TextArea(row), background);
    }
    bool FileRowLooks(const ScreenPicture& p, int row, COLORREF background) {
        return p.AllOf(Lead(row), background) && p.AnyBut(TextArea(row), background);
    }

    std::unique_ptr<ScreenPicture> picture;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
};

TEST_F(RowPainting, FoldersShowTheIconAndTheSelectionIsHighlighted) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_EQ(RootRows, w.Rows());
    ASSERT_EQ(0, w.Selection());
    EXPECT_TRUE(PaintedSoon([&](const ScreenPicture& p) {
        return FolderRowLooks(p, 0, highlight) && FolderRowLooks(p, 1, window) && FolderRowLooks(p, 2, window) &&
               FileRowLooks(p, 3, window);
    })) << "root rows of " << Root();

    w.PressKey(VK_DOWN);
    ASSERT_EQ(1, w.Selection());
    EXPECT_TRUE(PaintedSoon([&](const ScreenPicture& p) {
        return FolderRowLooks(p, 0, window) && FolderRowLooks(p, 1, highlight);
    })) << "after moving the selection down";

    ASSERT_TRUE(w.SelectRow("readme.txt"));
    EXPECT_TRUE(PaintedSoon([&](const ScreenPicture& p) {
        return FileRowLooks(p, 3, highlight) && FolderRowLooks(p, 1, window);
    })) << "a selected file row";
}

// The last column with ink when `text` is drawn from x 0 in `font` as a
// row's text is drawn, with `prefix` 0 or DT_NOPREFIX.
int LastInkOf(const char* text, UINT prefix, HFONT font) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 400;
    info.bmiHeader.biHeight = -20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all = {0, 0, 400, 20};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, text, -1, &all, DT_SINGLELINE | DT_VCENTER | prefix);
    GdiFlush();
    int last = -1;
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 20; ++y)
            if ((pixels[y * 400 + x] & 0xFFFFFF) != 0xFFFFFF) last = x;
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return last;
}

// A folder named by another system with a trailing dot, which the plain
// path rules would shorten to a name that does not exist.
class TrailingDot : public ExtraFolder {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(Add({"Names\\", "Names\\trail.\\", "Names\\trail.\\inside.txt"}));
        ExtraFolder::SetUp();
    }
};

TEST_F(TrailingDot, OpensAndListsItsFiles) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Names"));
    ASSERT_EQ(Rows{"trail."}, w.Rows());
    EXPECT_NE(0, w.RowData(0));
    ASSERT_TRUE(w.Open("trail."));
    ExpectFolderView(w, Root() + "Names\\trail.\\", Rows{"inside.txt"});
    EXPECT_EQ(" 1 Objects", w.Text(StatusBarId));
    ASSERT_NO_FATAL_FAILURE(List());
    EXPECT_EQ("Listing for " + Root() + "Names\\trail.\\\r\n\r\n   Files\r\ninside.txt\r\n", ClipboardText());
    w.Click(BackButtonId);
    EXPECT_EQ("trail.", w.SelectedText());
}

// Run under code page 932 (Wine with a Japanese locale), where these two
// characters end in the byte of "\".
class CodePage932 : public ExtraFolder {
protected:
    void SetUp() override {
        ASSERT_EQ(932u, GetACP()) << "needs the Japanese ANSI code page";
        ASSERT_NO_FATAL_FAILURE(Add({hyo + "\\", hyo + "\\x.txt", hyo + "\\" + so + "\\", hyo + "\\" + so + "\\a.txt"}));
        ExtraFolder::SetUp();
    }
    const std::string hyo = "\x95\x5C", so = "\x83\x5C";
};

TEST_F(CodePage932, BackFromNamesEndingInTheBackslashByte) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open(hyo));
    ExpectFolderView(w, Root() + hyo + "\\", Rows{so, "x.txt"});
    ASSERT_TRUE(w.Open(so));
    ExpectFolderView(w, Root() + hyo + "\\" + so + "\\", Rows{"a.txt"});
    ASSERT_NO_FATAL_FAILURE(List());
    EXPECT_EQ("Listing for " + Root() + hyo + "\\" + so + "\\\r\n\r\n   Files\r\na.txt\r\n", ClipboardText());

    w.Click(BackButtonId);
    ExpectFolderView(w, Root() + hyo + "\\", Rows{so, "x.txt"});
    EXPECT_EQ(so, w.SelectedText());
    EXPECT_EQ(" 2 Objects", w.Text(StatusBarId));
    w.Click(BackButtonId);
    ExpectFolderView(w, Root(), Rows{"Alpha", "Empty", "Work", hyo, "readme.txt"});
    EXPECT_EQ(hyo, w.SelectedText());
    EXPECT_EQ(" 5 Objects", w.Text(StatusBarId));
}

// Names are shown as they are: an ampersand is drawn, not taken as the
// mark of an underlined letter.
TEST_F(RowPainting, AnAmpersandInANameIsDrawn) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Alpha"));
    ASSERT_EQ("Tom & Jerry.txt", w.RowText(0));
    ASSERT_EQ(0, w.Selection());

    ReferenceDialog units;
    ASSERT_TRUE(units.Exists());
    int whole = LastInkOf("Tom & Jerry.txt", DT_NOPREFIX, units.Font());
    int prefixed = LastInkOf("Tom & Jerry.txt", 0, units.Font());
    ASSERT_GT(whole, prefixed);

    int lastInk = -1;
    ASSERT_TRUE(PaintedSoon([&](const ScreenPicture& p) {
        lastInk = p.LastColumnBut(TextArea(0), highlight);
        return p.AllOf(Lead(0), highlight) && lastInk > 36;
    }));
    int withAmpersand = 36 + whole, withoutAmpersand = 36 + prefixed;
    EXPECT_GT(lastInk, (withAmpersand + withoutAmpersand) / 2)
        << "text ends at x " << lastInk << "; drawn whole it would end near " << withAmpersand
        << ", without the ampersand near " << withoutAmpersand;
    EXPECT_LE(lastInk, withAmpersand + 1);
}

}  // namespace
