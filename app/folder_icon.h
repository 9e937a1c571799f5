// The small folder icon that folder rows carry as their item data.
#pragma once

#include <windows.h>

// Sets FolderIconHandle: icon 4 of the shell library at 16 by 16, or the
// stand-in when that cannot be loaded. Called once at start.
void LoadFolderIcon();

// A 16 by 16 folder picture made in code; 0 only if the system is out of
// resources.
HICON MakeStandInFolderIcon();
