#include "tests/common/file_tree.h"

#include <windows.h>

#include "tests/host/host_side.h"

namespace {

void RemoveEnumerable(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            // A read-only entry refuses deletion.
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveEnumerable(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

void RemoveFolderTree(const std::wstring& folder) {
    RemoveEnumerable(folder);
    // Wine does not enumerate a host link that leads nowhere, so a folder
    // holding one cannot be emptied from this side.
    if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES || !UnderWine()) return;
    std::string host = ShellQuoted(HostPath(folder));
    if (host.size() > 2) RunHostShell("rm -rf " + host);
}
