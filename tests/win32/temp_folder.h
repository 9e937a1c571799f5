// Real folders and files for the tests, made under the system's temporary
// folder and removed afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "tests/common/file_tree.h"

// A new, empty folder with a name of its own; its path ends in "\".
std::string MakeTempFolder();

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
