// The browsing state and the commands that move through it.
#pragma once

#include <string>

#include "platform/platform.h"

// The folder shown, ANSI, ending in "\"; empty while the drive list is shown.
extern std::string CurrentPath;

// The folder icon loaded at start; 0 when it could not be loaded. Folder
// rows carry it as their item data.
extern RowData FolderIconHandle;

// Builds the first drive list: drive rows with item data 1, the first one
// selected, Back and List disabled.
void StartDriveList();

// Empties the list and adds one row per shown entry.
void RefillEntryList();

// Recomputes the Show button for the selected row; with `open`, also opens
// the row when it can be opened (through the Show command).
void UpdateSelection(bool open);

void ShowCommand();
void BackCommand();

// Routes a WM_COMMAND from control `id` with notification `code`; runs the
// button epilogue after the commands of the three buttons.
void HandleCommand(int id, int code);
