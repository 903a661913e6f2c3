// Paths on the title's disc ("0:\..." placeholders), the title root, and the title-drive values.
#include "disc_paths.h"

#include "../../common/text.h"

void ResolveDiscPath(char *path, size_t capacity, unsigned char titleDrive, const char *titleRoot) {
    if (capacity == 0 || path[0] == '\0')
        return;
    if (titleDrive >= 'a' && titleDrive <= 'z') {
        path[0] = char(titleDrive);
        return;
    }
    char rest[260];
    CopyText(rest, sizeof rest, TextLength(path) >= 3 ? path + 3 : "");
    CopyText(path, capacity, titleRoot);
    AppendText(path, capacity, rest);
}

void TitleRootFromModulePath(const char *modulePath, char *root, size_t capacity) {
    char path[260];
    CopyText(path, sizeof path, modulePath);
    CutAtLastChar(path, '\\');
    CutAtLastChar(path, '\\');
    CopyText(root, capacity, path);
    AppendText(root, capacity, "\\");
}
