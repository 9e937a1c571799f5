#include "app/main_dialog.h"

#include "app/dialog_template.h"
#include "platform/platform.h"
#include "platform/win32/text.h"

namespace {

DialogEventHandler AttachedHandler = nullptr;
bool Ending = false;   // while EndMainDialog sends its own WM_CLOSE
HFONT DialogFont = nullptr;
int ShowState = SW_HIDE;

DWORD DefaultStyle(const char* className) {
    if (lstrcmpiA(className, "BUTTON") == 0) return WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    if (lstrcmpiA(className, "STATIC") == 0) return WS_CHILD | WS_VISIBLE | SS_LEFT;
    return 0;
}

}  // namespace

HWND CreateMainDialog(const std::string& title) {
    // The real title is set afterwards, through the wide call, so the
    // template only needs a placeholder.
    std::vector<WORD> dialogTemplate = BuildDialogTemplate(MainDialogStyle, 200, 220, L" ", 8, FW_NORMAL,
                                                           L"MS Sans Serif");
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), nullptr,
                                             MainDialogProcedure, 0);
    if (!dialog) return nullptr;
    SetWindowTextW(dialog, WideFromAnsi(title).c_str());
    DialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    ShowState = SW_SHOW;
    return dialog;
}

HWND AddControl(HWND dialog, const ControlRow& row) {
    RECT area = {row.x, row.y, row.x + row.w, row.y + row.h};
    MapDialogRect(dialog, &area);
    DWORD style = row.style ? row.style : DefaultStyle(row.className);
    style |= WS_CHILD | WS_VISIBLE;
    // The selection and double-click notifications drive the browsing.
    if (lstrcmpiA(row.className, "LISTBOX") == 0) style |= LBS_NOTIFY;
    HWND control = CreateWindowExW(row.exStyle, WideFromAnsi(row.className).c_str(), WideFromAnsi(row.text).c_str(),
                                   style, area.left, area.top, area.right - area.left, area.bottom - area.top,
                                   dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control) return nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont), TRUE);
    // A default button made as a plain child is not known to the dialog
    // manager until it is told; only then does Enter produce its id.
    if (lstrcmpiA(row.className, "BUTTON") == 0 && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(row.id), 0);
    return control;
}

void AttachEventHandler(DialogEventHandler handler) { AttachedHandler = handler; }

INT_PTR CallEventHandler(DialogEventHandler handler, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // The system calls the dialog procedure, and nothing thrown may unwind
    // into its frames: the 32-bit build's unwinding cannot pass them and
    // would end the program. The commands end themselves when memory runs
    // out; whatever still arrives here gets the default processing.
    try {
        return handler(dialog, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

INT_PTR CALLBACK MainDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // The system's WM_INITDIALOG comes before any control exists; the
    // handler gets its own once the window is complete. Activation and
    // focus are left to the dialog manager.
    if (message == WM_INITDIALOG || message == WM_ACTIVATE) return FALSE;
    if (AttachedHandler) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        INT_PTR result = CallEventHandler(AttachedHandler, dialog, message, wParam, lParam);
        if (result != 0) {
            if (GetWindowLongPtrW(dialog, DWLP_MSGRESULT) == 0) SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
            return result;
        }
    }
    switch (message) {
    case WM_SYSCOMMAND:
        // The close box, Alt+F4 and the system menu all end here; the
        // system's own closing would only post IDCANCEL, which is ignored.
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            EndMainDialog(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        // Another program asking the window to close (a task manager, a
        // session ending) ends it as the close box does, this being the
        // close box's WM_CLOSE. The system's own handling would only post
        // IDCANCEL, which is ignored.
        if (!Ending) DestroyWindow(dialog);
        return TRUE;
    case WM_ENDSESSION:
        // The Restart Manager asks a program to close this way when an
        // installer needs its files; the session itself goes on.
        if (wParam && (lParam & ENDSESSION_CLOSEAPP)) {
            EndMainDialog(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOLORCHANGE:
        // Common controls learn of new system colours only from their
        // top-level window.
        SendMessageW(GetDlgItem(dialog, StatusBarId), WM_SYSCOLORCHANGE, wParam, lParam);
        return FALSE;
    case WM_NCDESTROY:
        AttachedHandler = nullptr;
        return TRUE;
    default:
        // The control colour messages included: no control has colours of
        // its own, so the system's colours apply.
        return FALSE;
    }
}

void RunMainDialog(HWND dialog, DialogEventHandler handler) {
    SetForegroundWindow(dialog);
    CallEventHandler(handler, dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
    RECT client = {};
    GetClientRect(dialog, &client);
    CallEventHandler(handler, dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    AttachEventHandler(handler);
    // The first ShowWindow of a program takes the show state that its
    // starter asked for (a shortcut set to "Maximized", start /max), and a
    // window of fixed size has nothing to fill the screen with.
    ShowWindow(dialog, ShowState);
    if (IsZoomed(dialog)) ShowWindow(dialog, SW_RESTORE);
    // Only the end of the window ends the loop; a WM_QUIT posted by anyone
    // is dispatched like any other message.
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(1);
            continue;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!IsWindow(dialog)) return;
    }
}

void EndMainDialog(HWND dialog) {
    Ending = true;
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    Ending = false;
    DestroyWindow(dialog);
}
