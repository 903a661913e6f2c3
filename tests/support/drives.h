// Simulated drives for tests: defining and removing Wine drives at run time through its mount
// manager, so a test can add CD-ROM drives, take a disc out and put it back.
#pragma once
#include <windows.h>

#include <string>

// The Unix path of a scratch folder for a simulated drive, under the rig ($BRINDLE_RIG/drives/).
// The folder is created (empty of anything but what the test puts there).
std::string DriveFolder(const std::string &name);

// A Unix folder that does not exist: a CD-ROM drive defined on it has no disc.
std::string MissingFolder();

// Defines drive `letter` ('a'..'z') on a Unix folder as `type` (DRIVE_CDROM, DRIVE_FIXED, ...).
// The volume label is written to the folder's .windows-label first, since the mount manager reads
// it when the drive is defined (a NULL label leaves the file alone).
bool DefineDrive(char letter, const std::string &unixFolder, UINT type, const char *label);

// Removes drive `letter` altogether.
bool RemoveDrive(char letter);

// Puts the title's disc back as it was at rig start: E: on $BRINDLE_RIG/disc-e, CD-ROM,
// label BRINDLE_MOR.
bool RestoreDiscDrive();

// Takes the title's disc out of E: (the drive stays a CD-ROM drive, with no disc in it).
bool EjectDiscDrive();

// The drive's type and volume label as Win32 reports them ("" when the volume cannot be read).
UINT DriveType(char letter);
std::string DriveLabel(char letter);

// Restores drive E: when it goes out of scope; removes the extra letters it was told about.
class DriveRestorer {
  public:
    DriveRestorer() = default;
    ~DriveRestorer();
    void Forget(char letter); // remove this letter at the end
    DriveRestorer(const DriveRestorer &) = delete;
    DriveRestorer &operator=(const DriveRestorer &) = delete;

  private:
    std::string extra_;
};
