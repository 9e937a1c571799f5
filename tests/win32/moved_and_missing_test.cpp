// Folders and drives that change, or cannot be read, while they are shown:
// removed or renamed by another program, held open by one, replaced on the
// host by a link that leads nowhere, and a drive letter with nothing behind
// it. The view must come out right every time, keep the entries that are
// still there, and no box may come up.
#include <algorithm>
#include <vector>

#include "browse/drives.h"
#include "browse/listing_text.h"
#include "tests/host/host_side.h"
#include "tests/win32/real_system.h"

namespace {

typedef std::vector<std::string> Rows;

std::string HostPathOf(const std::string& path) { return HostPath(std::wstring(path.begin(), path.end())); }

class MovedAndMissingTest : public RealSystemTest {
protected:
    void TearDown() override {
        EXPECT_TRUE(boxes.Seen().empty()) << boxes.Describe();
        RealSystemTest::TearDown();
    }

    // The folder view of `path` with nothing selected, as Back leaves it
    // when the folder it came from is no longer there.
    void ExpectUnselectedView(const std::string& path, const Rows& rows) {
        EXPECT_EQ(CurrentPath, path);
        EXPECT_EQ(PathLabelText(), path);
        EXPECT_EQ(RowTexts(), rows);
        EXPECT_EQ(GetSelectedRow(), ListError);
        EXPECT_TRUE(IsButtonEnabled(ShowButtonId));
        EXPECT_TRUE(IsButtonEnabled(BackButtonId));
        EXPECT_TRUE(IsButtonEnabled(ListButtonId));
        EXPECT_EQ(StatusBarText(), NumberText(static_cast<int32_t>(rows.size())) + " Objects");
    }

    BoxWatch boxes;
};

// A folder with a subfolder B (holding one file), a second folder and a
// file.
void MakeParentWithB(const std::string& root) {
    MakeFolder(root + "B");
    MakeFile(root + "B\\inner.txt");
    MakeFolder(root + "keep");
    MakeFile(root + "note.txt");
}

TEST_F(MovedAndMissingTest, AFolderRemovedWhileOpenIsGoneAfterBackAndNothingIsSelected) {
    MakeParentWithB(Root);
    ShowRoot();
    OpenRow("B");
    ASSERT_EQ(RowTexts(), Rows{"inner.txt"});

    RemoveTree(Root + "B");
    BackCommand();

    ExpectUnselectedView(Root, Rows{"keep", "note.txt"});
    // With nothing selected Show changes nothing; the folder left still opens.
    ShowCommand();
    EXPECT_EQ(CurrentPath, Root);
    EXPECT_EQ(RowTexts(), (Rows{"keep", "note.txt"}));
    OpenRow("keep");
    EXPECT_EQ(CurrentPath, Root + "keep\\");
}

TEST_F(MovedAndMissingTest, AFolderRemovedAfterItWasListedOpensEmptyAndBackLeadsOut) {
    MakeParentWithB(Root);
    ShowRoot();

    RemoveTree(Root + "B");
    OpenRow("B");

    ExpectUnselectedView(Root + "B\\", Rows{});
    // The table still holds the parent's entries; none may reach the listing.
    EXPECT_EQ(BuildListingText(), "Listing for " + Root + "B\\\r\n\r\n   Files\r\n");
    BackCommand();
    ExpectUnselectedView(Root, Rows{"keep", "note.txt"});
}

TEST_F(MovedAndMissingTest, ATreeRemovedAboveTheShownFolderEmptiesEachLevelOnTheWayOut) {
    MakeFolder(Root + "B");
    MakeFolder(Root + "B\\C");
    MakeFile(Root + "B\\C\\deep.txt");
    MakeFolder(Root + "keep");
    ShowRoot();
    OpenRow("B");
    OpenRow("C");

    RemoveTree(Root + "B");
    BackCommand();
    ExpectUnselectedView(Root + "B\\", Rows{});
    BackCommand();
    ExpectUnselectedView(Root, Rows{"keep"});
}

TEST_F(MovedAndMissingTest, AFolderRenamedWhileOpenIsListedUnderItsNewNameAndNothingIsSelected) {
    MakeParentWithB(Root);
    ShowRoot();
    OpenRow("B");

    RenameEntry(Root + "B", Root + "C");
    BackCommand();

    ExpectUnselectedView(Root, Rows{"C", "keep", "note.txt"});
    EXPECT_EQ(GetRowData(0), FolderIcon);
    OpenRow("C");
    EXPECT_EQ(RowTexts(), Rows{"inner.txt"});
}

// Another program's handle on a folder that shares nothing: while it is
// open the folder cannot be searched (the system answers with a sharing
// violation), though it is still there and still a folder.
class ExclusiveHold {
public:
    explicit ExclusiveHold(const std::string& folder) {
        std::wstring wide(folder.begin(), folder.end());
        handle_ = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                              nullptr);
    }
    ~ExclusiveHold() { Release(); }
    bool Holding() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holding()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

TEST_F(MovedAndMissingTest, AFolderThatCannotBeReadOpensEmptyAndBackReselectsIt) {
    MakeFolder(Root + "locked");
    MakeFile(Root + "locked\\inside.txt");
    MakeFile(Root + "other.txt");
    ShowRoot();

    ExclusiveHold hold(Root + "locked");
    ASSERT_TRUE(hold.Holding());
    ASSERT_TRUE(IsFolderPath(Root + "locked"));
    OpenRow("locked");

    ExpectUnselectedView(Root + "locked\\", Rows{});
    BackCommand();
    EXPECT_EQ(RowTexts(), (Rows{"locked", "other.txt"}));
    ASSERT_NE(GetSelectedRow(), ListError);
    EXPECT_EQ(GetRowText(GetSelectedRow()), "locked");

    // It was the hold, not the folder: released, the folder reads again.
    hold.Release();
    OpenRow("locked");
    EXPECT_EQ(RowTexts(), Rows{"inside.txt"});
}

TEST_F(MovedAndMissingTest, FoldersReplacedByBrokenLinksOnTheHostOpenEmptyAndDropOutOfTheList) {
    if (!UnderWine()) GTEST_SKIP() << "host links need Wine";
    MakeFolder(Root + "dangling");
    MakeFolder(Root + "loop");
    MakeFile(Root + "loop\\inside.txt");
    MakeFile(Root + "keep.txt");
    ShowRoot();
    ASSERT_EQ(RowTexts(), (Rows{"dangling", "loop", "keep.txt"}));

    // One link to a path that does not exist, one that leads to itself.
    std::string script = "cd " + ShellQuoted(HostPathOf(Root)) +
                         " && rm -rf dangling loop && ln -s /nonexistent/wendrel dangling && ln -s loop loop";
    ASSERT_EQ(RunHostShell(script), 0);

    OpenRow("dangling");
    ExpectUnselectedView(Root + "dangling\\", Rows{});
    // The system does not enumerate a link it cannot follow.
    BackCommand();
    ExpectUnselectedView(Root, Rows{"keep.txt"});
    EXPECT_EQ(ListFolder(Root + "loop\\"), 0);
    EXPECT_FALSE(IsFolderPath(Root + "loop"));
    EXPECT_EQ(RowTexts(), Rows{"keep.txt"});
}

// Drive letters linked to host folders for one test, unlinked afterwards.
class DriveLinks {
public:
    ~DriveLinks() {
        for (const std::string& link : links_) RunHostShell("rm -f " + ShellQuoted(link));
    }
    bool Link(char letter, const std::string& hostTarget) {
        std::string link = DriveLinkPath(letter);
        if (link.empty()) return false;
        links_.push_back(link);
        return RunHostShell("ln -sfn " + ShellQuoted(hostTarget) + " " + ShellQuoted(link)) == 0;
    }

private:
    std::vector<std::string> links_;
};

// Letters from P: on that no drive answers to.
std::vector<char> FreeLetters(size_t wanted) {
    std::vector<char> letters;
    DWORD used = GetLogicalDrives();
    for (char letter = 'P'; letter <= 'V' && letters.size() < wanted; ++letter)
        if (!(used & (1u << (letter - 'A'))) && !ProbeDrive(letter)) letters.push_back(letter);
    return letters;
}

TEST_F(MovedAndMissingTest, ADriveLetterWithNothingBehindItIsNotListedNorCounted) {
    if (!UnderWine()) GTEST_SKIP() << "drive links need Wine";
    std::vector<char> letters = FreeLetters(2);
    ASSERT_EQ(letters.size(), 2u);
    std::string live = std::string(1, letters[0]) + ":";
    std::string dead = std::string(1, letters[1]) + ":";
    MakeFolder(Root + "drive");
    MakeFile(Root + "drive\\on the drive.txt");
    StartDriveList();
    Rows before = RowTexts();

    {
        DriveLinks links;
        ASSERT_TRUE(links.Link(letters[0], HostPathOf(Root + "drive")));
        ASSERT_TRUE(links.Link(letters[1], HostPathOf(Root + "no such folder")));

        // The live letter shows that the links are read; Back then probes
        // every letter afresh.
        ShownEntryCount = DiscoverDrives();
        RefillEntryList();
        OpenRow(live);
        ASSERT_EQ(RowTexts(), Rows{"on the drive.txt"});
        SetErrorMode(0);
        BackCommand();
        EXPECT_EQ(GetErrorMode(), 0u);

        Rows expected = before;
        expected.insert(std::upper_bound(expected.begin(), expected.end(), live), live);
        EXPECT_EQ(RowTexts(), expected);
        EXPECT_EQ(ShownEntryCount, static_cast<int32_t>(expected.size()));
        EXPECT_EQ(StatusBarText(), NumberText(ShownEntryCount) + " drives");
        EXPECT_EQ(GetRowText(GetSelectedRow()), live);
        EXPECT_FALSE(ProbeDrive(dead[0]));
        EXPECT_EQ(ListFolder(dead + "\\"), 0);
    }

    EXPECT_EQ(DiscoverDrives(), static_cast<int32_t>(before.size()));
}

}  // namespace
