// POSIX file system: backslash paths resolved case-insensitively, Windows text-mode reading.
#include "file_system.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool isFolder(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> splitComponents(const std::string& path) {
    std::vector<std::string> components;
    std::string component;
    for (char c : path) {
        if (c == '/') {
            if (!component.empty()) {
                components.push_back(component);
            }
            component.clear();
        } else {
            component += c;
        }
    }
    if (!component.empty()) {
        components.push_back(component);
    }
    return components;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

// The entry of `folder` whose name equals `name` ignoring case; the first in byte order when
// several do, so that the choice never depends on the order of the folder.
bool findCaseInsensitive(const std::string& folder, const std::string& name, std::string& found) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    bool matched = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0 &&
            (!matched || std::strcmp(entry->d_name, found.c_str()) < 0)) {
            found = entry->d_name;
            matched = true;
        }
    }
    ::closedir(dir);
    return matched;
}

// Windows text-mode reading: the whole file is read at open, CR LF folded to LF and cut at the
// first Ctrl-Z; the stream then serves reads and seeks from memory.
struct TextModeContent {
    std::string bytes;
    size_t position = 0;
};

ssize_t textModeRead(void* cookie, char* buffer, size_t size) {
    auto* content = static_cast<TextModeContent*>(cookie);
    size_t available = content->bytes.size() - std::min(content->position, content->bytes.size());
    size_t count = std::min(size, available);
    std::memcpy(buffer, content->bytes.data() + content->position, count);
    content->position += count;
    return static_cast<ssize_t>(count);
}

int textModeSeek(void* cookie, off64_t* offset, int whence) {
    auto* content = static_cast<TextModeContent*>(cookie);
    off64_t base = 0;
    if (whence == SEEK_CUR) {
        base = static_cast<off64_t>(content->position);
    } else if (whence == SEEK_END) {
        base = static_cast<off64_t>(content->bytes.size());
    }
    off64_t target = base + *offset;
    if (target < 0) {
        return -1;
    }
    content->position = static_cast<size_t>(target);
    *offset = target;
    return 0;
}

int textModeClose(void* cookie) {
    delete static_cast<TextModeContent*>(cookie);
    return 0;
}

FILE* openTextForReading(const std::string& path) {
    FILE* raw = std::fopen(path.c_str(), "rb");
    if (raw == nullptr) {
        return nullptr;
    }
    auto* content = new TextModeContent;
    char chunk[8192];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, raw)) > 0) {
        content->bytes.append(chunk, count);
    }
    std::fclose(raw);

    size_t end = content->bytes.find('\x1a');
    if (end != std::string::npos) {
        content->bytes.resize(end);
    }
    std::string folded;
    folded.reserve(content->bytes.size());
    for (size_t i = 0; i < content->bytes.size(); ++i) {
        if (content->bytes[i] == '\r' && i + 1 < content->bytes.size() &&
            content->bytes[i + 1] == '\n') {
            continue;
        }
        folded += content->bytes[i];
    }
    content->bytes.swap(folded);

    cookie_io_functions_t functions{};
    functions.read = textModeRead;
    functions.seek = textModeSeek;
    functions.close = textModeClose;
    FILE* stream = ::fopencookie(content, "r", functions);
    if (stream == nullptr) {
        delete content;
    }
    return stream;
}

bool isTextRead(const char* mode) {
    return std::strchr(mode, 'r') != nullptr && std::strchr(mode, 'b') == nullptr &&
           std::strchr(mode, '+') == nullptr;
}

std::string toSystemForm(const std::string& posixPath) {
    std::string systemPath = posixPath;
    std::replace(systemPath.begin(), systemPath.end(), '/', '\\');
    return systemPath;
}

} // namespace

std::string resolvePath(const char* systemPath) {
    std::string path = systemPath == nullptr ? "" : systemPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    bool absolute = !path.empty() && path.front() == '/';

    std::string resolved = absolute ? "/" : "";
    bool matching = true;
    for (const std::string& component : splitComponents(path)) {
        std::string candidate = joinPath(resolved, component);
        if (matching && component != "." && component != ".." && !exists(candidate)) {
            std::string found;
            if (findCaseInsensitive(resolved, component, found)) {
                candidate = joinPath(resolved, found);
            } else {
                matching = false;
            }
        }
        resolved = candidate;
    }
    if (!path.empty() && path.back() == '/' && !resolved.empty() && resolved.back() != '/') {
        resolved += '/';
    }
    return resolved;
}

FILE* openFile(const char* systemPath, const char* mode) {
    if (systemPath == nullptr || mode == nullptr) {
        return nullptr;
    }
    std::string path = resolvePath(systemPath);
    if (isTextRead(mode)) {
        return openTextForReading(path);
    }
    std::string posixMode;
    for (const char* c = mode; *c != '\0'; ++c) {
        if (*c != 't') {
            posixMode += *c;
        }
    }
    return std::fopen(path.c_str(), posixMode.c_str());
}

bool seekFile(FILE* file, int64_t offset) {
    return file != nullptr && offset >= 0 &&
           ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

int64_t tellFile(FILE* file) {
    return file == nullptr ? -1 : static_cast<int64_t>(::ftello(file));
}

bool setCurrentFolder(const char* systemPath) {
    std::string path = resolvePath(systemPath);
    return !path.empty() && ::chdir(path.c_str()) == 0;
}

std::string currentFolder() {
    char* folder = ::getcwd(nullptr, 0);
    if (folder == nullptr) {
        return std::string();
    }
    std::string systemPath = toSystemForm(folder);
    std::free(folder);
    if (systemPath.empty() || systemPath.back() != '\\') {
        systemPath += '\\';
    }
    return systemPath;
}

std::vector<FolderEntry> findFiles(const char* systemPattern) {
    std::vector<FolderEntry> entries;
    std::string pattern = systemPattern == nullptr ? "" : systemPattern;
    std::replace(pattern.begin(), pattern.end(), '\\', '/');
    size_t slash = pattern.rfind('/');
    std::string folderPart = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
    std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);

    std::string folder = folderPart.empty() ? "." : resolvePath(folderPart.c_str());
    if (namePattern.empty() || !isFolder(folder)) {
        return entries;
    }
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return entries;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (wildcardMatch(namePattern.c_str(), entry->d_name)) {
            entries.push_back({entry->d_name, isFolder(joinPath(folder, entry->d_name))});
        }
    }
    ::closedir(dir);
    sortFolderEntries(entries);
    return entries;
}

} // namespace platform
