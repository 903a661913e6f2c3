// The launcher's main dialog: picture, status line, Play, Setup, Help and Exit.
#include "main_dialog.h"

#include "../../common/lang_dialog.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/window_placement.h"
#include "../core/install_state.h"
#include "../resources/resource_ids.h"
#include "../syscheck/disc_paths.h"
#include "../syscheck/title_disc.h"
#include "../syscheck/volume_event.h"
#include "../ui/about_box.h"
#include "install_status.h"
#include "main_layout.h"
#include "play_help.h"
#include "setup_command.h"

// Posted to itself at the first paint: look whether the title's disc is in a drive.
#define WM_LOOKFORDISC (0x0400 + 24)
// Posted to itself at WM_INITDIALOG: give the focus the installation state chooses.
#define WM_INITIALFOCUS (0x0400 + 25)

static MainDialogState *StateOf(HWND dialog) {
    return reinterpret_cast<MainDialogState *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

static Box WindowBox(HWND window) {
    RECT rect = {0, 0, 0, 0};
    if (window != NULL)
        GetWindowRect(window, &rect);
    return Box{rect.left, rect.top, rect.right, rect.bottom};
}

static Box ChildBox(HWND dialog, int id) {
    RECT rect = {0, 0, 0, 0};
    HWND child = GetDlgItem(dialog, id);
    if (child != NULL)
        GetChildRectInParent(dialog, child, &rect);
    return Box{rect.left, rect.top, rect.right, rect.bottom};
}

static void Apply(HWND dialog, int id, const ControlMove &move) {
    if (move.move)
        MoveWindow(GetDlgItem(dialog, id), int(move.x), int(move.y), int(move.width),
                   int(move.height), FALSE);
}

// Lays the dialog out around the picture; returns where a failure text would go in a layout
// without a status line under the picture.
static StatusBelowPicture LayoutMainDialog(HWND dialog, LONG width, LONG height,
                                           InstallState state) {
    const int rowId = RowButtonId(state);
    MainLayoutFacts facts = {};
    facts.play = WindowBox(GetDlgItem(dialog, IDC_PLAY));
    facts.status = WindowBox(GetDlgItem(dialog, IDC_STATUS));
    facts.row = WindowBox(GetDlgItem(dialog, rowId));
    facts.help = WindowBox(GetDlgItem(dialog, IDC_HELP_BUTTON));
    facts.setup = WindowBox(GetDlgItem(dialog, IDC_SETUP));
    facts.dialog = WindowBox(dialog);
    // Inside WM_INITDIALOG the dialog is not shown yet, so this reads hidden.
    facts.statusVisible = IsWindowVisible(GetDlgItem(dialog, IDC_STATUS)) != FALSE;
    facts.cxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
    facts.cyDlgFrame = GetSystemMetrics(SM_CYDLGFRAME);
    facts.cyCaption = GetSystemMetrics(SM_CYCAPTION);

    const MainLayoutMoves moves = PlanMainLayout(width, height, state, facts);
    Apply(dialog, IDC_STATUS, moves.status);
    Apply(dialog, IDC_PLAY, moves.play);
    MoveWindow(dialog, 0, 0, int(moves.dialogWidth), int(moves.dialogHeight), FALSE);
    Apply(dialog, IDC_HELP_BUTTON, moves.help);
    Apply(dialog, rowId, moves.row);
    Apply(dialog, IDC_EXIT, moves.exit);
    return PlanStatusBelowPicture(height, state, facts);
}

static void StretchPlayButton(HWND dialog, InstallState state) {
    Apply(dialog, IDC_PLAY,
          PlanPlayStretch(state, ChildBox(dialog, IDC_PLAY), ChildBox(dialog, IDC_EXIT),
                          ChildBox(dialog, IDC_SETUP)));
}

static void FitNarrowPicture(HWND dialog, MainPicture &picture, LONG height, InstallState state) {
    NarrowFitFacts facts = {};
    facts.playScreenLeft = WindowBox(GetDlgItem(dialog, IDC_PLAY)).left;
    facts.play = ChildBox(dialog, IDC_PLAY);
    facts.help = ChildBox(dialog, IDC_HELP_BUTTON);
    facts.exit = ChildBox(dialog, IDC_EXIT);
    const Box frame = WindowBox(dialog);
    facts.dialogWidth = frame.right - frame.left;
    facts.dialogHeight = frame.bottom - frame.top;

    const NarrowFit fit = PlanNarrowFit(height, facts);
    picture.originX = fit.originX;
    if (!fit.narrow) {
        StretchPlayButton(dialog, state);
        return;
    }
    MoveWindow(dialog, 0, 0, int(fit.dialogWidth), int(facts.dialogHeight), FALSE);
    Apply(dialog, IDC_PLAY, fit.play);
    Apply(dialog, IDC_HELP_BUTTON, fit.help);
    Apply(dialog, IDC_EXIT, fit.exit);
    picture.originY = fit.originY;
}

// Status text, enabled Play and focus by installation state; may swap Play and Setup. Returns the
// control that gets the focus (0: the dialog's first), given once the window is shown: the focus
// set on a window not yet shown activates it early, which delayed the first paint.
static int ShowInstallState(HWND dialog, InstallState state) {
    int focus = 0;
    char status[256] = "";
    switch (state) {
    case SetupNone:
        // The small Setup button becomes Play; the wide Play button goes out of sight.
        SwapControlIds(dialog, IDC_PLAY, IDC_SETUP);
        ShowWindow(GetDlgItem(dialog, IDC_SETUP), SW_HIDE);
        break;
    case SetupOptional:
        break;
    case SetupRequired:
        LoadLangString(LANG_SETUP_REQUIRED, status, sizeof status);
        EnableWindow(GetDlgItem(dialog, IDC_PLAY), FALSE);
        focus = IDC_SETUP;
        break;
    case SetupComplete:
        focus = IDC_PLAY;
        break;
    case SetupIncomplete:
        LoadLangString(LANG_SETUP_INCOMPLETE, status, sizeof status);
        EnableWindow(GetDlgItem(dialog, IDC_PLAY), FALSE);
        focus = IDC_SETUP;
        break;
    }
    SetDlgItemTextA(dialog, IDC_STATUS, status);
    if (status[0] == '\0')
        ShowWindow(GetDlgItem(dialog, IDC_STATUS), SW_HIDE);
    return focus;
}

// TRUE when some drive holds the title's disc.
static BOOL TitleDiscInADrive() {
    char label[15];
    LoadLangString(LANG_VOLUME_LABEL, label, sizeof label);
    return FindTitleDisc(label) != kTitleNotFound;
}

static void InitMainDialog(HWND dialog, MainDialogState &dialogState) {
    SetWindowTextFromLang(dialog, LANG_TITLE);
    RepairRecordedInstallation(); // before its state is read: a cut-off Setup may have left it
    const InstallState state = GetInstallState();
    dialogState.initialFocus = ShowInstallState(dialog, state);
    SetWindowTextFromLang(dialog, LANG_TITLE);
    MainPicture &picture = dialogState.picture;
    LoadMainPicture(InstanceOf(dialog), state != SetupNone, &picture);
    dialogState.statusBelow = LayoutMainDialog(dialog, picture.width, picture.height, state);
    FitNarrowPicture(dialog, picture, picture.height, state);
    CenterWindow(dialog, GetDesktopWindow());
    AddAboutMenuEntry(dialog); // whether the disc is in a drive is asked after the first paint
    SetDlgItemTextFromLang(dialog, IDC_PLAY, LANG_PLAY);
    SetDlgItemTextFromLang(dialog, IDC_SETUP, LANG_SETUP);
    SetDlgItemTextFromLang(dialog, IDC_HELP_BUTTON, LANG_HELP);
    SetDlgItemTextFromLang(dialog, IDC_EXIT, LANG_EXIT);
}

// Whether the title's disc is in a drive, asked once the window has been painted: the drives'
// volume labels need not keep the first window waiting. A device change before then asks at once.
static void LookForDiscOnce(MainDialogState &state) {
    if (state.discLooked)
        return;
    state.discLooked = true;
    state.discSeen = state.discSeen || TitleDiscInADrive();
}

// TRUE when a volume was removed and no drive holds the title's disc any more. Until the disc has
// been in a drive (a launcher started from the hard disk), no removal can be the disc's.
static BOOL DiscRemoved(MainDialogState &state, WPARAM event, LPARAM eventData) {
    LookForDiscOnce(state);
    const VolumeEvent volume = ReadVolumeEvent(event, reinterpret_cast<const void *>(eventData));
    if (volume == VolumeArrived && !state.discSeen)
        state.discSeen = TitleDiscInADrive();
    if (volume != VolumeRemoved || !state.discSeen)
        return FALSE;
    return !TitleDiscInADrive();
}

static void OnDeviceChange(HWND dialog, MainDialogState &state, WPARAM event, LPARAM eventData) {
    state.discGone = DiscRemoved(state, event, eventData);
    // A command that runs, or an install, ends first: the launcher ends when it has.
    if (state.discGone && !state.commandBusy && !state.lock.locked)
        EndDialog(dialog, 0);
}

static void RunGuardedCommand(HWND dialog, MainDialogState &state, BOOL (*command)(HWND),
                              BOOL endsOnSuccess) {
    state.commandBusy = TRUE;
    if (command(dialog) && endsOnSuccess)
        EndDialog(dialog, 1);
    state.commandBusy = FALSE;
    if (state.discGone)
        EndDialog(dialog, 0);
}

static BOOL PlayCommand(HWND dialog) {
    return PlayTitle(dialog);
}

static BOOL HelpCommand(HWND dialog) {
    return ShowHelp(dialog, LANG_HELP_DOCUMENT);
}

// Shows a text in the status line, also where the layout hid it; in the optional-setup layout,
// whose status line lies over the picture, the line first goes below the picture.
static void ShowStatusText(HWND dialog, MainDialogState &state, UINT text) {
    const StatusBelowPicture &below = state.statusBelow;
    if (below.needed && !state.statusMoved) {
        const LONG down = below.shift + state.picture.originY;
        MoveWindow(GetDlgItem(dialog, IDC_STATUS), int(below.status.x),
                   int(below.status.y + state.picture.originY), int(below.status.width),
                   int(below.status.height), FALSE);
        static const int kRow[] = {IDC_PLAY, IDC_HELP_BUTTON, IDC_EXIT};
        for (int id : kRow) {
            RECT rect;
            GetChildRectInParent(dialog, GetDlgItem(dialog, id), &rect);
            MoveWindow(GetDlgItem(dialog, id), rect.left, rect.top + down, rect.right - rect.left,
                       rect.bottom - rect.top, FALSE);
        }
        RECT frame;
        GetWindowRect(dialog, &frame);
        SetWindowPos(dialog, NULL, 0, 0, frame.right - frame.left, frame.bottom - frame.top + down,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(dialog, NULL, TRUE);
        state.statusMoved = true;
    }
    SetDlgItemTextFromLang(dialog, IDC_STATUS, text);
    ShowWindow(GetDlgItem(dialog, IDC_STATUS), SW_SHOW);
}

// The Setup dialog, then the install on its own thread while the window stays locked.
static void SetupCommand(HWND dialog, MainDialogState &state) {
    state.commandBusy = TRUE; // the disc may go while the Setup dialog or a disc prompt is up
    UINT text = 0;
    const bool ready = PrepareInstall(dialog, state.options, &state.install, &text);
    state.commandBusy = FALSE;
    if (state.discGone) {
        EndDialog(dialog, 0); // nothing was started: the disc is gone
        return;
    }
    if (!ready) {
        if (text != 0)
            ShowStatusText(dialog, state, text);
        return;
    }
    LockForInstall(dialog, &state.lock);
    SetDlgItemTextFromLang(dialog, IDC_STATUS, LANG_COPYING);
    InvalidateRect(dialog, NULL, FALSE);
    UpdateWindow(dialog);
    StartInstallWorker(&state.install);
}

// WM_INSTALLDONE: the install is whole or undone; the window is given back to the user with the
// controls the outcome implies.
static void OnInstallDone(HWND dialog, MainDialogState &state) {
    if (!InstallRunning(state.install))
        return;
    FinishInstallWorker(&state.install);
    OnInstallProgress(dialog, state.picture, 100); // the whole picture, however the install ended
    UnlockAfterInstall(dialog, &state.lock);
    const UINT text =
        InstallStatusText(state.install.outcome, state.install.handOffResult, IsNtFamily());
    if (state.install.outcome.installed) {
        SetDlgItemTextFromLang(dialog, IDC_STATUS, LANG_READY);
        HWND play = GetDlgItem(dialog, IDC_PLAY);
        EnableWindow(play, TRUE);
        SetFocus(play);
    } else if (text != 0) {
        ShowStatusText(dialog, state, text); // Play keeps the state it had
    }
    if (state.discGone)
        EndDialog(dialog, 0);
}

static void OnCommand(HWND dialog, MainDialogState &state, int id) {
    if (state.lock.locked)
        return; // Esc, Enter and posted clicks reach here while the buttons are disabled
    switch (id) {
    case IDC_PLAY:
        RunGuardedCommand(dialog, state, PlayCommand, TRUE);
        break;
    case IDC_HELP_BUTTON:
        RunGuardedCommand(dialog, state, HelpCommand, FALSE);
        break;
    case IDC_SETUP:
        SetupCommand(dialog, state);
        break;
    case IDC_EXIT:
        EndDialog(dialog, 0);
        break;
    default:
        break;
    }
}

static BOOL OnSysCommand(HWND dialog, const MainDialogState &state, WPARAM command) {
    // During an install Close (the close box, Alt+F4) and About are greyed and refused here too.
    if (state.lock.locked && ((command & 0xFFF0) == SC_CLOSE || command == IDM_ABOUT))
        return TRUE;
    if (command != IDM_ABOUT)
        return FALSE;
    RunLangDialog(InstanceOf(dialog), IDD_ABOUT, dialog, AboutDlgProc, 0);
    return TRUE;
}

// The wait cursor over the window for the whole install; otherwise the class's cursor.
static BOOL OnSetCursor(HWND dialog, const MainDialogState &state) {
    if (!state.lock.locked)
        return FALSE;
    ShowWaitCursor();
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

// Ending the session while an install runs would cut it off: the install is asked to finish.
static BOOL OnQueryEndSession(HWND dialog, const MainDialogState &state) {
    if (!state.lock.locked)
        return FALSE;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, FALSE);
    return TRUE;
}

static BOOL OnInitDialog(HWND dialog, LPARAM state) {
    SetWindowLongPtrA(dialog, DWLP_USER, state);
    MainDialogState &dialogState = *reinterpret_cast<MainDialogState *>(state);
    InitMainDialog(dialog, dialogState);
    // Taken before the first paint, once the window is shown and active.
    if (dialogState.initialFocus != 0)
        PostMessageA(dialog, WM_INITIALFOCUS, 0, 0);
    return FALSE; // the focus the state chooses stands
}

// Every message but WM_INITDIALOG, once the state is known.
static INT_PTR OnMessage(HWND dialog, MainDialogState &state, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        if (!state.discLookPosted) { // handled once this paint is done
            state.discLookPosted = true;
            PostMessageA(dialog, WM_LOOKFORDISC, 0, 0);
        }
        return OnPicturePaint(dialog, state.picture);
    case WM_LOOKFORDISC:
        LookForDiscOnce(state);
        return TRUE;
    case WM_INITIALFOCUS:
        SetFocus(GetDlgItem(dialog, state.initialFocus));
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, state, LOWORD(wParam));
        return TRUE;
    case WM_SYSCOMMAND:
        return OnSysCommand(dialog, state, wParam);
    case WM_SETCURSOR:
        return OnSetCursor(dialog, state);
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(dialog, state);
    case WM_DEVICECHANGE:
        OnDeviceChange(dialog, state, wParam, lParam);
        return TRUE;
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette(dialog, state.picture);
    case WM_PALETTECHANGED:
        return OnPaletteChanged(dialog, state.picture, reinterpret_cast<HWND>(wParam));
    case WM_INSTALLPROGRESS:
        ProgressTaken(&state.install.progress, lParam);
        return OnInstallProgress(dialog, state.picture, wParam);
    case WM_INSTALLDONE:
        OnInstallDone(dialog, state);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnInitDialog(dialog, lParam);
    MainDialogState *state = StateOf(dialog);
    return state != NULL ? OnMessage(dialog, *state, message, wParam, lParam) : FALSE;
}
