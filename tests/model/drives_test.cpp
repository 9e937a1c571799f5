#include <gtest/gtest.h>

#include "browse/drives.h"
#include "browse/shown_entries.h"
#include "tests/model/fake_platform.h"

namespace {

TEST(DriveDiscovery, ListsUsableLettersInOrderWithTheirCount) {
    fake::Reset();
    fake::Drives = {'D', 'C'};
    EXPECT_EQ(DiscoverDrives(), 2);
    EXPECT_EQ(ShownEntries[1], "C:");
    EXPECT_EQ(ShownEntries[2], "D:");
    EXPECT_EQ(fake::StatusText, " 2 drives");

    // A drive that appears later is found by the next discovery.
    fake::Drives = {'A', 'C', 'D', 'Z'};
    EXPECT_EQ(DiscoverDrives(), 4);
    EXPECT_EQ(ShownEntries[1], "A:");
    EXPECT_EQ(ShownEntries[4], "Z:");
    EXPECT_EQ(fake::StatusText, " 4 drives");
    // No probed drive stays the current one.
    EXPECT_EQ(fake::CurrentFolder, "W:\\Start\\");
}

TEST(DriveDiscovery, NoDriveStillSetsTheCount) {
    fake::Reset();
    ShownEntries[1] = "Q:";
    fake::StatusText = "previous";
    EXPECT_EQ(DiscoverDrives(), 0);
    EXPECT_EQ(fake::StatusText, " 0 drives");
    EXPECT_EQ(ShownEntries[1], "Q:");
}

TEST(NumberText, BlankBeforeNonNegativeMinusBeforeNegative) {
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(27), " 27");
    EXPECT_EQ(NumberText(-3), "-3");
}

}  // namespace
