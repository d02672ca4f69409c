// The platform services on a scratch tree in the current folder, written out as a report: the
// file search, case-blind paths, text mode, the current folder, the program's path, the keys,
// the clocks, the pinned date and the names of result codes. Built on Linux over the POSIX
// services and on Windows over the Win32 ones, the two reports must be the same.
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/keyboard.h"
#include "platform/module_path.h"
#include "platform/result_codes.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::FILE* report = nullptr;

void writeFile(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string lowerCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The last component of a system path, without its extension, in lower case.
std::string baseName(const std::string& systemPath) {
    std::string name = systemPath.substr(systemPath.find_last_of('\\') + 1);
    return lowerCase(name.substr(0, name.find('.')));
}

void listFiles(const char* pattern) {
    std::fprintf(report, "find %s:", pattern);
    for (const platform::FolderEntry& entry : platform::findFiles(pattern)) {
        std::fprintf(report, " %s%s", entry.name.c_str(), entry.isFolder ? "/" : "");
    }
    std::fprintf(report, "\n");
}

void readText(const char* path, const char* mode) {
    std::fprintf(report, "read %s (%s):", path, mode);
    std::FILE* file = platform::openFile(path, mode);
    if (file == nullptr) {
        std::fprintf(report, " cannot open\n");
        return;
    }
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        std::fprintf(report, " %02x", c);
    }
    std::fclose(file);
    std::fprintf(report, "\n");
}

void checkFiles() {
    std::filesystem::create_directories("Sound/Vessel/Cockpit");
    writeFile("Sound/Vessel/MainExt.wav", "RIFF");
    writeFile("Sound/Vessel/aero.WAV", "RIFF");
    writeFile("Sound/Vessel/notes.txt", "notes");
    writeFile("Sound/Vessel/wave.wave", "RIFF");
    writeFile("Sound/lines.cfg", "one\r\ntwo\r\n\x1a"
                                 "after the end");
    listFiles("Sound\\Vessel\\*.wav");
    listFiles("sound\\vessel\\*.*");
    listFiles("SOUND\\*");
    listFiles("Sound\\Missing\\*.wav");
    readText("SOUND\\LINES.CFG", "rt");
    readText("sound\\lines.cfg", "r");
    readText("Sound\\Vessel\\MAINEXT.WAV", "rb");

    std::FILE* written = platform::openFile("Sound\\written.txt", "wt");
    std::fputs("first\nsecond\n", written);
    std::fclose(written);
    readText("Sound\\written.txt", "rt");

    std::fprintf(report, "enter sound\\VESSEL: %s\n",
                 platform::setCurrentFolder("sound\\VESSEL") ? "yes" : "no");
    std::string folder = platform::currentFolder();
    std::fprintf(report, "current folder ends with a backslash: %s\n",
                 !folder.empty() && folder.back() == '\\' ? "yes" : "no");
    readText("mainext.wav", "rb");
    std::fprintf(report, "enter ..: %s\n", platform::setCurrentFolder("..") ? "yes" : "no");
    std::fprintf(report, "enter Missing: %s\n",
                 platform::setCurrentFolder("Missing") ? "yes" : "no");
    std::fprintf(report, "program: %s\n", baseName(platform::executablePath()).c_str());
}

void checkKeys() {
    for (char character : std::string("aZ7!;: \r")) {
        std::fprintf(report, "key of '%c': %04x\n", character == '\r' ? 'R' : character,
                     static_cast<uint16_t>(platform::keyScan(character)));
    }
    std::fprintf(report, "space before: %d\n", platform::asyncKeyState(0x20) < 0);
    platform::setKeyDown(0x20, true);
    std::fprintf(report, "space held: %d\n", platform::asyncKeyState(0x20) < 0);
    platform::setKeyDown(0x20, false);
    std::fprintf(report, "space released: %d\n", platform::asyncKeyState(0x20) < 0);
}

void checkClocks() {
    platform::useSimulatedClock(true);
    uint32_t tick = platform::tickCountMs();
    int64_t counter = platform::performanceCounter();
    platform::advanceSimulatedClock(1.5);
    std::fprintf(report, "simulated 1.5 s: %u ms, %.6f s\n", platform::tickCountMs() - tick,
                 static_cast<double>(platform::performanceCounter() - counter) /
                     static_cast<double>(platform::performanceFrequency()));
    platform::useSimulatedClock(false);

    platform::setLocalDate(2026, 12, 24);
    std::tm date = platform::localTime();
    std::fprintf(report, "pinned date: %04d-%02d-%02d weekday %d day %d\n", date.tm_year + 1900,
                 date.tm_mon + 1, date.tm_mday, date.tm_wday, date.tm_yday);
    platform::clearLocalDate();
}

void checkResultCodes() {
    const HRESULT codes[] = {DS_OK,          DSERR_BUFFERLOST, DSERR_INVALIDPARAM,
                             DSERR_NODRIVER, E_NOINTERFACE,    HRESULT(0x80001234)};
    for (HRESULT code : codes) {
        std::fprintf(report, "code %08lx: %s\n",
                     static_cast<unsigned long>(static_cast<uint32_t>(code)),
                     platform::errorName(code));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: platform_check REPORT_FILE\n");
        return 2;
    }
    report = std::fopen(argv[1], "wb");
    if (report == nullptr) {
        std::fprintf(stderr, "platform_check: cannot write %s\n", argv[1]);
        return 1;
    }
    checkFiles();
    checkKeys();
    checkClocks();
    checkResultCodes();
    std::fclose(report);
    return 0;
}
