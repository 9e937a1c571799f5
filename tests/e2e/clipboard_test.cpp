// The List command: the listing on the clipboard and what the user is told.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <string>

#include "tests/common/clipboard_text.h"
#include "tests/common/file_tree.h"
#include "tests/e2e/fixture_drive.h"
#include "tests/e2e/wendrel_driver.h"

namespace {

const char Confirmation[] =
    "A list of these displayed files and folders has been \r\n"
    "sent to the clipboard, where it can then be pasted \r\n"
    "to notePad and printed from there if desired.";

std::string Root() { return TheFixtureDrive.Root(); }

class Listing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(w.Start()); }

    // Runs the List command by `press` and returns the text of the box
    // that follows, after closing it; "<no box>" when none came.
    template <class Press>
    std::string ListAndConfirm(Press press) {
        press();
        HWND box = w.WaitForMessageBox();
        if (!box) return "<no box>";
        // The box has no owner: the main window stays usable meanwhile.
        EXPECT_TRUE(IsWindowEnabled(w.Dialog()));
        std::string text = MessageBoxText(box);
        CloseMessageBox(box);
        EXPECT_TRUE(Eventually([&] { return !IsWindow(box); }));
        EXPECT_TRUE(w.Settle());
        return text;
    }

    void ExpectFocusBackInTheList() {
        EXPECT_EQ(w.Control(EntryListBoxId), w.Focus());
        EXPECT_FALSE(w.HasDefaultLook(ListButtonId));
    }

    Wendrel w;
};

TEST_F(Listing, PutsTheShownFolderOnTheClipboardAsText) {
    ASSERT_TRUE(PutOnClipboard("before"));
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Work"));

    EXPECT_EQ(Confirmation, ListAndConfirm([&] { w.Click(ListButtonId); }));
    std::string work = "Listing for " + Root() +
                       "Work\\\r\n\r\n"
                       "   Folders\r\nDrafts\r\nOld\r\n\r\n"
                       "   Files\r\nnotes.txt\r\nplan.doc\r\n";
    bool available = false;
    EXPECT_EQ(work, ClipboardText(&available));
    EXPECT_TRUE(available);
    EXPECT_EQ(82u, work.size());
    ExpectFocusBackInTheList();

    // The selection plays no part; Alt+L is the same command.
    ASSERT_TRUE(PutOnClipboard("between"));
    ASSERT_TRUE(w.SelectRow("plan.doc"));
    EXPECT_EQ(Confirmation, ListAndConfirm([&] { w.PressAlt('l'); }));
    EXPECT_EQ(work, ClipboardText());
    ExpectFocusBackInTheList();
}

TEST_F(Listing, TitlesOnlyTheKindsOfEntryThatAreThere) {
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    EXPECT_EQ(Confirmation, ListAndConfirm([&] { w.Click(ListButtonId); }));
    EXPECT_EQ("Listing for " + Root() +
                  "\r\n\r\n"
                  "   Folders\r\nAlpha\r\nEmpty\r\nWork\r\n\r\n"
                  "   Files\r\nreadme.txt\r\n",
              ClipboardText());

    ASSERT_TRUE(w.Open("Alpha"));
    EXPECT_EQ(Confirmation, ListAndConfirm([&] { w.Click(ListButtonId); }));
    EXPECT_EQ("Listing for " + Root() + "Alpha\\\r\n\r\n   Files\r\nTom & Jerry.txt\r\nzeta.txt\r\n", ClipboardText());

    w.Click(BackButtonId);
    ASSERT_TRUE(w.Open("Work"));
    ASSERT_TRUE(w.Open("Drafts"));
    EXPECT_EQ(Confirmation, ListAndConfirm([&] { w.Click(ListButtonId); }));
    EXPECT_EQ("Listing for " + Root() + "Work\\Drafts\\\r\n\r\n   Files\r\ndraft.txt\r\n", ClipboardText());
}

// The program's private memory, as a task manager shows it.
SIZE_T MemoryOf(const Wendrel& w) {
    PROCESS_MEMORY_COUNTERS counters = {};
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, w.ProcessId());
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    return counters.PagefileUsage;
}

TEST_F(Listing, ManyRoundsOfShowListAndBackLeaveTheMemoryWhereItWas) {
    const std::string many = Root() + "Many\\";
    MakeFolder(many);
    struct Cleanup {
        std::string folder;
        ~Cleanup() { RemoveLargeTree(folder); }
    } cleanup = {many};
    ASSERT_NO_FATAL_FAILURE(MakeNumberedFiles(many, "f", 1, 12000));
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));

    // Five rounds to warm up, then the highest mark of each of the next two
    // tens of rounds: the heap gives back room now and then, so a mark
    // between two rounds says little.
    SIZE_T highest[2] = {0, 0};
    for (int round = 1; round <= 25; ++round) {
        ASSERT_TRUE(w.Open("Many"));
        ASSERT_EQ(12000, w.RowCount());
        ASSERT_EQ(Confirmation, ListAndConfirm([&] { w.Click(ListButtonId); }));
        w.Click(BackButtonId);
        if (round > 5) highest[(round - 6) / 10] = std::max(highest[(round - 6) / 10], MemoryOf(w));
    }
    // One listing's Unicode form, as a heap may keep one more in reserve.
    SIZE_T listing = 2 * (ClipboardText().size() + 1);
    EXPECT_LE(highest[1], highest[0] + listing) << "rounds 6 to 15 rose to " << highest[0] << " bytes";
}

// A window of the test's own that keeps the clipboard open, as another
// program may.
class ClipboardHolder {
public:
    ClipboardHolder() {
        window_ = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        open_ = window_ && OpenClipboardPatiently(window_);
    }
    ~ClipboardHolder() { Release(); }
    bool Holding() const { return open_; }
    void Release() {
        if (open_) CloseClipboard();
        open_ = false;
        if (window_) DestroyWindow(window_);
        window_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    bool open_ = false;
};

TEST_F(Listing, WarnsAndLeavesTheClipboardAloneWhenItIsHeld) {
    ASSERT_TRUE(PutOnClipboard("kept"));
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open("Work"));

    ClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    std::string told = ListAndConfirm([&] { w.Click(ListButtonId); });
    holder.Release();

    EXPECT_NE("<no box>", told);
    EXPECT_NE(Confirmation, told);
    EXPECT_FALSE(told.empty());
    EXPECT_EQ("kept", ClipboardText());
    ExpectFocusBackInTheList();
}

// Run where the system locale's code page is not the keyboard's: a Unicode
// program pastes the names as they are shown, whatever the keyboard.
typedef Listing MixedLocale;

TEST_F(MixedLocale, UnicodeProgramsPasteTheNamesAsShown) {
    const MixedLocaleNames* names = MixedLocaleStart();
    ASSERT_TRUE(names) << "needs a system locale other than the keyboard's";
    // Left for the drive's removal: in this start no other case sees it.
    MakeFolder(Root() + names->folder);
    MakeFile(Root() + names->folder + "\\" + names->file);
    ASSERT_TRUE(w.Open(TheFixtureDrive.Drive()));
    ASSERT_TRUE(w.Open(names->folder));

    EXPECT_EQ(Confirmation, ListAndConfirm([&] { w.Click(ListButtonId); }));
    std::string root = Root();
    EXPECT_EQ("Listing for " + root + names->folder + "\\\r\n\r\n   Files\r\n" + names->file + "\r\n", ClipboardText());
    if (names->locale) {
        EXPECT_EQ(names->locale, ClipboardLocale());
    }
    EXPECT_EQ(L"Listing for " + std::wstring(root.begin(), root.end()) + names->wideFolder +
                  L"\\\r\n\r\n   Files\r\n" + names->wideFile + L"\r\n",
              ClipboardUnicodeText());
}

}  // namespace
