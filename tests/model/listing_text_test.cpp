#include <gtest/gtest.h>

#include "browse/listing_text.h"
#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "tests/model/fake_platform.h"

namespace {

const std::string Marker(1, FolderMarker);

void Show(const std::string& path, const std::vector<std::string>& entries) {
    CurrentPath = path;
    ShownEntryCount = static_cast<int32_t>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) ShownEntries[i + 1] = entries[i];
}

class ListingText : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(ListingText, FoldersThenFilesUnderTheirTitles) {
    Show("D:\\Work\\", {Marker + "Drafts", Marker + "Old", "notes.txt", "plan.doc"});
    std::string text = BuildListingText();
    EXPECT_EQ(text,
              "Listing for D:\\Work\\\r\n\r\n   Folders\r\nDrafts\r\nOld\r\n\r\n"
              "   Files\r\nnotes.txt\r\nplan.doc\r\n");
    EXPECT_EQ(text.size(), 82u);
}

TEST_F(ListingText, OnlyFilesOrOnlyFoldersHaveOneTitle) {
    Show("D:\\Work\\", {"notes.txt", "plan.doc"});
    EXPECT_EQ(BuildListingText(), "Listing for D:\\Work\\\r\n\r\n   Files\r\nnotes.txt\r\nplan.doc\r\n");
    EXPECT_EQ(BuildListingText().size(), 55u);

    Show("D:\\", {Marker + "A", Marker + "~b"});
    EXPECT_EQ(BuildListingText(), "Listing for D:\\\r\n\r\n   Folders\r\nA\r\n~b\r\n");
}

TEST_F(ListingText, EmptyFolderIsTitledFilesWhateverTheTableStillHolds) {
    Show("D:\\Work\\", {Marker + "Drafts"});
    ShownEntryCount = 0;
    EXPECT_EQ(BuildListingText(), "Listing for D:\\Work\\\r\n\r\n   Files\r\n");
}

TEST_F(ListingText, ListCommandCopiesAndConfirms) {
    Show("D:\\Work\\", {"~tmp", "a"});
    fake::Selected = 1;
    fake::TextLocale = 0x0411;
    ListCommand();
    EXPECT_EQ(fake::Clipboard, "Listing for D:\\Work\\\r\n\r\n   Files\r\n~tmp\r\na\r\n");
    EXPECT_EQ(fake::ClipboardLocale, 0x0411u);
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].kind, InformationMessage);
    EXPECT_EQ(fake::Messages[0].text,
              "A list of these displayed files and folders has been \r\n"
              "sent to the clipboard, where it can then be pasted \r\n"
              "to notePad and printed from there if desired.");
}

TEST_F(ListingText, BusyClipboardIsReportedNotConfirmed) {
    Show("D:\\Work\\", {"a"});
    fake::Clipboard = "earlier";
    fake::ClipboardBusy = true;
    HandleCommand(ListButtonId, 0);
    EXPECT_EQ(fake::Clipboard, "earlier");
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].kind, WarningMessage);
    EXPECT_NE(fake::Messages[0].text.find("could not be placed on the clipboard"), std::string::npos);
    // The epilogue runs after the box all the same.
    EXPECT_EQ(fake::DefaultLookDropped[ListButtonId], 1);
    EXPECT_EQ(fake::FocusReturns, 1);

    // A text that cannot be built for lack of memory says so.
    fake::ClipboardBusy = false;
    Show("D:\\Work\\", {std::string(4000, 'x')});
    fake::LargestAllocation = 2000;
    HandleCommand(ListButtonId, 0);
    fake::LargestAllocation = 0;
    EXPECT_EQ(fake::Clipboard, "earlier");
    ASSERT_EQ(fake::Messages.size(), 2u);
    EXPECT_EQ(fake::Messages[1].kind, WarningMessage);
    EXPECT_EQ(fake::Messages[1].text,
              "The list could not be placed on the clipboard.\r\nThere was not enough memory for it.");
    EXPECT_EQ(fake::DefaultLookDropped[ListButtonId], 2);
}

}  // namespace
