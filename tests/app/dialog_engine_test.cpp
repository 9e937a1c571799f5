#include <new>
#include <vector>

#include "app/main_dialog.h"
#include "tests/app/main_window.h"

namespace {

struct Delivery {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool visible;
};

std::vector<Delivery> Deliveries;
const UINT AnswerSeven = WM_APP + 1;       // the handler answers 7
const UINT AnswerItself = WM_APP + 2;      // the handler stores 5 itself and answers 1
const UINT Throws = WM_APP + 4;            // the handler runs out of memory
const UINT_PTR CloseTimer = 1;

INT_PTR RecordingHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Deliveries.push_back({message, wParam, lParam, IsWindowVisible(dialog) != FALSE});
    switch (message) {
    case WM_INITDIALOG:
        // The quit comes out of the queue before the timer does.
        PostQuitMessage(0);
        SetTimer(dialog, CloseTimer, 50, nullptr);
        return 0;
    case WM_TIMER:
        KillTimer(dialog, CloseTimer);
        SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case AnswerSeven:
        return 7;
    case AnswerItself:
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 5);
        return 1;
    case Throws:
        throw std::bad_alloc();
    default:
        return 0;
    }
}

bool Delivered(UINT message) {
    for (const Delivery& delivery : Deliveries)
        if (delivery.message == message) return true;
    return false;
}

}  // namespace

class DialogEngineTest : public MainWindowTest {
protected:
    void SetUp() override {
        Deliveries.clear();
        MainWindowTest::SetUp();
    }
};

TEST_F(DialogEngineTest, StartsTheHandlerBeforeShowingAndEndsOnlyWithTheWindow) {
    RECT client;
    GetClientRect(dialog, &client);
    RunMainDialog(dialog, RecordingHandler);

    EXPECT_FALSE(IsWindow(dialog)) << "the loop ended while the window was still there";
    ASSERT_GE(Deliveries.size(), 2u);
    EXPECT_EQ(WM_INITDIALOG, Deliveries[0].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(dialog), Deliveries[0].wParam);
    EXPECT_FALSE(Deliveries[0].visible);
    EXPECT_EQ(WM_SIZE, Deliveries[1].message);
    EXPECT_EQ(MAKELPARAM(client.right, client.bottom), Deliveries[1].lParam);
    EXPECT_FALSE(Deliveries[1].visible);
    EXPECT_TRUE(Delivered(WM_TIMER));
    EXPECT_TRUE(Delivered(WM_CLOSE));
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was never taken";
}

TEST_F(DialogEngineTest, HandlerResultsBecomeTheMessageResult) {
    AttachEventHandler(RecordingHandler);
    EXPECT_EQ(7, SendMessageW(dialog, AnswerSeven, 0, 0));
    EXPECT_EQ(5, SendMessageW(dialog, AnswerItself, 0, 0));
    EXPECT_EQ(0, SendMessageW(dialog, WM_APP + 3, 0, 0));
    // A throw stays inside the dialog procedure: the message gets the
    // default answer and the dialog goes on.
    EXPECT_EQ(0, SendMessageW(dialog, Throws, 0, 0));
    EXPECT_EQ(7, SendMessageW(dialog, AnswerSeven, 0, 0));
}

TEST_F(DialogEngineTest, ActivationAndEscapeLeaveTheDialogAlone) {
    AttachEventHandler(RecordingHandler);
    SendMessageW(dialog, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_FALSE(Delivered(WM_ACTIVATE));
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(DialogEngineTest, CloseCommandDestroysTheDialogAndDetachesTheHandler) {
    AttachEventHandler(RecordingHandler);
    SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(Delivered(WM_CLOSE));
    EXPECT_TRUE(Delivered(WM_DESTROY));

    // A later dialog does not reach the handler of the one that is gone.
    Deliveries.clear();
    MainWindowTest::SetUp();
    SendMessageW(dialog, AnswerSeven, 0, 0);
    EXPECT_FALSE(Delivered(AnswerSeven));

    // A close request from another program ends it the same way.
    AttachEventHandler(RecordingHandler);
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(Delivered(WM_DESTROY));
}
