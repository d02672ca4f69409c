// Files as the system names them: backslash paths in any case, relative to the current folder.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// The path of this file system that a system path ("Sound\Cfg\Zephyrin3.cfg") names: each
// component matches an existing entry exactly, else case-insensitively; components past the last
// existing folder are kept as given, so that new files are created inside the folder that exists.
// Windows matches names without regard to case itself: there the path comes back as given.
std::string resolvePath(const char* systemPath);

// fopen with the C modes. A text-mode read ("r", "rt") reads as Windows text mode does: a CR LF
// pair reads as LF and a Ctrl-Z ends the file.
FILE* openFile(const char* systemPath, const char* mode);

// Positions and sizes of open files in 64 bits: `long` is 32 bits on Windows, where a seek to
// 2 GiB or more would go backwards.
bool seekFile(FILE* file, int64_t offset);
int64_t tellFile(FILE* file);
// -1 when the size cannot be had; the position is left where it was.
int64_t fileSize(FILE* file);

bool setCurrentFolder(const char* systemPath);

// The current folder in the system's form, with a trailing backslash.
std::string currentFolder();

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The entries of a folder that match a Windows wildcard pattern ("Sound\Vessel\*.wav",
// "sound\radio\*.*"), case-insensitively, in name order; "." and ".." come first where the
// pattern matches them, as the platform's file search returns them.
std::vector<FolderEntry> findFiles(const char* systemPattern);

// Puts entries in the order findFiles returns them: "." and "..", then by name ignoring case.
void sortFolderEntries(std::vector<FolderEntry>& entries);

// Windows wildcard match: '*' any run, '?' one character, case-insensitive; "*.*" matches all.
bool wildcardMatch(const char* pattern, const char* name);

} // namespace platform
