// The main window as it opens, and the ways it does and does not close.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "tests/e2e/fixture_drive.h"
#include "tests/e2e/reference_dialog.h"
#include "tests/e2e/screen_picture.h"
#include "tests/e2e/wendrel_driver.h"

namespace {

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// One program for the checks that only look at the opened window.
class OpenedWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program_ = new Wendrel;
        ::testing::AssertionResult started = program_->Start();
        startError_ = started ? "" : started.message();
    }
    static void TearDownTestSuite() {
        delete program_;
        program_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ("", startError_); }

    static Wendrel* program_;
    static std::string startError_;
};

Wendrel* OpenedWindow::program_ = nullptr;
std::string OpenedWindow::startError_;

TEST_F(OpenedWindow, ListsTheUsableDrivesWithTheFirstSelected) {
    Wendrel& w = *program_;
    std::vector<std::string> drives = UsableDrives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives, w.Rows());
    EXPECT_NE(std::find(drives.begin(), drives.end(), TheFixtureDrive.Drive()), drives.end());
    for (int row = 0; row < w.RowCount(); ++row) EXPECT_EQ(1, w.RowData(row)) << "drive row " << row;
    EXPECT_EQ(0, w.Selection());

    EXPECT_FALSE(w.Enabled(BackButtonId));
    EXPECT_TRUE(w.Enabled(ShowButtonId));
    EXPECT_FALSE(w.Enabled(ListButtonId));
    EXPECT_EQ(" " + std::to_string(drives.size()) + " drives", w.Text(StatusBarId));
    EXPECT_EQ("", w.Text(PathLabelId));
    EXPECT_EQ(20, w.RowHeight());
}

TEST_F(OpenedWindow, IsAFixedSizeCentredWindowWithTitleAndButtons) {
    Wendrel& w = *program_;
    HWND dialog = w.Dialog();
    wchar_t title[64] = {};
    GetWindowTextW(dialog, title, 64);
    EXPECT_STREQ(MainTitle, title);

    LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION | WS_SYSMENU), style & (WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(0, style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP));
    EXPECT_EQ(nullptr, GetWindow(dialog, GW_OWNER));

    RECT frame = {}, work = {};
    GetWindowRect(dialog, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (frame.left + frame.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (frame.top + frame.bottom) / 2, 1);

    const std::pair<int, const char*> buttons[] = {
        {BackButtonId, "&Back"}, {ShowButtonId, "&Show"}, {ListButtonId, "&List"}};
    for (const auto& button : buttons) {
        EXPECT_EQ(button.second, w.Text(button.first));
        EXPECT_FALSE(w.HasDefaultLook(button.first)) << button.second;
    }
}

TEST_F(OpenedWindow, LaysOutItsControlsInDialogUnitsOfItsFont) {
    Wendrel& w = *program_;
    ReferenceDialog units;
    ASSERT_TRUE(units.Exists());

    // The template's 200 by 220 units include the title bar that the
    // system adds to an overlapped window, so the client area is compared
    // with that of the same template here.
    RECT client = {};
    GetClientRect(w.Dialog(), &client);
    EXPECT_EQ(Describe(units.Client()), Describe(client));

    EXPECT_EQ(Describe(units.Map(5, 10, 190, 9)), Describe(w.ClientRectOf(PathLabelId)));
    EXPECT_EQ(Describe(units.Map(20, 150, 50, 25)), Describe(w.ClientRectOf(BackButtonId)));
    EXPECT_EQ(Describe(units.Map(75, 150, 50, 25)), Describe(w.ClientRectOf(ShowButtonId)));
    EXPECT_EQ(Describe(units.Map(130, 150, 50, 25)), Describe(w.ClientRectOf(ListButtonId)));

    // The list keeps its place and width; the system may trim its height
    // to whole rows.
    RECT list = w.ClientRectOf(EntryListBoxId), planned = units.Map(20, 20, 160, 130);
    EXPECT_EQ(planned.left, list.left);
    EXPECT_EQ(planned.top, list.top);
    EXPECT_EQ(planned.right, list.right);
    EXPECT_LE(list.bottom, planned.bottom);
    EXPECT_GT(list.bottom, planned.bottom - 20);

    LONG listStyle = GetWindowLongW(w.Control(EntryListBoxId), GWL_STYLE);
    EXPECT_EQ(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
              listStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY | LBS_SORT |
                           LBS_NOINTEGRALHEIGHT));

    HWND status = w.Control(StatusBarId);
    ASSERT_NE(nullptr, status);
    RECT bar = w.ClientRectOf(status);
    EXPECT_EQ(0, bar.left);
    EXPECT_EQ(client.right, bar.right);
    EXPECT_EQ(client.bottom, bar.bottom);
    EXPECT_GT(bar.bottom - bar.top, 0);

    HWND edit = w.Control(HiddenEditBoxId);
    ASSERT_NE(nullptr, edit);
    EXPECT_FALSE(IsWindowVisible(edit));
    HWND defaultButton = w.Control(DefaultButtonId);
    ASSERT_NE(nullptr, defaultButton);
    RECT none = w.ClientRectOf(defaultButton);
    EXPECT_EQ(0, none.right - none.left);
    EXPECT_EQ(0, none.bottom - none.top);
    EXPECT_EQ(0, GetWindowLongW(defaultButton, GWL_STYLE) & WS_TABSTOP);
}

// Tab order is the order of creation; the list comes first so that it is
// where the keys go. The ids are spelled as numbers: they are what another
// program addresses the controls by, and the names the rest of these tests
// use come from the program's own header.
TEST_F(OpenedWindow, CreatesItsControlsInTabOrder) {
    std::vector<int> ids;
    for (HWND child = GetWindow(program_->Dialog(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    // Entry list, Back, Show, List, path label, hidden edit box, default button, status bar.
    EXPECT_EQ((std::vector<int>{100, 101, 102, 103, 104, 105, 1, 120}), ids);
}

// The tool records live in the program; to read their texts back the test
// lends the tooltip control a record and a text buffer in that process.
class RemoteToolRecord {
public:
    explicit RemoteToolRecord(DWORD processId) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteToolRecord() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Usable() const { return memory_ != nullptr; }

    // Tool `index` of `tooltip`: its text and the window it covers.
    bool Read(HWND tooltip, int index, std::string& text, HWND& tool, UINT& flags) {
        char* remote = static_cast<char*>(memory_);
        TTTOOLINFOA record = {};
        record.cbSize = sizeof record;
        record.lpszText = remote + 1024;
        char empty[512] = {};
        if (!WriteProcessMemory(process_, remote, &record, sizeof record, nullptr) ||
            !WriteProcessMemory(process_, remote + 1024, empty, sizeof empty, nullptr))
            return false;
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(tooltip, TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000,
                                 &answer) ||
            !answer)
            return false;
        char buffer[512] = {};
        if (!ReadProcessMemory(process_, remote, &record, sizeof record, nullptr) ||
            !ReadProcessMemory(process_, remote + 1024, buffer, sizeof buffer - 1, nullptr))
            return false;
        text = buffer;
        tool = reinterpret_cast<HWND>(record.uId);
        flags = record.uFlags;
        return true;
    }

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

TEST_F(OpenedWindow, HasOneTooltipWindowWithATipPerButton) {
    Wendrel& w = *program_;
    std::vector<HWND> tooltips = TopLevelWindows(w.ProcessId(), L"tooltips_class32");
    ASSERT_EQ(1u, tooltips.size());
    HWND tooltip = tooltips[0];
    EXPECT_EQ(w.Dialog(), GetWindow(tooltip, GW_OWNER));
    EXPECT_EQ(3, SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ(2500, SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));

    RemoteToolRecord record(w.ProcessId());
    ASSERT_TRUE(record.Usable());
    const std::pair<int, const char*> tips[] = {{BackButtonId, "Back to parent folder or drive"},
                                                {ShowButtonId, "Show child files and folders"},
                                                {ListButtonId, "List files and folders to clipboard"}};
    for (int index = 0; index < 3; ++index) {
        std::string text;
        HWND tool = nullptr;
        UINT flags = 0;
        ASSERT_TRUE(record.Read(tooltip, index, text, tool, flags)) << "tool " << index;
        EXPECT_EQ(w.Control(tips[index].first), tool) << "tool " << index;
        EXPECT_EQ(tips[index].second, text);
        EXPECT_EQ(static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS), flags & (TTF_IDISHWND | TTF_SUBCLASS));
    }
}

TEST_F(OpenedWindow, PaintsTheSelectedDriveInHighlightAndNoIcon) {
    Wendrel& w = *program_;
    ASSERT_GE(w.RowCount(), 2);
    ASSERT_EQ(0, w.Selection());
    HWND list = w.Control(EntryListBoxId);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), window = GetSysColor(COLOR_WINDOW);
    RECT first = w.RowRect(0), second = w.RowRect(1);
    // Inside the row's edge, where a focus frame could lie.
    RECT firstLead = {1, first.top + 1, 36, first.bottom - 1}, secondLead = {1, second.top + 1, 36, second.bottom - 1};
    RECT firstText = {36, first.top + 1, first.right - 1, first.bottom - 1};
    RECT secondText = {36, second.top + 1, second.right - 1, second.bottom - 1};
    std::unique_ptr<ScreenPicture> picture;
    bool painted = Eventually([&] {
        picture.reset(new ScreenPicture(list));
        return picture->AllOf(firstLead, highlight) && picture->AllOf(secondLead, window);
    });
    ASSERT_TRUE(painted) << "row 0 starts with " << std::hex << picture->At(5, first.top + 10) << ", row 1 with "
                         << picture->At(5, second.top + 10);
    EXPECT_TRUE(picture->AnyBut(firstText, highlight)) << "no text on the selected row";
    EXPECT_TRUE(picture->AnyBut(secondText, window)) << "no text on the second row";
}

TEST(Closing, OnlyTheCloseCommandEndsTheProgram) {
    Wendrel w;
    ASSERT_TRUE(w.Start());
    View before = w.Look();

    w.PressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(w.Dialog()));
    EXPECT_EQ(before, w.Look());

    w.PostQuit();
    ASSERT_TRUE(w.Running());
    EXPECT_TRUE(IsWindow(w.Dialog()));
    EXPECT_EQ(before, w.Look());
    // And it still answers the keys.
    ASSERT_GE(w.RowCount(), 2);
    w.PressKey(VK_DOWN);
    EXPECT_EQ(1, w.Selection());

    w.CloseBySystemMenu();
    DWORD exitCode = 1234;
    ASSERT_TRUE(w.WaitForExit(exitCode));
    EXPECT_EQ(0u, exitCode);
}

// As a task manager or a session ending asks, and as the Restart Manager
// asks for an installer.
TEST(Closing, ACloseRequestFromAnotherProgramEndsIt) {
    const std::pair<UINT, LPARAM> requests[] = {{WM_CLOSE, 0}, {WM_ENDSESSION, ENDSESSION_CLOSEAPP}};
    for (const auto& request : requests) {
        Wendrel w;
        ASSERT_TRUE(w.Start());
        PostMessageW(w.Dialog(), request.first, request.first == WM_ENDSESSION, request.second);
        DWORD exitCode = 1234;
        ASSERT_TRUE(w.WaitForExit(exitCode)) << std::hex << request.first;
        EXPECT_EQ(0u, exitCode);
    }
}

}  // namespace
