// A hidden main window with the controls the browsing model addresses, so
// that the real list, button, label and status bar calls have a target.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Creates the window, sets MainDialog and StatusBar, and routes the
// window's WM_COMMAND to the model the way the dialog does.
void CreateTestWindow();
void DestroyTestWindow();

std::string StatusBarText();
std::string PathLabelText();   // converted to ANSI
bool IsButtonEnabled(int id);
int RowCount();

// The rows' texts, in list order.
std::vector<std::string> RowTexts();

// Watches, while it lives, for dialog boxes that come up on this thread
// and closes each one as soon as a message loop runs (every box runs one),
// noting its title and text. A box then shows as a failed expectation
// instead of a test that waits for a click forever.
class BoxWatch {
public:
    struct Box {
        std::string title;
        std::string text;
    };
    BoxWatch();
    ~BoxWatch();
    BoxWatch(const BoxWatch&) = delete;
    BoxWatch& operator=(const BoxWatch&) = delete;

    // The boxes closed so far, in the order they came up.
    const std::vector<Box>& Seen() const;
    // "title: text" of each, for a failure message.
    std::string Describe() const;

private:
    UINT_PTR timer_;
};
