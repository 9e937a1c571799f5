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

// Makes the files `prefix` followed by each number from `first` to `last`
// (counting down when `last` is the smaller), in that order, in `folder`.
// Through the system each one costs Wine a search for a name that differs
// only in case, minutes for a large folder; under Wine the host makes them
// in seconds.
void MakeNumberedFiles(const std::string& folder, const std::string& prefix, int first, int last);

// RemoveTree for a folder of thousands of entries: under Wine, removing them
// one by one takes seconds per ten thousand, so the host removes them first.
void RemoveLargeTree(const std::string& path);

// Gives a file or folder another name, as another program would.
void RenameEntry(const std::string& from, const std::string& to);

// Removes a folder and everything in it, hidden and read-only entries too,
// and under Wine host links that lead nowhere.
void RemoveTree(const std::string& path);
