// The Windows file system: it takes backslash paths in any case, and its C library has the text
// mode the system's files are written for.
#include "file_system.h"

#include <windows.h>

namespace platform {

std::string resolvePath(const char* systemPath) {
    return systemPath == nullptr ? "" : systemPath;
}

FILE* openFile(const char* systemPath, const char* mode) {
    if (systemPath == nullptr || mode == nullptr) {
        return nullptr;
    }
    return std::fopen(systemPath, mode);
}

bool seekFile(FILE* file, int64_t offset) {
    return file != nullptr && offset >= 0 && ::_fseeki64(file, offset, SEEK_SET) == 0;
}

int64_t tellFile(FILE* file) {
    return file == nullptr ? -1 : ::_ftelli64(file);
}

bool setCurrentFolder(const char* systemPath) {
    return systemPath != nullptr && *systemPath != '\0' && ::SetCurrentDirectoryA(systemPath);
}

std::string currentFolder() {
    DWORD length = ::GetCurrentDirectoryA(0, nullptr);
    if (length == 0) {
        return std::string();
    }
    std::string folder(length, '\0');
    folder.resize(::GetCurrentDirectoryA(length, folder.data()));
    if (folder.empty() || folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

std::vector<FolderEntry> findFiles(const char* systemPattern) {
    std::vector<FolderEntry> entries;
    const std::string pattern = systemPattern == nullptr ? "" : systemPattern;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return entries;
    }
    // The search also matches the 8.3 short names ("*.wav" finds "x.wave" by "X~1.WAV"); only
    // the names themselves count.
    const std::string namePattern = pattern.substr(pattern.find_last_of("\\/:") + 1);
    do {
        if (wildcardMatch(namePattern.c_str(), found.cFileName)) {
            entries.push_back(
                {found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    // The order of a search is the file system's own; every caller gets the one order of
    // sortFolderEntries, whatever the drive is formatted with.
    sortFolderEntries(entries);
    return entries;
}

} // namespace platform
