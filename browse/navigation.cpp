#include "browse/navigation.h"

#include <new>

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

const char MoreThanListed[] =
    "This folder has more entries than could be listed.\r\n"
    "There was not enough memory for the rest; the list shows those that fit.";

const char OutOfMemory[] = "There was not enough memory to finish this command.";

// False when the list has no room left for the row.
bool AddEntryRow(const char* text, RowData data) {
    int row = AddRow(text);
    if (row < 0) return false;
    SetRowData(row, data);
    return true;
}

void WarnIfCutShort() {
    if (!ListingCutShort) return;
    ListingCutShort = false;
    ShowMessage(MoreThanListed, WarningMessage);
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
    for (int32_t i = 1; i <= ShownEntryCount; ++i) AddEntryRow(ShownEntries[i].c_str(), 1);
    SelectRow(0);
    EnableButton(BackButtonId, false);
    EnableButton(ListButtonId, false);
}

// Allocates nothing: between ResetRows and FinishRows nothing may fail,
// or the list would stay undrawn with fewer rows than the view counts.
void RefillEntryList() {
    size_t textBytes = 0;
    for (int32_t i = 1; i <= ShownEntryCount; ++i) textBytes += ShownEntries[i].size() + 1;
    ResetRows(ShownEntryCount, textBytes);
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        bool added;
        if (IsFolderEntry(entry))
            added = AddEntryRow(entry.c_str() + 1, FolderIconHandle);
        else
            added = AddEntryRow(entry.c_str(), CurrentPath.empty() ? 1 : 0);
        if (!added) {
            // The view, its count and a listing hold the rows that fit.
            ShownEntryCount = i - 1;
            ShowObjectCount(ShownEntryCount);
            ListingCutShort = true;
            break;
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

// Show and Back build what they need first: memory running out there ends
// the command with the view as it was. The listing throws only before it
// writes the table, and what follows it allocates nothing.
void ShowCommand() {
    int row = GetSelectedRow();
    if (row >= 0) {
        std::string path = CurrentPath + GetRowText(row) + '\\';
        int32_t count = ListFolder(path);
        CurrentPath.swap(path);
        ShownEntryCount = count;
        SetPathLabel(CurrentPath);
        EnableButton(BackButtonId, true);
        EnableButton(ListButtonId, true);
        RefillEntryList();
        SelectRow(0);
        WarnIfCutShort();
    }
    DisableShowOnFileRow();
}

void BackCommand() {
    if (CurrentPath.empty()) return;   // Back is disabled at the drive list
    // Without the trailing "\", the parent ends at the last "\" left.
    std::string left = CurrentPath.substr(0, LastCharacterAt(CurrentPath));
    size_t slash = LastBackslashAt(left);
    bool toDrives = slash == std::string::npos;
    std::string parent = toDrives ? std::string() : left.substr(0, slash + 1);
    std::string reselect = toDrives ? std::move(left) : left.substr(slash + 1);
    int32_t count = toDrives ? DiscoverDrives() : ListFolder(parent);

    EnableButton(ShowButtonId, true);
    if (toDrives) {
        EnableButton(BackButtonId, false);
        EnableButton(ListButtonId, false);
    }
    CurrentPath.swap(parent);
    ShownEntryCount = count;
    SetPathLabel(CurrentPath);
    RefillEntryList();
    SelectRow(FindRowExact(reselect));
    WarnIfCutShort();
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
    void (*command)();
    if (id == BackButtonId) command = BackCommand;
    else if (id == ShowButtonId) command = ShowCommand;
    else if (id == ListButtonId) command = ListCommand;
    else return;
    // A command that runs out of memory ends there and the program goes on;
    // the listing and the List command say more where they can.
    try {
        command();
    } catch (const std::bad_alloc&) {
        ShowMessage(OutOfMemory, WarningMessage);
    }
    ButtonEpilogue(id);
}
