// The Setup dialog's two space lines: "<label><drive> <n> KB".
#include "space_lines.h"

#include "../../common/text.h"

char *FormatDecimal(uint64_t value, char *dst, size_t capacity) {
    char reversed[24];
    size_t count = 0;
    do {
        reversed[count++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    char digits[24];
    for (size_t i = 0; i < count; ++i)
        digits[i] = reversed[count - 1 - i];
    digits[count] = '\0';
    CopyText(dst, capacity, digits);
    return dst;
}

void BuildSpaceLine(const char *label, const char *folder, uint64_t kb, char *dst,
                    size_t capacity) {
    char drive[3];
    CopyText(drive, sizeof drive, folder);
    char digits[24];
    FormatDecimal(kb, digits, sizeof digits);
    CopyText(dst, capacity, label);
    AppendText(dst, capacity, drive);
    AppendText(dst, capacity, " ");
    AppendText(dst, capacity, digits);
    AppendText(dst, capacity, " KB");
}
