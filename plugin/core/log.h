// The plug-in's log "Zephyrin_Log.txt": a family of line writers, each with its own line budget,
// so that a failure repeated every frame cannot grow the file without bound.
#pragma once

#include "platform/win_types.h"

#include <cstdio>

namespace zephyrin {

// The shared handle, opened for appending on demand; null when the file cannot be opened.
FILE* logOpen();
void logClose();

// Empties the log and writes the banner; the lifecycle calls it at the first module start only.
void createLogWithBanner(int voranthVersion);

// "Nov 20 2012 01:00": the build date with a blank-padded day given a leading zero, then the
// build time without its seconds.
void formatBuildText(const char* buildDate, const char* buildTime, char* out, size_t outSize);

void logLine(const char* text);                                        // "%s\n"
void logText(const char* text, const char* detail);                    // "%s %s\n"
void logTextError(HRESULT code, const char* text, const char* detail); // "... DX Code: %s"
void logError(HRESULT code, const char* text);
void logPlayError(HRESULT code, const char* text); // as logError, for play failures
HRESULT logDxTrace(const char* text, HRESULT code);
HRESULT logLoadTrace(const char* text, const char* fileName, HRESULT code);
void logFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logNote(const char* text, const char* detail = nullptr); // unlimited
void logNumber(const char* text, int value);                  // unlimited

// The two writers of the vessel class configuration reader.
void logClassText(const char* text, const char* detail); // "%s %s\n"
void logClassEntry(const char* name, const char* value); // "     %s\t'%s'\n"

// Lines about stereo files turned into 3D sounds, kept until the position dump writes them.
void addMonoStereoLine(const char* name, const char* state);
void flushMonoStereoLines();
// Forgets them unwritten: the position dump starts with the lines of its own load.
void clearMonoStereoLines();

// The line budgets.
constexpr int logLineLimit = 2001;
constexpr int playErrorLineLimit = 21;

} // namespace zephyrin
