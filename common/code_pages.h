// The system's code pages and its converter between them, for the self-deletion batch's lines.
#pragma once
#include "batch_lines.h"

// Converts through the system's wide characters (MultiByteToWideChar, WideCharToMultiByte).
TextConverter SystemTextConverter();

// The interpreter that will run this system's batch: its line limit (the family's), the ANSI and
// the OEM code page, and the system's converter.
BatchInterpreter ThisSystemsBatchInterpreter();
