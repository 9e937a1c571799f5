#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "tests/model/fake_platform.h"

using Names = std::vector<std::string>;

namespace {

const RowData Icon = 0x5A5A;   // the folder icon the double stands for

class Navigation : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::Drives = {'C', 'D'};
        fake::AddFolder("C:\\", {"Windows\\"});
        fake::AddFolder("D:\\", {"Projects\\", "readme.txt"});
        fake::AddFolder("D:\\Projects\\", {"Old\\", "New\\", "plan.doc"});
        fake::AddFolder("D:\\Projects\\Old\\", {"a.txt"});
        StartDriveList();
    }

    void Select(int row) {
        fake::Selected = row;
        HandleCommand(EntryListBoxId, 1);
    }
    void Open(int row) {
        fake::Selected = row;
        HandleCommand(EntryListBoxId, 2);
    }
    bool Enabled(int id) { return fake::Enabled[id]; }
    RowData Data(int row) { return fake::Rows.at(row).data; }

    // The drive list as it must look, with `selected` the row selected.
    void ExpectDriveList(int selected) {
        EXPECT_EQ(CurrentPath, "");
        EXPECT_EQ(fake::PathLabel, "");
        EXPECT_EQ(fake::RowTexts(), (Names{"C:", "D:"}));
        EXPECT_EQ(Data(0), 1);
        EXPECT_EQ(Data(1), 1);
        EXPECT_EQ(fake::Selected, selected);
        EXPECT_FALSE(Enabled(BackButtonId));
        EXPECT_FALSE(Enabled(ListButtonId));
        EXPECT_TRUE(Enabled(ShowButtonId));
        EXPECT_EQ(fake::StatusText, " 2 drives");
    }
};

TEST_F(Navigation, StartsAtTheDriveList) { ExpectDriveList(0); }

TEST_F(Navigation, ShowOpensADriveThenAFolder) {
    fake::Selected = 1;
    HandleCommand(ShowButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_EQ(fake::PathLabel, "D:\\");
    EXPECT_TRUE(Enabled(BackButtonId));
    EXPECT_TRUE(Enabled(ListButtonId));
    EXPECT_EQ(fake::RowTexts(), (Names{"Projects", "readme.txt"}));
    EXPECT_EQ(Data(0), Icon);
    EXPECT_EQ(Data(1), 0);
    EXPECT_EQ(fake::Selected, 0);
    EXPECT_EQ(fake::StatusText, " 2 Objects");
    // The button epilogue: plain button look, focus back in the list.
    EXPECT_EQ(fake::DefaultLookDropped[ShowButtonId], 1);
    EXPECT_EQ(fake::FocusReturns, 1);

    HandleCommand(ShowButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\");
    EXPECT_EQ(fake::RowTexts(), (Names{"New", "Old", "plan.doc"}));
}

TEST_F(Navigation, SelectingAFileDisablesShowOnlyInAFolder) {
    Select(1);
    EXPECT_TRUE(Enabled(ShowButtonId));
    Open(1);
    EXPECT_EQ(CurrentPath, "D:\\");
    Select(1);
    EXPECT_FALSE(Enabled(ShowButtonId));
    Select(0);
    EXPECT_TRUE(Enabled(ShowButtonId));
    // A plain selection change opens nothing and runs no epilogue.
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_EQ(fake::Commands.size(), 1u);
}

TEST_F(Navigation, EnterAndDoubleClickOpenFoldersButNotFiles) {
    fake::Selected = 1;
    HandleCommand(DefaultButtonId, 0);   // Enter
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_EQ(fake::Commands, (Names{"102"}));

    Open(1);   // double-click on readme.txt
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_FALSE(Enabled(ShowButtonId));
    fake::Selected = 1;
    HandleCommand(DefaultButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_EQ(fake::Commands.size(), 1u);

    Open(0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\");
    EXPECT_EQ(fake::DefaultLookDropped[ShowButtonId], 2);
}

TEST_F(Navigation, FolderWithoutSubfoldersLeavesShowDisabled) {
    Open(1);
    Open(0);
    Open(1);   // Old holds only a.txt
    EXPECT_EQ(CurrentPath, "D:\\Projects\\Old\\");
    EXPECT_EQ(fake::RowTexts(), (Names{"a.txt"}));
    EXPECT_FALSE(Enabled(ShowButtonId));
}

TEST_F(Navigation, BackReselectsTheFolderLeftThenTheDrive) {
    Open(1);
    Open(0);
    Open(1);
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\");
    EXPECT_EQ(fake::PathLabel, "D:\\Projects\\");
    EXPECT_EQ(fake::Selected, 1);   // Old
    EXPECT_TRUE(Enabled(ShowButtonId));
    EXPECT_EQ(fake::DefaultLookDropped[BackButtonId], 1);

    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_EQ(fake::Selected, 0);   // Projects

    HandleCommand(BackButtonId, 0);
    ExpectDriveList(1);
}

TEST_F(Navigation, BackWhenTheFolderLeftIsGoneSelectsNothing) {
    Open(1);
    Open(0);
    Open(1);
    fake::Folders["D:\\Projects\\"] = {{"New", true}, {"plan.doc", false}};
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(fake::RowTexts(), (Names{"New", "plan.doc"}));
    EXPECT_EQ(fake::Selected, -1);
    EXPECT_TRUE(Enabled(ShowButtonId));

    // Show with nothing selected changes nothing; rows still open afterwards.
    HandleCommand(ShowButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\");
    EXPECT_EQ(fake::RowTexts(), (Names{"New", "plan.doc"}));
    EXPECT_TRUE(Enabled(ShowButtonId));
    Open(0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\New\\");
}

TEST_F(Navigation, EmptyFolderShowsNothingAndBackLeadsOut) {
    fake::AddFolder("D:\\Projects\\New\\", {});
    Open(1);
    Open(0);
    Open(0);   // New
    EXPECT_EQ(CurrentPath, "D:\\Projects\\New\\");
    EXPECT_TRUE(fake::Rows.empty());
    EXPECT_EQ(fake::Selected, -1);
    EXPECT_TRUE(Enabled(ShowButtonId));
    EXPECT_EQ(fake::StatusText, " 0 Objects");
    HandleCommand(ShowButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\New\\");
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\Projects\\");
    EXPECT_EQ(fake::Selected, 0);
}

TEST_F(Navigation, CaseTwinsReselectTheFirstInListOrder) {
    fake::AddFolder("C:\\", {"Twins\\"});
    fake::AddFolder("C:\\Twins\\", {"data\\", "Data\\"});
    Open(0);
    Open(0);
    ASSERT_EQ(fake::RowTexts(), (Names{"Data", "data"}));
    Open(1);
    ASSERT_EQ(CurrentPath, "C:\\Twins\\data\\");
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(fake::Selected, 0);
}

TEST_F(Navigation, MissingFolderIconMakesFoldersBehaveAsFiles) {
    FolderIconHandle = 0;
    Open(1);
    EXPECT_EQ(Data(0), 0);
    Open(0);
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_FALSE(Enabled(ShowButtonId));
}

TEST_F(Navigation, LongNamesAreOpenedAndReselectedWhole) {
    std::string longName(255, 'a');
    fake::AddFolder("D:\\Projects\\", {longName + "\\"});
    fake::AddFolder("D:\\Projects\\" + longName + "\\", {"inside"});
    Open(1);
    Open(0);
    Open(0);   // the long name sorts first
    EXPECT_EQ(CurrentPath, "D:\\Projects\\" + longName + "\\");
    EXPECT_EQ(fake::RowTexts(), (Names{"inside"}));
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(fake::Selected, 0);
    EXPECT_EQ(fake::RowTexts().at(0), longName);
}

TEST_F(Navigation, BackReadsDoubleBytePathsByCharacter) {
    // In code page 932 each is one character whose second byte is that of "\\".
    const std::string hyo = "\x95\x5C", so = "\x83\x5C";
    fake::CodePage = 932;
    fake::AddFolder("D:\\", {hyo + "\\"});
    fake::AddFolder("D:\\" + hyo + "\\", {so + "\\", "x.txt"});
    Open(1);
    Open(1);
    Open(0);
    ASSERT_EQ(CurrentPath, "D:\\" + hyo + "\\" + so + "\\");

    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(CurrentPath, "D:\\" + hyo + "\\");
    EXPECT_EQ(fake::Patterns.back(), CurrentPath + "*.*");
    EXPECT_EQ(fake::Selected, 0);
    EXPECT_EQ(fake::StatusText, " 2 Objects");
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(fake::RowTexts(), (Names{"Projects", hyo, "readme.txt"}));
    EXPECT_EQ(fake::Selected, 1);
}

TEST_F(Navigation, OutOfMemoryEndsTheCommandAndWarns) {
    fake::AddFolder("D:\\Projects\\", {"Many\\"});
    fake::AddFolder("D:\\Projects\\Many\\", {"e", "d", "c", "b", "a"});
    Open(1);
    Open(0);
    fake::FailingEntry = 4;
    Open(0);   // Many: its fourth name cannot be had
    EXPECT_EQ(fake::RowTexts(), (Names{"c", "d", "e"}));
    EXPECT_EQ(fake::StatusText, " 3 Objects");
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].kind, WarningMessage);
    EXPECT_EQ(fake::Messages[0].text,
              "This folder has more entries than could be listed.\r\n"
              "There was not enough memory for the rest; the list shows those that fit.");

    // The list has room for two rows: the view and its count follow it.
    fake::FailingEntry = 0;
    fake::RowSpace = 2;
    HandleCommand(BackButtonId, 0);
    EXPECT_EQ(fake::RowTexts(), (Names{"Many", "New"}));
    EXPECT_EQ(ShownEntryCount, 2);
    EXPECT_EQ(fake::StatusText, " 2 Objects");
    EXPECT_EQ(fake::Selected, 0);
    EXPECT_EQ(fake::Messages.size(), 2u);
    HandleCommand(ListButtonId, 0);
    EXPECT_EQ(fake::Clipboard, "Listing for D:\\Projects\\\r\n\r\n   Folders\r\nMany\r\nNew\r\n");

    // Elsewhere a command that cannot get memory ends and changes nothing.
    fake::RowSpace = 0;
    HandleCommand(BackButtonId, 0);
    std::string longName(300, 'n');
    fake::AddFolder("D:\\", {longName + "\\"});
    Open(0);
    HandleCommand(BackButtonId, 0);
    ASSERT_EQ(fake::RowTexts().at(0), longName);
    size_t messages = fake::Messages.size();
    int epilogues = fake::DefaultLookDropped[ShowButtonId];
    fake::Selected = 0;
    fake::LargestAllocation = 200;   // the row's text cannot be read
    HandleCommand(ShowButtonId, 0);
    fake::LargestAllocation = 0;
    EXPECT_EQ(CurrentPath, "D:\\");
    EXPECT_EQ(fake::RowTexts().size(), 3u);
    ASSERT_EQ(fake::Messages.size(), messages + 1);
    EXPECT_EQ(fake::Messages.back().text, "There was not enough memory to finish this command.");
    EXPECT_EQ(fake::DefaultLookDropped[ShowButtonId], epilogues + 1);
    Open(0);
    EXPECT_EQ(CurrentPath, "D:\\" + longName + "\\");
}

TEST_F(Navigation, OtherCommandsAndNotificationsDoNothing) {
    HandleCommand(2, 0);                   // Escape
    HandleCommand(EntryListBoxId, 4);      // focus notifications
    HandleCommand(EntryListBoxId, 5);
    HandleCommand(999, 0);
    HandleCommand(BackButtonId, 0);        // Back at the drive list
    EXPECT_EQ(CurrentPath, "");
    EXPECT_EQ(fake::RowTexts(), (Names{"C:", "D:"}));
    EXPECT_EQ(fake::Selected, 0);
    EXPECT_TRUE(fake::Commands.empty());
    EXPECT_EQ(fake::DefaultLookDropped[BackButtonId], 1);
}


// ---- memory running out at each allocation of a command ----

const char MoreThanListed[] =
    "This folder has more entries than could be listed.\r\n"
    "There was not enough memory for the rest; the list shows those that fit.";

struct View {
    std::string path, label, status, clipboard;
    std::vector<fake::Row> rows;
    int selected;
    bool back, show, list;
};

View Now() {
    return {CurrentPath, fake::PathLabel, fake::StatusText, fake::Clipboard, fake::Rows, fake::Selected,
            fake::Enabled[BackButtonId], fake::Enabled[ShowButtonId], fake::Enabled[ListButtonId]};
}

bool SameRows(const std::vector<fake::Row>& a, const std::vector<fake::Row>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const fake::Row& x, const fake::Row& y) {
        return x.text == y.text && x.data == y.data;
    });
}

bool Same(const View& a, const View& b) {
    return std::tie(a.path, a.label, a.status, a.clipboard, a.selected, a.back, a.show, a.list) ==
               std::tie(b.path, b.label, b.status, b.clipboard, b.selected, b.back, b.show, b.list) &&
           SameRows(a.rows, b.rows);
}

// Names longer than a string's own buffer, so that each costs allocations,
// enumerated out of order, so that the listing sorts.
void SweptTree() {
    fake::Reset();
    fake::Drives = {'C', 'D'};
    Names names = {"Projects\\", "A folder with a long name\\", "~old and kept folders\\", "readme.txt",
                   "~$a lock file of some length.doc"};
    for (char c = 'z'; c > 'z' - 24; --c) names.push_back(std::string(1, c) + " report of the year.txt");
    fake::AddFolder("D:\\", names);
    fake::AddFolder("D:\\A folder with a long name\\",
                    {"b file with a long name.txt", "Inner folder with a long name\\", "a file with a long name.txt"});
}

void SelectNamed(const std::string& name) {
    Names texts = fake::RowTexts();
    fake::Selected = static_cast<int>(std::find(texts.begin(), texts.end(), name) - texts.begin());
}

void AtDrives() {
    SweptTree();
    StartDriveList();
}
void AtDriveD() {
    AtDrives();
    fake::Selected = 1;
    HandleCommand(ShowButtonId, 0);
    fake::Clipboard = "earlier";
}
void AtDriveDOnAFolder() {
    AtDriveD();
    SelectNamed("A folder with a long name");
}
void AtAFolder() {
    AtDriveDOnAFolder();
    HandleCommand(ShowButtonId, 0);
}

struct SweptCommand {
    const char* name;
    void (*prepare)();
    void (*run)();
    // The drive views hold texts of two bytes, which a string keeps in
    // itself, and the refill only reads the table: these have nothing to
    // fail, and must stay so.
    bool allocatesNothing;
};

const SweptCommand SweptCommands[] = {
    {"start", SweptTree, StartDriveList, true},
    {"Show on a drive", [] { AtDrives(); fake::Selected = 1; }, [] { HandleCommand(ShowButtonId, 0); }, false},
    {"Show on a folder", AtDriveDOnAFolder, [] { HandleCommand(ShowButtonId, 0); }, false},
    {"Enter on a folder", AtDriveDOnAFolder, [] { HandleCommand(DefaultButtonId, 0); }, false},
    {"double-click on a folder", AtDriveDOnAFolder, [] { HandleCommand(EntryListBoxId, 2); }, false},
    {"Back to a folder", AtAFolder, [] { HandleCommand(BackButtonId, 0); }, false},
    {"Back to the drive list", AtDriveD, [] { HandleCommand(BackButtonId, 0); }, true},
    {"refill", AtDriveD, RefillEntryList, true},
    {"List", AtDriveD, [] { HandleCommand(ListButtonId, 0); }, false},
};

// One story: the rows are the shown entries, and the path line, the
// status, the buttons and the clipboard agree with them; it is the view
// before the command, the view after it, or the rows that fit of the
// latter with a warning.
void ExpectSound(const View& before, const View& after, size_t messagesBefore) {
    View now = Now();
    EXPECT_TRUE(fake::Redrawing);
    EXPECT_EQ(fake::OpenSearches, 0);
    EXPECT_EQ(now.label, now.path);
    ASSERT_EQ(now.rows.size(), static_cast<size_t>(ShownEntryCount));
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        bool folder = IsFolderEntry(entry);
        EXPECT_EQ(now.rows[i - 1].text, folder ? entry.substr(1) : entry);
        EXPECT_EQ(now.rows[i - 1].data, folder ? Icon : now.path.empty() ? 1 : 0);
    }
    EXPECT_EQ(now.status, NumberText(ShownEntryCount) + (now.path.empty() ? " drives" : " Objects"));
    EXPECT_EQ(now.back, !now.path.empty());
    EXPECT_EQ(now.list, !now.path.empty());
    EXPECT_EQ(now.show, !(GetRowData(now.selected) == 0 && !now.path.empty()));
    EXPECT_TRUE(now.clipboard == before.clipboard || now.clipboard == after.clipboard);

    bool fits = now.path == after.path && !fake::Messages.empty() && fake::Messages.back().text == MoreThanListed;
    for (const fake::Row& row : now.rows)
        fits = fits && std::any_of(after.rows.begin(), after.rows.end(), [&](const fake::Row& r) {
                   return r.text == row.text && r.data == row.data;
               });
    EXPECT_TRUE(Same(now, before) || Same(now, after) || fits) << "neither the view before nor after";
    // A command that changed nothing says why.
    if (Same(now, before) && !Same(before, after)) EXPECT_GT(fake::Messages.size(), messagesBefore);
}

TEST(OutOfMemory, EveryCommandLeavesOneStoryAtEachAllocation) {
    for (const SweptCommand& command : SweptCommands) {
        for (bool staysOut : {false, true}) {
            command.prepare();
            command.run();
            const View after = Now();
            long points = 0;
            // The first allocation that breaks the command is enough of it.
            const ::testing::TestResult* result = ::testing::UnitTest::GetInstance()->current_test_info()->result();
            int failures = result->total_part_count();
            for (long n = 1; result->total_part_count() == failures; ++n) {
                command.prepare();
                const View before = Now();
                size_t messages = fake::Messages.size();
                fake::AllocationsMade = 0;
                fake::StaysOutOfMemory = staysOut;
                fake::FailingAllocation = n;
                bool escaped = false;
                try {
                    command.run();
                } catch (...) {
                    escaped = true;
                }
                bool failed = fake::AllocationsMade >= n;
                fake::FailingAllocation = 0;
                if (!failed) break;
                ++points;
                SCOPED_TRACE(std::string(command.name) + ", allocation " + std::to_string(n) +
                             (staysOut ? " and on" : " alone"));
                EXPECT_FALSE(escaped) << "an exception left the command";
                ExpectSound(before, after, messages);
                // Once memory is back the command does what it always does.
                if (Same(Now(), before)) {
                    command.run();
                    EXPECT_TRUE(Same(Now(), after)) << "the command fails again with memory back";
                }
            }
            // A sweep that fails nothing checks nothing.
            if (command.allocatesNothing) EXPECT_EQ(points, 0) << command.name << " allocates";
            else EXPECT_GT(points, 0) << command.name << ": no allocation failed";
            if (!staysOut) std::printf("  %s: %ld allocations, each failed in turn\n", command.name, points);
        }
    }
}

}  // namespace
