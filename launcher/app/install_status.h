// The status line's text once an install has ended, or was refused before it began.
#pragma once
#include "elevation.h"

// A language offset: the reason when the prompt was declined or the elevated launcher gave no
// outcome; otherwise the install's own text ("Ready to Play!", its failure's cause, or 0 when there
// is nothing to say), as for an install the launcher carried out itself.
unsigned InstallStatusText(const InstallOutcome &outcome, HandOffResult handOff, bool ntFamily);
