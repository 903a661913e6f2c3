// Characters the browser's folder box refuses, and their removal with the caret kept in place.
#pragma once

// The twelve refused characters: space " & * + , / < > ? ^ |
bool IsRefusedCharacter(char c);

// Removes every refused character from text and moves the selection start and end left by the
// number removed before each, so the caret stays where it was typed. Returns the number removed.
int RemoveRefusedCharacters(char *text, int *selectionStart, int *selectionEnd);
