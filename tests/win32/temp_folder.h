// Real folders and files for the tests, made under the system's temporary
// folder and removed afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "tests/common/file_tree.h"

// A new, empty folder with a name of its own; its path ends in "\".
std::string MakeTempFolder();

// Gives a file or folder another name, as another program would.
void RenameEntry(const std::string& from, const std::string& to);
