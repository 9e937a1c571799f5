#include <gtest/gtest.h>

#include <algorithm>

#include "browse/folder_listing.h"
#include "browse/shown_entries.h"
#include "tests/model/fake_platform.h"

using Names = std::vector<std::string>;

namespace {

class FolderListing : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }

    Names List(const std::string& path) {
        ShownEntryCount = ListFolder(path);
        return fake::Shown();
    }
};

TEST_F(FolderListing, FoldersFirstThenTildeFilesThenFilesEachByName) {
    fake::AddFolder("D:\\Box\\", {"zeta\\", "b.txt", "Apps\\", "~$note.doc", "~old\\", "A.txt"});
    EXPECT_EQ(List("D:\\Box\\"), (Names{"\\Apps", "\\zeta", "\\~old", "~$note.doc", "A.txt", "b.txt"}));
    EXPECT_EQ(fake::StatusText, " 6 Objects");
    EXPECT_EQ(fake::Patterns.back(), "D:\\Box\\*.*");
    EXPECT_EQ(fake::OpenSearches, 0);
}

TEST_F(FolderListing, OrderDoesNotDependOnEnumerationOrder) {
    fake::AddFolder("C:\\a\\", {"Beta", "alpha"});
    fake::AddFolder("C:\\b\\", {"alpha", "Beta"});
    EXPECT_EQ(List("C:\\a\\"), (Names{"alpha", "Beta"}));
    EXPECT_EQ(List("C:\\b\\"), (Names{"alpha", "Beta"}));

    // Names after the letters under the folded order.
    fake::AddFolder("C:\\c\\", {"_x", "Zeta"});
    fake::AddFolder("C:\\d\\", {"Zeta", "_x"});
    EXPECT_EQ(List("C:\\c\\"), (Names{"Zeta", "_x"}));
    EXPECT_EQ(List("C:\\d\\"), (Names{"Zeta", "_x"}));

    // Names equal but for letter case come out the same either way.
    fake::AddFolder("C:\\e\\", {"readme", "README", "ReadMe"});
    fake::AddFolder("C:\\f\\", {"ReadMe", "readme", "README"});
    EXPECT_EQ(List("C:\\e\\"), List("C:\\f\\"));
}

TEST_F(FolderListing, CollationFoldsOnlyAsciiLetters) {
    fake::AddFolder("C:\\x\\", {"\xE9t\xE9", "zz", "10", "[b]", "Zz", "2", "a"});
    EXPECT_EQ(List("C:\\x\\"), (Names{"10", "2", "a", "Zz", "zz", "[b]", "\xE9t\xE9"}));
    EXPECT_LT(CompareEntryKeys("ab", "ABC"), 0);
    EXPECT_GT(CompareEntryKeys("b", "A"), 0);
    EXPECT_EQ(CompareEntryKeys("same", "same"), 0);
}

TEST_F(FolderListing, LoneTildeFileKeepsItsName) {
    fake::AddFolder("C:\\t\\", {"~tmp"});
    EXPECT_EQ(List("C:\\t\\"), (Names{"~tmp"}));
    for (const std::string& entry : ShownEntries)
        EXPECT_EQ(entry.find('\x01'), std::string::npos);
}

TEST_F(FolderListing, DotsAreSkippedButNamesStartingWithTwoDotsAreListed) {
    fake::AddFolder("C:\\d\\", {"..hidden", "...", "x"});
    EXPECT_EQ(List("C:\\d\\"), (Names{"...", "..hidden", "x"}));
    EXPECT_EQ(fake::StatusText, " 3 Objects");
}

TEST_F(FolderListing, DriveRootIsSearchedWithItsPattern) {
    fake::AddFolder("C:\\", {"Windows\\", "boot.ini"});
    EXPECT_EQ(List("C:\\"), (Names{"\\Windows", "boot.ini"}));
    EXPECT_EQ(fake::Patterns.back(), "C:\\*.*");
}

TEST_F(FolderListing, EmptyOrUnreadableFolderCountsZeroAndKeepsTheTable) {
    fake::AddFolder("C:\\full\\", {"one", "two"});
    fake::AddFolder("C:\\empty\\", {});
    fake::AddFolder("C:\\locked\\", {"secret"});
    fake::Unreadable.insert("C:\\locked\\");
    List("C:\\full\\");

    for (const char* path : {"C:\\empty\\", "C:\\locked\\", "C:\\gone\\"}) {
        fake::StatusText = "previous";
        EXPECT_EQ(ListFolder(path), 0) << path;
        EXPECT_EQ(fake::StatusText, " 0 Objects") << path;
        EXPECT_EQ(ShownEntries[1], "one") << path;
        EXPECT_EQ(fake::OpenSearches, 0) << path;
    }
}

TEST_F(FolderListing, NameWithSubstituteCharacterCountsAsFile) {
    // The conversion to the ANSI code page put "?" for a character it lacks:
    // the kind query fails and the folder can only be listed as a file.
    fake::Folders["C:\\w\\"] = {{"Caf?", true}, {"Real", true}};
    EXPECT_EQ(List("C:\\w\\"), (Names{"\\Real", "Caf?"}));
}

TEST_F(FolderListing, LargeFolderIsListedWhole) {
    Names names;
    for (int i = 25000; i > 0; --i) names.push_back("f" + std::to_string(i));
    names.push_back("sub\\");
    fake::AddFolder("C:\\big\\", names);
    ShownEntryCount = ListFolder("C:\\big\\");
    ASSERT_EQ(ShownEntryCount, 25001);
    EXPECT_EQ(fake::StatusText, " 25001 Objects");
    EXPECT_EQ(ShownEntries[1], std::string(1, '\0') + "sub");
    EXPECT_EQ(ShownEntries[2], "f1");
    EXPECT_EQ(ShownEntries[3], "f10");
    EXPECT_EQ(ShownEntries[25001], "f9999");
    for (int32_t i = 2; i < ShownEntryCount; ++i)
        ASSERT_LT(CompareEntryKeys(ShownEntries[i], ShownEntries[i + 1]), 0) << i;
    EXPECT_TRUE(ShownEntries[0].empty());
}

TEST_F(FolderListing, OutOfMemoryListsWhatWasStoredInOrder) {
    Names names;
    for (int i = 12000; i > 0; --i) names.push_back("f" + std::to_string(i));
    fake::AddFolder("C:\\big\\", names);
    auto inOrder = [] { return std::is_sorted(ShownEntries.begin() + 1, ShownEntries.begin() + 1 + ShownEntryCount, EntryLess); };

    // The system cannot convert the 10,001st name.
    fake::FailingEntry = 10001;
    ShownEntryCount = ListFolder("C:\\big\\");
    EXPECT_TRUE(ListingCutShort);
    EXPECT_EQ(ShownEntryCount, 10000);
    EXPECT_EQ(fake::StatusText, " 10000 Objects");
    EXPECT_EQ(fake::OpenSearches, 0);
    EXPECT_EQ(ShownEntries[1], "f10000");
    EXPECT_TRUE(inOrder());

    // The table cannot grow past its first 10,000 slots.
    fake::FailingEntry = 0;
    fake::LargestAllocation = 200 * 1024;
    ShownEntryCount = ListFolder("C:\\big\\");
    fake::LargestAllocation = 0;
    EXPECT_TRUE(ListingCutShort);
    EXPECT_EQ(ShownEntryCount, 10000);
    EXPECT_TRUE(inOrder());

    // The sort's own buffers cannot be had: it sorts in place, nothing lost.
    for (int i = 50000; i > 12000; --i) names.push_back("f" + std::to_string(i));
    fake::LargestAllocation = 256 * 1024;
    SortEntries(names.data(), names.data() + names.size());
    fake::LargestAllocation = 0;
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), EntryLess));
    EXPECT_EQ(names.size(), 50000u);
}

}  // namespace
