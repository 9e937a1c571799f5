#include <gtest/gtest.h>

#include "tests/e2e/fixture_drive.h"

namespace {

// The drive must exist before the first program starts, since the program
// probes the drive letters once when it opens.
class FixtureDriveEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(TheFixtureDrive.Mount(error)) << error;
    }
    void TearDown() override { TheFixtureDrive.Unmount(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new FixtureDriveEnvironment);
    return RUN_ALL_TESTS();
}
