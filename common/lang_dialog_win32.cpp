// Running a dialog from the template of the chosen language block's own resource language.
#include "lang_dialog.h"

#include "string_source.h"

static HRSRC FindDialog(HINSTANCE instance, WORD id, LANGID language) {
    return FindResourceExA(instance, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id),
                           language);
}

INT_PTR RunLangDialog(HINSTANCE instance, WORD id, HWND owner, DLGPROC procedure,
                      LPARAM parameter) {
    HRSRC found = DialogLanguage() != 0 ? FindDialog(instance, id, DialogLanguage()) : NULL;
    if (found == NULL)
        found = FindDialog(instance, id, kDefaultDialogLanguage);
    const void *dialog = found != NULL ? LockResource(LoadResource(instance, found)) : NULL;
    if (dialog == NULL)
        return DialogBoxParamA(instance, MAKEINTRESOURCEA(id), owner, procedure, parameter);
    return DialogBoxIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(dialog), owner, procedure,
                                   parameter);
}
