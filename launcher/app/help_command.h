// The command line that opens the help document in its associated program.
#pragma once
#include <cstddef>

// "program" document: the program path always in quotation marks (it may lie under a folder
// with blanks, such as "Program Files"), the document path quoted when it holds a blank.
// Returns false, with an empty line, when the whole command does not fit.
bool BuildHelpCommandLine(const char *program, const char *document, char *line, size_t capacity);
