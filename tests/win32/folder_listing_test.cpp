// ListFolder over real folders: what the system enumerates, how folders are
// told from files, and the order and count that come out.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "browse/folder_listing.h"
#include "tests/host/host_side.h"
#include "tests/win32/real_system.h"

namespace {

typedef RealSystemTest FolderListingTest;

std::vector<std::string> ShownNames() {
    std::vector<std::string> names;
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        names.push_back(IsFolderEntry(entry) ? "\\" + entry.substr(1) : entry);
    }
    return names;
}

TEST_F(FolderListingTest, FoldersThenTildeFilesThenOtherFilesEachInNameOrder) {
    for (const char* name : {"zeta", "Apps", "~old"}) MakeFolder(Root + name);
    for (const char* name : {"b.txt", "~$note.doc", "A.txt", "_x", "Zulu", "10"}) MakeFile(Root + name);

    ShowRoot();

    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"\\Apps", "\\zeta", "\\~old", "~$note.doc", "10",
                                                      "A.txt", "b.txt", "Zulu", "_x"}));
    EXPECT_EQ(StatusBarText(), " 9 Objects");
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"Apps", "zeta", "~old", "~$note.doc", "10", "A.txt",
                                                     "b.txt", "Zulu", "_x"}));
    // Folder rows carry the whole icon handle, file rows nothing.
    EXPECT_EQ(GetRowData(0), FolderIcon);
    EXPECT_EQ(GetRowData(2), FolderIcon);
    EXPECT_EQ(GetRowData(3), 0);
    EXPECT_EQ(GetRowData(8), 0);
}

TEST_F(FolderListingTest, EveryEntryIsListedWhateverItsAttributesOrName) {
    MakeFolder(Root + "hidden folder", FILE_ATTRIBUTE_HIDDEN);
    MakeFolder(Root + "..dots folder");
    MakeFile(Root + "hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(Root + "system.sys", FILE_ATTRIBUTE_SYSTEM);
    MakeFile(Root + "read only.txt", FILE_ATTRIBUTE_READONLY);
    MakeFile(Root + "Tom & Jerry.txt");
    MakeFile(Root + "..two dots");
    MakeFile(Root + "~");

    ShowRoot();

    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"\\..dots folder", "\\hidden folder", "~",
                                                      "..two dots", "hidden.txt", "read only.txt",
                                                      "system.sys", "Tom & Jerry.txt"}));
    EXPECT_EQ(StatusBarText(), " 8 Objects");
}

TEST_F(FolderListingTest, LongNamesAndPathsBeyondTheOldLimitAreListedWhole) {
    std::string longName(255, 'n');
    std::string deep = Root + std::string(120, 'a') + "\\";
    MakeFolder(deep);
    deep += std::string(120, 'b') + "\\";
    MakeFolder(deep);
    ASSERT_GT(deep.size(), 260u);
    MakeFolder(deep + longName);
    MakeFile(deep + "inside.txt");
    MakeFile(deep + longName.substr(1) + "f");

    ShownEntryCount = ListFolder(deep);
    EXPECT_EQ(ShownEntryCount, 3);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"\\" + longName, "inside.txt", longName.substr(1) + "f"}));
}

// A list that keeps the room it is given, as Windows' does: its answer to
// LB_INITSTORAGE is the number of rows asked for so far.
WNDPROC ListProcedure = nullptr;
std::vector<WPARAM> RoomRequests;
LRESULT CALLBACK KeepingList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    static LRESULT kept = 0;
    if (message == LB_RESETCONTENT) kept = 0;
    LRESULT result = CallWindowProcW(ListProcedure, list, message, wParam, lParam);
    if (message != LB_INITSTORAGE) return result;
    RoomRequests.push_back(wParam);
    return kept += static_cast<LRESULT>(wParam);
}

TEST_F(FolderListingTest, TwelveThousandEntriesAreAllListedInOrder) {
    const int files = 12000;
    ASSERT_NO_FATAL_FAILURE(MakeNumberedFiles(Root, "file ", 100000 + files - 1, 100000));

    ShowRoot();

    ASSERT_EQ(ShownEntryCount, files);
    EXPECT_EQ(StatusBarText(), " 12000 Objects");
    EXPECT_TRUE(std::is_sorted(ShownEntries.begin() + 1, ShownEntries.begin() + 1 + files,
                               [](const std::string& a, const std::string& b) { return CompareEntryKeys(a, b) < 0; }));
    EXPECT_EQ(ShownEntries[1], "file 100000");
    EXPECT_EQ(ShownEntries[files], "file 111999");
    EXPECT_EQ(RowCount(), files);
    EXPECT_EQ(GetRowText(files - 1), "file 111999");

    // Such a list is asked for room once; after that its room is only read.
    HWND list = GetDlgItem(MainDialog, EntryListBoxId);
    ListProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeepingList)));
    RefillEntryList();
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure));
    EXPECT_EQ(RoomRequests, (std::vector<WPARAM>{files, 0}));
    EXPECT_EQ(RowCount(), files);
    RemoveLargeTree(Root);
}

TEST_F(FolderListingTest, AnEmptyOrMissingFolderGivesNoEntries) {
    SetStatusText(" 3 drives");
    MakeFolder(Root + "empty");

    EXPECT_EQ(ListFolder(Root + "empty\\"), 0);
    EXPECT_EQ(StatusBarText(), " 0 Objects");

    SetStatusText(" 3 drives");
    EXPECT_EQ(ListFolder(Root + "missing\\"), 0);
    EXPECT_EQ(StatusBarText(), " 0 Objects");
    EXPECT_EQ(ListFolder("Q:\\nowhere\\"), 0);
}

TEST_F(FolderListingTest, OnlyFoldersCountAsFolders) {
    MakeFolder(Root + "folder");
    MakeFile(Root + "file");

    EXPECT_TRUE(IsFolderPath(Root + "folder"));
    EXPECT_FALSE(IsFolderPath(Root + "file"));
    EXPECT_FALSE(IsFolderPath(Root + "missing"));
    EXPECT_FALSE(IsFolderPath(Root + "fold?r"));
}

// Run as a 32-bit program on 64-bit Windows (a 64-bit prefix with Wine's
// 32-bit half), where the system leads a 32-bit program's file calls on the
// system folder to the 32-bit one unless it is told not to.
typedef RealSystemTest Wow64;

TEST_F(Wow64, TheSystemFolderIsListedAsItHoldsItself) {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64)
        GTEST_SKIP() << "not a 32-bit program on 64-bit Windows: no 64-bit prefix where this start ran";
    // The host's view, through the Windows folder, which no redirection
    // touches.
    wchar_t windows[MAX_PATH] = L"";
    GetWindowsDirectoryW(windows, MAX_PATH);
    std::string names = HostPath(std::wstring(Root.begin(), Root.end())) + "/names";
    ASSERT_EQ(RunHostShell("ls -A " + ShellQuoted(HostPath(windows) + "/system32") + " > " + ShellQuoted(names)), 0);
    std::vector<std::string> expected;
    std::ifstream in(Root + "names");
    for (std::string name; std::getline(in, name);) expected.push_back(name);

    ShownEntryCount = ListFolder(std::string(windows, windows + lstrlenW(windows)) + "\\system32\\");

    std::vector<std::string> listed = ShownNames();
    for (std::string& name : listed) name.erase(0, name[0] == '\\');
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> inOneOnly;
    std::set_symmetric_difference(listed.begin(), listed.end(), expected.begin(), expected.end(),
                                  std::back_inserter(inOneOnly));
    EXPECT_GT(listed.size(), 100u);
    EXPECT_EQ(inOneOnly, std::vector<std::string>{}) << listed.size() << " listed of " << expected.size();
}

}  // namespace
