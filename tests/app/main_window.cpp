#include "tests/app/main_window.h"

#include <commctrl.h>

#include "app/control_table.h"
#include "app/main_dialog.h"
#include "app/tooltips.h"

void MainWindowTest::SetUp() {
    INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    TooltipWindow = nullptr;   // the previous test's went with its dialog
    dialog = CreateMainDialog("Wendrel - Ver 1.05");
    ASSERT_NE(dialog, nullptr);
    AddMainControls(dialog);
}

void MainWindowTest::TearDown() {
    if (IsWindow(dialog)) DestroyWindow(dialog);
}
