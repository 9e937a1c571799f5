// The far ends of what a real disk holds: a path of more than a thousand
// characters walked down and back up, and a folder of a hundred thousand
// entries opened and listed to the clipboard.
#include <algorithm>
#include <cstring>
#include <vector>

#include "browse/listing_text.h"
#include "tests/common/clipboard_text.h"
#include "tests/win32/real_system.h"

namespace {

typedef std::vector<std::string> Rows;

class DeepAndLargeTest : public RealSystemTest {
protected:
    // Runs the List command; the watch answers its message box.
    std::string ListToClipboard() {
        BoxWatch boxes;
        ListCommand();
        EXPECT_EQ(boxes.Seen().size(), 1u) << boxes.Describe();
        if (!boxes.Seen().empty()) EXPECT_EQ(boxes.Seen()[0].title, "Wendrel");
        bool available = false;
        std::string text = ClipboardText(&available);
        EXPECT_TRUE(available);
        return text;
    }
};

// Where two long texts part, with a little of each side, instead of both
// texts whole.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
    size_t at = std::mismatch(actual.begin(), actual.begin() + std::min(actual.size(), expected.size()),
                              expected.begin())
                    .first -
                actual.begin();
    if (at == actual.size() && at == expected.size()) return "";
    size_t from = at < 40 ? 0 : at - 40;
    return "differ at byte " + std::to_string(at) + ": got \"" + actual.substr(from, 80) + "\", expected \"" +
           expected.substr(from, 80) + "\"";
}

// A folder name of 120 characters for each level.
std::string LevelName(int level) {
    std::string name = "level " + std::to_string(10 + level) + " ";
    return name + std::string(120 - name.size(), 'x');
}

TEST_F(DeepAndLargeTest, APathOfMoreThanAThousandCharactersOpensLevelByLevelAndBackClimbsOut) {
    const int levels = 9;
    // A sibling on every level sorts before the way down, so that the row
    // Back selects is never simply the first one.
    std::vector<std::string> paths = {Root};
    for (int level = 0; level < levels; ++level) {
        MakeFolder(paths.back() + "a sibling");
        paths.push_back(paths.back() + LevelName(level) + "\\");
        MakeFolder(paths.back());
    }
    MakeFile(paths.back() + "deepest.txt");
    ASSERT_GT(paths.back().size(), 1000u);
    ShowRoot();

    for (int level = 0; level < levels; ++level) {
        OpenRow(LevelName(level));
        ASSERT_EQ(CurrentPath, paths[level + 1]);
        Rows expected = level + 1 < levels ? Rows{"a sibling", LevelName(level + 1)} : Rows{"deepest.txt"};
        EXPECT_EQ(RowTexts(), expected) << "level " << level;
        EXPECT_EQ(GetSelectedRow(), 0);
    }
    EXPECT_EQ(PathLabelText(), paths.back());
    EXPECT_EQ(StatusBarText(), " 1 Objects");
    EXPECT_EQ(ListToClipboard(), "Listing for " + paths.back() + "\r\n\r\n   Files\r\ndeepest.txt\r\n");

    for (int level = levels - 1; level >= 0; --level) {
        BackCommand();
        ASSERT_EQ(CurrentPath, paths[level]);
        EXPECT_EQ(PathLabelText(), paths[level]);
        ASSERT_NE(GetSelectedRow(), ListError) << "level " << level;
        EXPECT_EQ(GetRowText(GetSelectedRow()), LevelName(level));
        EXPECT_TRUE(IsButtonEnabled(ShowButtonId));
    }
}

TEST_F(DeepAndLargeTest, AHundredThousandEntriesAreOpenedAndListedToTheClipboardWhole) {
    const int files = 99997;
    const Rows folders = {"d1", "d2", "d3"};
    const std::string many = Root + "many\\";
    MakeFolder(many);
    for (const std::string& folder : folders) MakeFolder(many + folder);
    ASSERT_NO_FATAL_FAILURE(MakeNumberedFiles(many, "f", 1, files));
    struct Cleanup {
        std::string folder;
        ~Cleanup() { RemoveLargeTree(folder); }
    } cleanup = {many};
    ShowRoot();

    OpenRow("many");

    // Only "f" and digits: byte order is the listing's order.
    Rows names;
    for (int i = 1; i <= files; ++i) names.push_back("f" + std::to_string(i));
    std::sort(names.begin(), names.end());
    names.insert(names.begin(), folders.begin(), folders.end());
    ASSERT_EQ(ShownEntryCount, 100000);
    EXPECT_EQ(StatusBarText(), " 100000 Objects");
    ASSERT_EQ(RowCount(), 100000);
    // Every row costs two messages; a stride through the list, its ends and
    // the turn from folders to files stand for the whole of it.
    for (int row = 0; row < 100000; row += row < 8 ? 1 : 97) EXPECT_EQ(GetRowText(row), names[row]) << row;
    EXPECT_EQ(GetRowText(99999), names.back());
    EXPECT_EQ(GetRowData(2), FolderIcon);
    EXPECT_EQ(GetRowData(3), 0);

    std::string listing = ListToClipboard();

    size_t expectedBytes = std::strlen("Listing for ") + many.size() + 2 + 2 + std::strlen("   Folders") + 2 +
                           2 + std::strlen("   Files") + 2;
    for (const std::string& name : names) expectedBytes += name.size() + 2;
    EXPECT_EQ(listing.size(), expectedBytes);
    std::string expected = "Listing for " + many + "\r\n\r\n   Folders\r\n";
    for (const std::string& name : names) {
        if (name == "f1") expected += "\r\n   Files\r\n";
        expected += name + "\r\n";
    }
    EXPECT_EQ(FirstDifference(listing, expected), "");

    BackCommand();
    EXPECT_EQ(RowTexts(), Rows{"many"});
    EXPECT_EQ(GetSelectedRow(), 0);
}

}  // namespace
