// Putting the batch file's path into the program field of the PIF template.
#include "pif_patch.h"

#include "../common/text.h"

bool PutPifProgram(unsigned char *block, size_t size, const char *batchPath) {
    size_t length = TextLength(batchPath);
    if (size < kPifProgramField + kPifProgramFieldSize || length + 1 > kPifProgramFieldSize)
        return false;
    for (size_t i = 0; i <= length; ++i)
        block[kPifProgramField + i] = static_cast<unsigned char>(batchPath[i]);
    return true;
}
