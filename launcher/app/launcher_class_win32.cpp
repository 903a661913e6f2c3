// The launcher's main window class "TWL_AUTORUN" and the modal run of the main dialog.
#include "launcher_class.h"

#include "../../common/lang_dialog.h"
#include "../resources/resource_ids.h"
#include "main_dialog.h"

// A dialog class of our own name: the system dialog class's layout, run by the dialog manager.
static ATOM RegisterLauncherClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(NULL, MAKEINTATOM(32770), &wc))
        return 0;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_LAUNCHER), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.lpszClassName = LAUNCHER_CLASS;
    return RegisterClassExA(&wc);
}

INT_PTR RunMainDialog(HINSTANCE instance, const LaunchOptions &options) {
    if (RegisterLauncherClass(instance) == 0)
        return 0;
    MainDialogState state = {};
    state.options = options;
    const INT_PTR result =
        RunLangDialog(instance, IDD_MAIN, NULL, MainDlgProc, reinterpret_cast<LPARAM>(&state));
    // The window cannot end during an install, but should the system take it away all the same,
    // the process must not end under the install: it finishes whole or undone first.
    FinishInstallWorker(&state.install);
    return result;
}
