// What decides whether a program has the rights a change needs or can ask for them: the system's
// family and version and the token the program runs with. Gathered like any other fact.
#pragma once

// The token's elevation type, where the system has one (Vista and later).
enum class ElevationKind {
    Unknown, // no such notion on this system, or it could not be read
    Default, // no split token: a standard user, or User Account Control off
    Full,    // an administrator's elevated token
    Limited, // an administrator's token with the administrator's rights filtered out
};

struct RightsFacts {
    bool ntFamily;
    bool vistaOrLater; // the system has User Account Control
    ElevationKind elevationType;
    bool elevated; // the token is elevated
    bool uacOn;    // User Account Control is on (EnableLUA not 0; missing counts as on)
};

// True when the system can give this process more rights on request: Vista or later with User
// Account Control on, and a token not elevated yet (a split administrator's is asked to consent, a
// standard user's for an administrator's password).
bool ElevationPossible(const RightsFacts &facts);

// Reads the facts of this process. Functions newer than Windows 95 are looked up at run time; a
// system without them reads as having no elevation (Unknown, not elevated). Win32 side.
void GatherRightsFacts(RightsFacts *facts);
