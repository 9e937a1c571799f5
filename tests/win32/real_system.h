// Tests of the browsing model on the real Windows layer: a hidden window,
// fresh browsing state and a temporary folder for every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "browse/folder_listing.h"
#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "platform/win32/window_handles.h"
#include "tests/win32/temp_folder.h"
#include "tests/win32/test_window.h"

// Uses every bit of the item data, so that a row that kept only 32 of them
// shows in a 64-bit build.
const RowData FolderIcon = static_cast<RowData>(UINTPTR_MAX / 3);

class RealSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateTestWindow();
        CreateShownEntries();
        CurrentPath.clear();
        FolderIconHandle = FolderIcon;
        Root = MakeTempFolder();
    }
    void TearDown() override {
        DestroyTestWindow();
        RemoveTree(Root);
    }

    // Opens the row named `name` of the shown folder with the Show command.
    void OpenRow(const std::string& name) {
        SelectRow(FindRowExact(name));
        ASSERT_NE(GetSelectedRow(), ListError) << name;
        ShowCommand();
    }

    // Shows the test's own folder as if the user had walked there.
    void ShowRoot() {
        CurrentPath = Root;
        ShownEntryCount = ListFolder(CurrentPath);
        RefillEntryList();
        SelectRow(0);
    }

    std::string Root;
};
