// The folders and files that tests make, and their removal whatever their
// entries became while a test ran. ANSI paths are full paths; every call
// goes through the "\\?\" form, so that long paths and names that plain
// paths rewrite can be made and removed without relying on the code under
// test.
#pragma once

#include <windows.h>

#include <string>

// The "\\?\" form of a full ANSI path, without a trailing "\".
std::wstring ExtendedPath(const std::string& path);

// A failure to make one is a failed expectation of the running test.
void MakeFolder(const std::string& path, DWORD attributes = 0);
void MakeFile(const std::string& path, DWORD attributes = 0);

// Removes `folder` and everything in it, hidden and read-only entries too,
// and under Wine host links that lead nowhere. Give long paths in the
// "\\?\" form.
void RemoveFolderTree(const std::wstring& folder);
void RemoveTree(const std::string& path);

// Makes the files `prefix` followed by each number from `first` to `last`
// (counting down when `last` is the smaller), in that order, in `folder`.
// Through the system each one costs Wine a search for a name that differs
// only in case, minutes for a large folder; under Wine the host makes them
// in seconds.
void MakeNumberedFiles(const std::string& folder, const std::string& prefix, int first, int last);

// RemoveTree for a folder of thousands of entries: under Wine, removing them
// one by one takes seconds per ten thousand, so the host removes them first.
void RemoveLargeTree(const std::string& path);
