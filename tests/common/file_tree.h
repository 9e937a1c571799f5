// Removing the folders that tests make, whatever their entries became while
// a test ran.
#pragma once

#include <string>

// Removes `folder` and everything in it, hidden and read-only entries too,
// and under Wine host links that lead nowhere. Give long paths in the
// "\\?\" form.
void RemoveFolderTree(const std::wstring& folder);
