// The command line that opens the help document in its associated program.
#include "help_command.h"

#include "../../common/command_quoting.h"
#include "../../common/text.h"

bool BuildHelpCommandLine(const char *program, const char *document, char *line, size_t capacity) {
    if (capacity == 0)
        return false;
    line[0] = '\0';
    bool fits = AppendWhole(line, capacity, "\"") && AppendWhole(line, capacity, program) &&
                AppendWhole(line, capacity, "\" ") && AppendPathArgument(line, capacity, document);
    if (!fits)
        line[0] = '\0'; // a cut command line would name another file
    return fits;
}
