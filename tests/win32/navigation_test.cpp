// Show and Back on the real window: rows, selection, path label and button
// states after each move, with names and paths of every length.
#include <algorithm>
#include <vector>

#include "app/entry_rows.h"
#include "app/main_dialog.h"
#include "browse/drives.h"
#include "browse/listing_text.h"
#include "platform/win32/text.h"
#include "tests/common/clipboard_text.h"
#include "tests/host/host_side.h"
#include "tests/win32/real_system.h"

namespace {

typedef RealSystemTest NavigationTest;

const int SelectionChanged = LBN_SELCHANGE;
const int DoubleClicked = LBN_DBLCLK;

TEST_F(NavigationTest, AFolderWithALongNameOpensAndIsReselectedAfterBack) {
    std::string longName(254, 'x');
    longName += 'Y';
    MakeFolder(Root + "another");
    MakeFolder(Root + longName);
    MakeFile(Root + longName + "\\inside.txt");
    ShowRoot();

    OpenRow(longName);

    EXPECT_EQ(CurrentPath, Root + longName + "\\");
    EXPECT_EQ(PathLabelText(), CurrentPath);
    EXPECT_EQ(RowTexts(), std::vector<std::string>{"inside.txt"});
    EXPECT_EQ(GetSelectedRow(), 0);
    EXPECT_FALSE(IsButtonEnabled(ShowButtonId));   // row 0 is a file
    EXPECT_TRUE(IsButtonEnabled(BackButtonId));
    EXPECT_TRUE(IsButtonEnabled(ListButtonId));

    BackCommand();

    EXPECT_EQ(CurrentPath, Root);
    EXPECT_EQ(PathLabelText(), Root);
    ASSERT_NE(GetSelectedRow(), ListError);
    EXPECT_EQ(GetRowText(GetSelectedRow()), longName);
    EXPECT_TRUE(IsButtonEnabled(ShowButtonId));
}

TEST_F(NavigationTest, FoldersDeeperThanTheOldPathLimitOpen) {
    std::string level(100, 'd');
    std::string path = Root;
    for (int depth = 0; depth < 3; ++depth) {
        path += level + "\\";
        MakeFolder(path);
    }
    MakeFile(path + "deep.txt");
    ShowRoot();

    for (int depth = 0; depth < 3; ++depth) OpenRow(level);

    EXPECT_EQ(CurrentPath, path);
    EXPECT_GT(CurrentPath.size(), 260u);
    EXPECT_EQ(RowTexts(), std::vector<std::string>{"deep.txt"});
    EXPECT_EQ(StatusBarText(), " 1 Objects");
}

TEST_F(NavigationTest, ADoubleClickOpensAFolderThroughTheWindowAndNotAFile) {
    MakeFolder(Root + "folder");
    MakeFile(Root + "folder\\inner.txt");
    MakeFile(Root + "file.txt");
    ShowRoot();

    SelectRow(FindRowExact("file.txt"));
    HandleCommand(EntryListBoxId, SelectionChanged);
    EXPECT_FALSE(IsButtonEnabled(ShowButtonId));
    HandleCommand(EntryListBoxId, DoubleClicked);
    EXPECT_EQ(CurrentPath, Root);

    SelectRow(FindRowExact("FOLDER"));   // rows are found whatever the case
    HandleCommand(EntryListBoxId, SelectionChanged);
    EXPECT_TRUE(IsButtonEnabled(ShowButtonId));
    // The Show command comes back through the window's own WM_COMMAND.
    HandleCommand(EntryListBoxId, DoubleClicked);
    EXPECT_EQ(CurrentPath, Root + "folder\\");
    EXPECT_EQ(RowTexts(), std::vector<std::string>{"inner.txt"});
    EXPECT_EQ(GetFocus(), GetDlgItem(MainDialog, EntryListBoxId));
}

TEST_F(NavigationTest, AnEmptyFolderShowsNoRowsAndBackLeadsOut) {
    MakeFolder(Root + "empty");
    ShowRoot();

    OpenRow("empty");

    EXPECT_EQ(CurrentPath, Root + "empty\\");
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(GetSelectedRow(), ListError);
    EXPECT_EQ(GetRowData(GetSelectedRow()), ListError);
    EXPECT_EQ(StatusBarText(), " 0 Objects");
    ShowCommand();   // nothing selected: nothing happens
    EXPECT_EQ(CurrentPath, Root + "empty\\");

    BackCommand();
    EXPECT_EQ(GetRowText(GetSelectedRow()), "empty");
}

TEST_F(NavigationTest, TheDrivesOfTheSystemAreListedAndOpened) {
    // The probes leave the current directory where it was: a drive that
    // holds it cannot be ejected.
    ASSERT_TRUE(SetCurrentDirectoryA(Root.c_str()));
    char started[MAX_PATH], now[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, started);
    // A command prompt hands down a folder for each drive; one that is
    // gone must not hide its drive.
    SetEnvironmentVariableA("=Z:", "Z:\\no such folder");
    StartDriveList();
    SetEnvironmentVariableA("=Z:", nullptr);
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STREQ(now, started);

    std::vector<std::string> drives = RowTexts();
    ASSERT_EQ(static_cast<int>(drives.size()), ShownEntryCount);
    EXPECT_NE(std::find(drives.begin(), drives.end(), "C:"), drives.end());
    EXPECT_NE(std::find(drives.begin(), drives.end(), "Z:"), drives.end());
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
    EXPECT_EQ(StatusBarText(), NumberText(ShownEntryCount) + " drives");
    EXPECT_EQ(GetRowData(0), 1);
    EXPECT_FALSE(ProbeDrive('Q'));   // no such drive in a fresh prefix

    OpenRow("C:");
    EXPECT_EQ(CurrentPath, "C:\\");
    EXPECT_EQ(PathLabelText(), "C:\\");
    EXPECT_GT(RowCount(), 0);

    BackCommand();
    EXPECT_EQ(CurrentPath, "");
    EXPECT_EQ(PathLabelText(), "");
    EXPECT_EQ(GetRowText(GetSelectedRow()), "C:");
    EXPECT_FALSE(IsButtonEnabled(BackButtonId));
    EXPECT_FALSE(IsButtonEnabled(ListButtonId));
    EXPECT_EQ(DiscoverDrives(), static_cast<int32_t>(drives.size()));
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STREQ(now, started);
    SetCurrentDirectoryA("C:\\");   // the folder goes with the test
}

// Names that other systems make and the plain path rules rewrite: a
// trailing dot or blank is dropped, a device name names the device.
TEST_F(NavigationTest, NamesThatPlainPathsRewriteOpenAsTheyAreNamed) {
    const std::vector<std::string> names = {"aux", "CON", "LPT9.log", "nul.txt", "space ", "trail."};
    std::string script = "cd " + ShellQuoted(HostPath(std::wstring(Root.begin(), Root.end())));
    for (const std::string& name : names)
        script += " && mkdir " + ShellQuoted(name) + " && : > " + ShellQuoted(name + "/inside.txt");
    ASSERT_EQ(RunHostShell(script), 0) << script;
    MakeFile(Root + "file.txt");
    ShowRoot();

    std::vector<std::string> rows = names;
    rows.push_back("file.txt");
    ASSERT_EQ(RowTexts(), rows);
    for (const std::string& name : names) {
        int row = FindRowExact(name);
        EXPECT_EQ(GetRowData(row), FolderIcon) << name;
        OpenRow(name);
        EXPECT_EQ(CurrentPath, Root + name + "\\");
        EXPECT_EQ(RowTexts(), std::vector<std::string>{"inside.txt"}) << name;
        BackCommand();
        EXPECT_EQ(GetSelectedRow(), row) << name;
    }
    EXPECT_EQ(BuildListingText(), "Listing for " + Root +
                                      "\r\n\r\n   Folders\r\naux\r\nCON\r\nLPT9.log\r\nnul.txt\r\nspace \r\ntrail.\r\n"
                                      "\r\n   Files\r\nfile.txt\r\n");
}

// Folders named with characters that a code page may lack and would turn
// into look-alikes: a full-width twin of dup, a full-width "..", a
// full-width "\" between a and b beside the folder a\b, and "¥", which
// code page 932 lacks. Each holds a file named by its place in the list.
class LookAlikeNames : public RealSystemTest {
protected:
    void MakeLookAlikes() {
        const std::wstring root = ExtendedPath(Root) + L"\\";
        for (size_t i = 0; i < names.size(); ++i) {
            std::wstring folder = root + names[i], file = folder + L"\\" + std::to_wstring(i) + L".txt";
            ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
            CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        }
        MakeFolder(Root + "a\\b");
        ShowRoot();
    }
    // Nothing vanishes, and a row opens exactly the folder its text names,
    // or, holding "?", nothing.
    void ExpectNoRowOpensAnotherEntry() {
        ASSERT_EQ(RowTexts().size(), names.size());
        for (const std::string& row : RowTexts()) {
            size_t place = std::find(names.begin(), names.end(), WideFromAnsi(row)) - names.begin();
            if (GetRowData(FindRowExact(row)) == 0) {
                EXPECT_NE(row.find('?'), std::string::npos) << row;
                continue;
            }
            ASSERT_LT(place, names.size()) << row;
            OpenRow(row);
            EXPECT_EQ(RowTexts().back(), std::to_string(place) + ".txt") << row;
            BackCommand();
        }
    }
    const std::vector<std::wstring> names = {L"dup", L"\uFF44\uFF55\uFF50", L"\uFF0E\uFF0E",
                                             L"a",   L"a\uFF3C" L"b",         L"\u00A5"};
};

// Every row paints, pixel for pixel, what DrawTextW paints for its entry's
// name in the program's own font: the letters the path line shows for it,
// whatever the font's character set.
void ExpectRowsPaintTheirNames(const std::string& root, const MixedLocaleNames& names) {
    MakeFolder(root + names.folder);
    MakeFile(root + names.file);
    CurrentPath = root;
    ShownEntryCount = ListFolder(CurrentPath);
    RefillEntryList();
    ASSERT_EQ(RowCount(), 2);

    HWND dialog = CreateMainDialog(" ");
    HDC dc = CreateCompatibleDC(nullptr);
    const int width = 300, height = 20;
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
    void* bits = nullptr;
    HGDIOBJ bitmap = SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    auto picture = [&] {
        GdiFlush();
        return std::vector<DWORD>(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
    };
    std::vector<std::vector<DWORD>> rows;
    for (UINT row = 0; row < 2; ++row) {
        DRAWITEMSTRUCT request = {ODT_LISTBOX, EntryListBoxId, row, ODA_DRAWENTIRE, 0, nullptr, dc, {0, 0, width, height}};
        DrawEntryRow(MainDialog, &request);
        rows.push_back(picture());
    }
    RECT all = {0, 0, width, height}, text = {36, 0, width, height};
    for (const wchar_t* name : {names.wideFolder, names.wideFile}) {
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
        const std::vector<DWORD> blank = picture();
        DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        EXPECT_NE(picture(), blank);
        EXPECT_NE(std::find(rows.begin(), rows.end(), picture()), rows.end())
            << "no row paints the " << (name == names.wideFolder ? "folder" : "file") << "'s name";
    }
    DeleteObject(SelectObject(dc, bitmap));
    DeleteDC(dc);
    DestroyWindow(dialog);
}

// Run under code page 1252, in a start whose host locale can name every
// character.
class CodePage1252 : public LookAlikeNames {
protected:
    void SetUp() override {
        LookAlikeNames::SetUp();
        ASSERT_EQ(GetACP(), 1252u) << "needs the Western ANSI code page";
    }
};

TEST_F(CodePage1252, NoNameOpensALookAlike) {
    MakeLookAlikes();
    ExpectNoRowOpensAnotherEntry();
    EXPECT_EQ(GetRowData(FindRowExact("???")), 0);
    EXPECT_EQ(GetRowData(FindRowExact("??")), 0);
}

// Run under code page 932 (Wine with a Japanese locale), where these two
// characters end in the byte of "\".
class CodePage932 : public LookAlikeNames {
protected:
    void SetUp() override {
        LookAlikeNames::SetUp();
        ASSERT_EQ(GetACP(), 932u) << "needs the Japanese ANSI code page";
    }
    const std::string hyo = "\x95\x5C", so = "\x83\x5C";
};

TEST_F(CodePage932, NoNameOpensALookAlikeAndTheYenSignIsNoSeparator) {
    MakeLookAlikes();
    ExpectNoRowOpensAnotherEntry();
    EXPECT_EQ(GetRowData(FindRowExact("?")), 0);
}

TEST_F(CodePage932, RowsPaintTheLettersOfTheirNames) { ExpectRowsPaintTheirNames(Root, *NamesOfCodePage(932)); }

TEST_F(CodePage932, BackFromNamesEndingInTheBackslashByteInALongPath) {
    // Five levels of fifty such characters lead beyond the old path limit.
    std::string level, top = Root;
    for (int i = 0; i < 50; ++i) level += hyo;
    for (int depth = 0; depth < 5; ++depth) {
        top += level + "\\";
        MakeFolder(top);
    }
    MakeFolder(top + "keep");
    MakeFolder(top + hyo);
    MakeFile(top + hyo + "\\x.txt");
    MakeFolder(top + hyo + "\\" + so);
    MakeFile(top + hyo + "\\" + so + "\\a.txt");
    CurrentPath = top;
    ShownEntryCount = ListFolder(top);
    RefillEntryList();
    OpenRow(hyo);
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{so, "x.txt"}));
    OpenRow(so);
    EXPECT_EQ(CurrentPath, top + hyo + "\\" + so + "\\");
    EXPECT_EQ(BuildListingText(), "Listing for " + CurrentPath + "\r\n\r\n   Files\r\na.txt\r\n");

    BackCommand();
    EXPECT_EQ(CurrentPath, top + hyo + "\\");
    EXPECT_EQ(PathLabelText(), CurrentPath);
    EXPECT_EQ(GetRowText(GetSelectedRow()), so);
    EXPECT_EQ(StatusBarText(), " 2 Objects");
    BackCommand();
    EXPECT_EQ(CurrentPath, top);
    EXPECT_EQ(GetRowText(GetSelectedRow()), hyo);
    EXPECT_EQ(StatusBarText(), " 2 Objects");
    BackCommand();
    EXPECT_EQ(CurrentPath, top.substr(0, top.size() - level.size() - 1));
    EXPECT_EQ(GetRowText(GetSelectedRow()), level);
}

// Run where the system locale is not the keyboard's: under code page 932,
// 1250 and UTF-8.
typedef RealSystemTest MixedLocale;

TEST_F(MixedLocale, RowsPaintTheLettersOfTheirNames) {
    const MixedLocaleNames* names = MixedLocaleStart();
    ASSERT_TRUE(names) << "needs a system locale other than the keyboard's";
    ExpectRowsPaintTheirNames(Root, *names);
}

}  // namespace
