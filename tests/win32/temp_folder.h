// Real folders and files for the tests, made under the system's temporary
// folder and removed afterwards. Paths are full ANSI paths; every call goes
// through the "\\?\" form so that long paths can be made and removed
// without relying on the code under test.
#pragma once

#include <windows.h>

#include <string>

// A new, empty folder with a name of its own; its path ends in "\".
std::string MakeTempFolder();

void MakeFolder(const std::string& path, DWORD attributes = 0);
void MakeFile(const std::string& path, DWORD attributes = 0);

// Gives a file or folder another name, as another program would.
void RenameEntry(const std::string& from, const std::string& to);

// Removes a folder and everything in it, hidden and read-only entries too,
// and under Wine host links that lead nowhere.
void RemoveTree(const std::string& path);
