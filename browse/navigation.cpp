#include "browse/navigation.h"

#include "browse/drives.h"
#include "browse/folder_listing.h"
#include "browse/listing_text.h"
#include "browse/path_text.h"
#include "browse/shown_entries.h"

std::string CurrentPath;
RowData FolderIconHandle = 0;

namespace {

const int SelectionChanged = 1;   // LBN_SELCHANGE
const int DoubleClicked = 2;      // LBN_DBLCLK

void AddEntryRow(const std::string& entry, RowData data) {
    int row = AddRow(entry);
    SetRowData(row, data);
}

// A folder row is disabled like a file only when no icon could be loaded.
void DisableShowOnFileRow() {
    RowData data = GetRowData(GetSelectedRow());
    if (data == 0 && !CurrentPath.empty()) EnableButton(ShowButtonId, false);
}

void ButtonEpilogue(int id) {
    DropDefaultLook(id);
    ReturnFocus();
}

}  // namespace

void StartDriveList() {
    ShownEntryCount = DiscoverDrives();
    for (int32_t i = 1; i <= ShownEntryCount; ++i) AddEntryRow(ShownEntries[i], 1);
    SelectRow(0);
    EnableButton(BackButtonId, false);
    EnableButton(ListButtonId, false);
}

void RefillEntryList() {
    size_t textBytes = 0;
    for (int32_t i = 1; i <= ShownEntryCount; ++i) textBytes += ShownEntries[i].size() + 1;
    ResetRows(ShownEntryCount, textBytes);
    std::string text;
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        if (IsFolderEntry(entry)) {
            text.assign(entry, 1, std::string::npos);
            AddEntryRow(text, FolderIconHandle);
        } else {
            AddEntryRow(entry, CurrentPath.empty() ? 1 : 0);
        }
    }
    FinishRows();
}

void UpdateSelection(bool open) {
    // With no selection both answers are ListError, which counts as a row
    // that can be opened; the Show command then finds nothing to open.
    RowData data = GetRowData(GetSelectedRow());
    EnableButton(ShowButtonId, !(data == 0 && !CurrentPath.empty()));
    if (open && data != 0) ResendCommand(ShowButtonId);
}

void ShowCommand() {
    int row = GetSelectedRow();
    if (row >= 0) {
        CurrentPath += GetRowText(row);
        CurrentPath += '\\';
        ShownEntryCount = ListFolder(CurrentPath);
        SetPathLabel(CurrentPath);
        EnableButton(BackButtonId, true);
        EnableButton(ListButtonId, true);
        RefillEntryList();
        SelectRow(0);
    }
    DisableShowOnFileRow();
}

void BackCommand() {
    if (CurrentPath.empty()) return;   // Back is disabled at the drive list
    EnableButton(ShowButtonId, true);
    CurrentPath.erase(LastCharacterAt(CurrentPath));   // the trailing "\"
    std::string reselect;
    size_t slash = LastBackslashAt(CurrentPath);
    if (slash != std::string::npos) {
        reselect = CurrentPath.substr(slash + 1);
        CurrentPath.erase(slash + 1);
        ShownEntryCount = ListFolder(CurrentPath);
    } else {
        EnableButton(BackButtonId, false);
        EnableButton(ListButtonId, false);
        reselect = CurrentPath;
        CurrentPath.clear();
        ShownEntryCount = DiscoverDrives();
    }
    SetPathLabel(CurrentPath);
    RefillEntryList();
    SelectRow(FindRowExact(reselect));
}

void HandleCommand(int id, int code) {
    if (id == DefaultButtonId) {
        UpdateSelection(true);
        return;
    }
    if (id == EntryListBoxId) {
        if (code == SelectionChanged) UpdateSelection(false);
        if (code == DoubleClicked) UpdateSelection(true);
        return;
    }
    if (id == BackButtonId) BackCommand();
    else if (id == ShowButtonId) ShowCommand();
    else if (id == ListButtonId) ListCommand();
    else return;
    ButtonEpilogue(id);
}
