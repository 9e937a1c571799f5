#include "tests/win32/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

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

void RenameEntry(const std::string& from, const std::string& to) {
    if (!MoveFileExW(ExtendedPath(from).c_str(), ExtendedPath(to).c_str(), 0))
        ADD_FAILURE() << "cannot rename " << from << " to " << to;
}
