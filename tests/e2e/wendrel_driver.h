// Starts Wendrel.exe and works its window from outside, through the
// messages that a user's keys and clicks would produce, and reads back what
// the user would see.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"   // the main window's control ids

extern const wchar_t MainTitle[];   // "Wendrel - Ver 1.05"

// Everything a user reads off the window at a glance, to tell that an
// action changed nothing.
struct View {
    std::string path;
    std::string status;
    std::vector<std::string> rows;
    int selection = -1;
    bool backEnabled = false;
    bool showEnabled = false;
    bool listEnabled = false;
};
bool operator==(const View& a, const View& b);
void PrintTo(const View& view, std::ostream* out);

// Polls `condition` until it holds or `timeoutMs` have passed.
template <class Condition>
bool Eventually(Condition condition, DWORD timeoutMs = 3000) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return condition();
        Sleep(10);
    }
}

class Wendrel {
public:
    Wendrel() = default;
    Wendrel(const Wendrel&) = delete;
    Wendrel& operator=(const Wendrel&) = delete;
    // Closes any message box left open and ends a program still running.
    ~Wendrel();

    // Starts the program and waits for its main window to show.
    ::testing::AssertionResult Start();

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    DWORD ProcessId() const { return process_.dwProcessId; }
    DWORD ThreadId() const { return process_.dwThreadId; }
    bool Running() const;

    // Returns once every message posted to the program so far, and every
    // message those produced in turn, has been handled.
    ::testing::AssertionResult Settle();

    // ---- what the user sees ----
    int RowCount() const;
    std::string RowText(int row) const;
    LRESULT RowData(int row) const;
    std::vector<std::string> Rows() const;
    int Selection() const;
    std::string SelectedText() const;
    int RowHeight() const;
    View Look() const;
    std::string Text(int id) const;       // a control's text (path label, status bar)
    bool Enabled(int id) const;
    bool HasDefaultLook(int id) const;     // BS_DEFPUSHBUTTON
    HWND Focus() const;                    // keyboard focus of the program's thread
    RECT ClientRectOf(HWND window) const;  // in the main window's client coordinates
    RECT ClientRectOf(int id) const { return ClientRectOf(Control(id)); }
    // A row's rectangle in the list's client coordinates.
    RECT RowRect(int row) const;

    // ---- what the user does ----
    // A key pressed and released while the list has the focus.
    void PressKey(WORD key);
    // Alt with a letter, as the dialog's mnemonics receive it.
    void PressAlt(char letter);
    void Click(int id);
    void DoubleClickRow(int row);
    // Moves the selection with Up and Down until `text` is selected.
    ::testing::AssertionResult SelectRow(const std::string& text);
    // Selects `text` and presses Enter.
    ::testing::AssertionResult Open(const std::string& text);

    void PostQuit();
    void CloseBySystemMenu();
    // Waits for the process to end; false when it still runs after `timeoutMs`.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 10000);

    // A message box of the program (not its main window), or nullptr when
    // none shows up within `timeoutMs`.
    HWND WaitForMessageBox(DWORD timeoutMs = 5000) const;
    HWND MessageBoxShown() const;

private:
    void Post(UINT message, WPARAM wParam, LPARAM lParam);
    void SettleAfterAction();   // a failure to settle fails the test

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
};

// Top-level windows of process `processId` of window class `className`.
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className);
// The text of a message box (its longest static text), ANSI.
std::string MessageBoxText(HWND box);
// Presses the box's OK button.
void CloseMessageBox(HWND box);

bool PutOnClipboard(const std::string& text);

std::string Narrow(const std::wstring& text);
