#include <gtest/gtest.h>

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

}  // namespace
