// The main window as the program builds it, for tests that look at it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

// Creates the hidden dialog with every control of the table (tooltips
// included) and destroys it afterwards.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND dialog = nullptr;
};
