// What the main window's status line says after an install: the text of the outcome's cause.
#pragma once
#include "install.h"

// The language-block offset of the status text for the outcome, 0 when nothing is to be said (the
// user gave up looking for the disc). A refusal for want of access is about rights only on the NT
// family; on the 9x family it means a disc or folder problem, and gets that text.
unsigned InstallOutcomeText(const InstallOutcome &outcome, bool ntFamily);
