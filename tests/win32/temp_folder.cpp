#include "tests/win32/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/host/host_side.h"

namespace {

// Making or removing a hundred thousand files through the host's shell takes
// about a minute where the machine is emulated, as the 32-bit programs are
// where the kernel cannot run them; this only bounds a host that hangs.
const DWORD LargeHostJobMs = 300000;

}  // namespace

std::string MakeTempFolder() {
    static int made = 0;
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    int length = WideCharToMultiByte(CP_ACP, 0, temp, -1, nullptr, 0, nullptr, nullptr);
    std::string path(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, temp, -1, &path[0], length, nullptr, nullptr);
    path.resize(length - 1);
    path += "wendrel-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    RemoveTree(path);
    MakeFolder(path);
    return path + "\\";
}

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

void RenameEntry(const std::string& from, const std::string& to) {
    if (!MoveFileExW(ExtendedPath(from).c_str(), ExtendedPath(to).c_str(), 0))
        ADD_FAILURE() << "cannot rename " << from << " to " << to;
}

void RemoveLargeTree(const std::string& path) {
    std::string host = UnderWine() ? HostPath(ExtendedPath(path)) : std::string();
    if (!host.empty()) RunHostShell("rm -rf " + ShellQuoted(host), LargeHostJobMs);
    RemoveTree(path);
}
