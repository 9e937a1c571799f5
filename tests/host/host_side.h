// The host's side of a run under Wine. Some states of a real machine cannot
// be made from inside Windows, or not quickly: a drive letter with nothing
// behind it, a folder entry that is a broken link, a hundred thousand files
// in a few seconds. Wine starts host programs like Windows ones, and maps
// host paths to its drives, so the tests make those states with the host's
// own tools.
#pragma once

#include <windows.h>

#include <string>

// True when this process runs under Wine.
bool UnderWine();

// The host path of a Windows path, and the Windows path of a host path;
// empty when there is none (or when not under Wine).
std::string HostPath(const std::wstring& windowsPath);
std::wstring WindowsPathOf(const std::string& hostPath);

// The host path of the link by which Wine maps drive `letter` ("C") to a
// host folder: "<prefix>/dosdevices/c:". Empty when not under Wine.
std::string DriveLinkPath(char letter);

// `text` in single quotes for the host's shell. Paths of the tests hold no
// single quote; one that does is refused (the result is then empty).
std::string ShellQuoted(const std::string& text);

// Runs `script` with the host's /bin/sh and waits for it to end. Returns
// its exit status, or -1 when it could not be started or did not finish
// within `timeoutMs`. The script must not contain a double quote or a
// backslash: it travels inside one double-quoted Windows argument.
int RunHostShell(const std::string& script, DWORD timeoutMs = 30000);
