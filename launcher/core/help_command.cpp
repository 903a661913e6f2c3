// The command line that opens the help document in its associated program.
#include "help_command.h"

#include "../../common/text.h"

static bool HasBlank(const char *text) {
    for (; *text != '\0'; ++text)
        if (*text == ' ')
            return true;
    return false;
}

bool BuildHelpCommandLine(const char *program, const char *document, char *line, size_t capacity) {
    if (capacity == 0)
        return false;
    line[0] = '\0';
    const bool quoteDocument = HasBlank(document);
    bool fits = AppendWhole(line, capacity, "\"") && AppendWhole(line, capacity, program) &&
                AppendWhole(line, capacity, "\" ") &&
                AppendWhole(line, capacity, quoteDocument ? "\"" : "") &&
                AppendWhole(line, capacity, document) &&
                AppendWhole(line, capacity, quoteDocument ? "\"" : "");
    if (!fits)
        line[0] = '\0'; // a cut command line would name another file
    return fits;
}
