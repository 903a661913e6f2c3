// Every dialog template as built into the programs: the dialog's style and each control's id,
// class and style, in template order, as the dialogs are meant to be. The resource compiler adds
// styles of its own (WS_VISIBLE to a CONTROL statement), so the built files are what counts.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"

#include <string>
#include <vector>

namespace {
// Predefined control classes, as a template names them by atom.
const WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83;

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
const DWORD kDefaultButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
const DWORD kText = kChild | WS_GROUP | SS_LEFT;
const DWORD kListBoxStyle =
    kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;
const DWORD kModalBox =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

struct Control {
    WORD id, classAtom;
    DWORD style;
};

struct Dialog {
    DWORD style;
    std::vector<Control> controls;
};

// A control's class as the template names it, by atom or by name ("Button" is atom 0x80).
WORD ClassAtom(const WORD *field) {
    if (field[0] == 0xFFFF)
        return field[1];
    std::string name;
    for (; *field != 0; ++field)
        name += char(*field);
    const char *names[] = {"button", "edit", "static", "listbox"};
    for (WORD i = 0; i < 4; ++i)
        if (lstrcmpiA(name.c_str(), names[i]) == 0)
            return WORD(kButton + i);
    return 0;
}

// The next 16-bit-aligned field after a name or ordinal field of a template.
const WORD *SkipNameOrOrdinal(const WORD *field) {
    if (*field == 0xFFFF)
        return field + 2;
    while (*field != 0)
        ++field;
    return field + 1;
}

// Reads a DIALOG (not DIALOGEX) template: the dialog's style and its controls in order. Language
// 0 takes the one the system would pick.
bool ReadTemplate(HMODULE module, WORD id, LANGID language, Dialog *dialog) {
    HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id), language);
    const void *data = found != NULL ? LockResource(LoadResource(module, found)) : NULL;
    if (data == NULL)
        return false;
    const DLGTEMPLATE *head = static_cast<const DLGTEMPLATE *>(data);
    if (HIWORD(head->style) == 0xFFFF) // DLGTEMPLATEEX
        return false;
    dialog->style = head->style;
    const WORD *field = reinterpret_cast<const WORD *>(head + 1);
    field = SkipNameOrOrdinal(field); // menu
    field = SkipNameOrOrdinal(field); // class
    field = SkipNameOrOrdinal(field); // caption
    if (head->style & DS_SETFONT)
        field = SkipNameOrOrdinal(field + 1); // point size, face name
    for (WORD i = 0; i < head->cdit; ++i) {
        // Each item starts on a DWORD boundary.
        const BYTE *at = reinterpret_cast<const BYTE *>(field);
        at += (4 - reinterpret_cast<UINT_PTR>(at) % 4) % 4;
        const DLGITEMTEMPLATE *item = reinterpret_cast<const DLGITEMTEMPLATE *>(at);
        const WORD *kind = reinterpret_cast<const WORD *>(item + 1);
        dialog->controls.push_back(Control{item->id, ClassAtom(kind), item->style});
        field = SkipNameOrOrdinal(SkipNameOrOrdinal(kind)); // class, text
        field += 1 + *field / sizeof(WORD);                 // creation data
    }
    return true;
}

std::string Hex(DWORD value) {
    char text[16];
    snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

void ExpectTemplate(HMODULE module, WORD id, const Dialog &expected, LANGID language = 0) {
    SCOPED_TRACE("dialog " + std::to_string(id) + " in language " + std::to_string(language));
    Dialog built = {};
    ASSERT_TRUE(ReadTemplate(module, id, language, &built));
    EXPECT_EQ(Hex(expected.style), Hex(built.style));
    ASSERT_EQ(expected.controls.size(), built.controls.size());
    for (size_t i = 0; i < expected.controls.size(); ++i) {
        const Control &want = expected.controls[i], &got = built.controls[i];
        SCOPED_TRACE("control " + std::to_string(short(want.id)));
        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(want.classAtom, got.classAtom);
        EXPECT_EQ(Hex(want.style), Hex(got.style));
    }
}

HMODULE LoadProgram(const char *name) {
    return LoadLibraryExA(DistPath(name).c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
}

const LANGID kEnglishDialogs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID kGermanDialogs = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

// The launcher's dialogs in one resource language; the main dialog has one template for all.
void ExpectLauncherDialogs(HMODULE launcher, LANGID language) {
    if (language != kGermanDialogs)
        ExpectTemplate(launcher, IDD_MAIN,
                       {0x90CA00C0,
                        {{IDC_SETUP, kButton, 0x50010000},
                         {IDC_HELP_BUTTON, kButton, 0x50010000},
                         {IDC_EXIT, kButton, 0x50010000},
                         {IDC_PLAY, kButton, 0x50010001},
                         {IDC_STATUS, kStatic, 0x5002008B}}},
                       language);
    ExpectTemplate(launcher, IDD_ABOUT,
                   {kModalBox,
                    {{IDOK, kButton, kDefaultButton},
                     {IDC_ABOUT_ICON, kStatic, kChild | SS_ICON},
                     {IDC_ABOUT_TITLE, kStatic, kText},
                     {IDC_ABOUT_VERSION, kStatic, kText},
                     {IDC_ABOUT_NOTICE, kStatic, kText},
                     {IDC_ABOUT_BLANK, kStatic, kText},
                     {IDC_ABOUT_ENGINE, kStatic, kText}}},
                   language);
    ExpectTemplate(launcher, IDD_SETUP,
                   {kModalBox,
                    {{IDC_SETUP_START, kButton, kDefaultButton},
                     {IDCANCEL, kButton, kPushButton},
                     {IDC_SETUP_TEXT1, kStatic, kText},
                     {IDC_SETUP_TEXT2, kStatic, kText},
                     {IDC_SETUP_TEXT3, kStatic, kText},
                     {WORD(-1), kButton, kChild | BS_GROUPBOX},
                     {IDC_SETUP_FOLDER, kStatic, kText},
                     {IDC_SETUP_BROWSE, kButton, kPushButton},
                     {IDC_SETUP_AVAILABLE, kStatic, kText},
                     {IDC_SETUP_NEEDED, kStatic, kText}}},
                   language);
    // The path control is kept up to date by the folder listing, never shown.
    ExpectTemplate(launcher, IDD_BROWSE,
                   {kModalBox,
                    {{IDOK, kButton, kDefaultButton},
                     {IDCANCEL, kButton, kPushButton},
                     {IDC_BROWSE_LABEL, kStatic, kText},
                     {IDC_BROWSE_EDIT, kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
                     {IDC_BROWSE_FOLDERS_LABEL, kStatic, kText},
                     {IDC_BROWSE_FOLDERS, kListBox, kListBoxStyle},
                     {IDC_BROWSE_DRIVES_LABEL, kStatic, kText},
                     {IDC_BROWSE_DRIVES, kListBox, kListBoxStyle},
                     {IDC_BROWSE_PATH, kStatic, WS_CHILD | SS_LEFT | SS_NOPREFIX}}},
                   language);
}
} // namespace

// The English-only launcher, and the two-language one in each of its languages: the German
// dialogs give the texts more room but keep the controls, their ids, classes and styles.
TEST(DialogTemplates, LauncherDialogsAsDesigned) {
    const struct {
        const char *program;
        LANGID language;
    } builds[] = {{"RBRINDMOR.EXE", 0},
                  {"disc-de-en\\RBRINDMOR.EXE", kEnglishDialogs},
                  {"disc-de-en\\RBRINDMOR.EXE", kGermanDialogs}};
    for (const auto &build : builds) {
        SCOPED_TRACE(build.program);
        HMODULE launcher = LoadProgram(build.program);
        ASSERT_NE(nullptr, launcher);
        ExpectLauncherDialogs(launcher, build.language);
        FreeLibrary(launcher);
    }
}

TEST(DialogTemplates, UninstallerDialogAsDesigned) {
    HMODULE uninstaller = LoadProgram("BRINDDEL.EXE");
    ASSERT_NE(nullptr, uninstaller);
    // The confirmation: Yes, Cancel (the default), the question icon and the question. Its ids
    // are the uninstaller's own (they clash with the launcher's header, so they are numbers).
    ExpectTemplate(uninstaller, 101,
                   {0x90C800C0,
                    {{1002, kButton, 0x50010000},
                     {IDCANCEL, kButton, 0x50010001},
                     {0xFFFF, kStatic, 0x50000003},
                     {1001, kStatic, 0x50020080}}});
    FreeLibrary(uninstaller);
}
