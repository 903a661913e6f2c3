// The status line's text once an install has ended, or was refused before it began.
#pragma once
#include "elevation.h"

// A language offset: "Ready to Play!" when installed; the reason when the prompt was declined or
// the elevated launcher gave no outcome; the install's own failure text otherwise; 0 when there is
// nothing to say (the user gave up looking for the disc: nothing changed).
unsigned InstallStatusText(const InstallOutcome &outcome, HandOffResult handOff);
