#include "tests/common/file_tree.h"

#include <gtest/gtest.h>

#include "tests/host/host_side.h"

namespace {

// Making or removing a hundred thousand files through the host's shell takes
// about a minute where the machine is emulated, as the 32-bit programs are
// where the kernel cannot run them; this only bounds a host that hangs.
const DWORD LargeHostJobMs = 300000;

std::wstring Wide(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(length - 1);
    return wide;
}

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

std::wstring ExtendedPath(const std::string& path) {
    std::wstring wide = Wide(path);
    if (!wide.empty() && wide.back() == L'\\') wide.pop_back();
    return L"\\\\?\\" + wide;
}

void MakeFolder(const std::string& path, DWORD attributes) {
    std::wstring wide = ExtendedPath(path);
    if (!CreateDirectoryW(wide.c_str(), nullptr)) ADD_FAILURE() << "cannot make folder " << path;
    if (attributes) SetFileAttributesW(wide.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFile(const std::string& path, DWORD attributes) {
    HANDLE file = CreateFileW(ExtendedPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              attributes ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) ADD_FAILURE() << "cannot make file " << path;
    else CloseHandle(file);
}

void RemoveTree(const std::string& path) { RemoveFolderTree(ExtendedPath(path)); }

void MakeNumberedFiles(const std::string& folder, const std::string& prefix, int first, int last) {
    int step = first <= last ? 1 : -1;
    if (!UnderWine()) {
        for (int i = first; i != last + step; i += step) MakeFile(folder + prefix + std::to_string(i));
        return;
    }
    std::string hostFolder = HostPath(ExtendedPath(folder));
    std::string host = hostFolder.empty() ? std::string() : ShellQuoted(hostFolder);
    std::string name = ShellQuoted(prefix);
    ASSERT_FALSE(host.empty() || name.empty()) << "no host path for " << folder + prefix;
    // The shell's own loop: names may hold spaces, and the script may hold
    // neither a backslash nor a double quote to split them by lines.
    std::string script = "cd " + host + " && i=" + std::to_string(first) + " && while :; do : > " + name +
                         "$i || exit 1; [ $i -eq " + std::to_string(last) + " ] && break; i=$((i + " +
                         std::to_string(step) + ")); done";
    ASSERT_EQ(RunHostShell(script, LargeHostJobMs), 0) << script;
}

void RemoveLargeTree(const std::string& path) {
    std::string host = UnderWine() ? HostPath(ExtendedPath(path)) : std::string();
    if (!host.empty()) RunHostShell("rm -rf " + ShellQuoted(host), LargeHostJobMs);
    RemoveTree(path);
}
