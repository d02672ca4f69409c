#include "plugin/core/log.h"

#include "platform/file_system.h"
#include "platform/result_codes.h"

#include <cstdarg>
#include <cstring>

namespace zephyrin {

namespace {

constexpr const char* logFileName = "Zephyrin_Log.txt";
constexpr int monoStereoLineCapacity = 100;
constexpr int monoStereoLineLength = 255;
constexpr int formattedLineLength = 8000;

FILE* logFile = nullptr;

// One budget per writer, counted from the library's load and never reset.
struct LineBudget {
    int used = 0;
    int limit;
    explicit LineBudget(int lines) : limit(lines) {}
    bool exhausted() const { return limit > 0 && used >= limit; }
};

LineBudget lineBudget{logLineLimit};
LineBudget textBudget{logLineLimit};
LineBudget textErrorBudget{logLineLimit};
LineBudget errorBudget{logLineLimit};
LineBudget playErrorBudget{playErrorLineLimit};
LineBudget dxTraceBudget{logLineLimit};
LineBudget loadTraceBudget{logLineLimit};
LineBudget formatBudget{logLineLimit};
LineBudget classTextBudget{logLineLimit};
LineBudget classEntryBudget{logLineLimit};
LineBudget unlimited{0};

char monoStereoLines[monoStereoLineCapacity][monoStereoLineLength];
int monoStereoLineCount = 0;

// The open log when the writer still has budget; counts the line it is about to write.
FILE* takeLine(LineBudget& budget) {
    if (budget.exhausted()) {
        return nullptr;
    }
    FILE* file = logOpen();
    if (file != nullptr) {
        ++budget.used;
    }
    return file;
}

const char* orEmpty(const char* text) {
    return text == nullptr ? "" : text;
}

void writeCodedLine(LineBudget& budget, HRESULT code, const char* text) {
    if (FILE* file = takeLine(budget)) {
        if (code == 0) {
            std::fprintf(file, "%s \n", orEmpty(text));
        } else {
            std::fprintf(file, "%s  DX Code: %s\n", orEmpty(text), platform::errorName(code));
        }
    }
}

} // namespace

FILE* logOpen() {
    if (logFile == nullptr) {
        logFile = platform::openFile(logFileName, "at");
    }
    return logFile;
}

void logClose() {
    if (logFile != nullptr) {
        std::fclose(logFile);
        logFile = nullptr;
    }
}

void formatBuildText(const char* buildDate, const char* buildTime, char* out, size_t outSize) {
    std::snprintf(out, outSize, "%s %s", buildDate, buildTime);
    size_t dateLength = std::strlen(buildDate);
    if (dateLength >= 7 && dateLength < outSize && out[dateLength - 7] == ' ') {
        out[dateLength - 7] = '0';
    }
    size_t length = std::strlen(out);
    if (length >= 3 && out[length - 3] == ':') {
        out[length - 3] = '\0';
    }
}

void createLogWithBanner(int voranthVersion) {
    logClose();
    FILE* file = platform::openFile(logFileName, "wt");
    if (file == nullptr) {
        return;
    }
    char buildText[64];
    formatBuildText("Nov 20 2012", "01:00:31", buildText, sizeof buildText);
    std::fprintf(file,
                 "********************************************************\n"
                 "Zephyrin 4.0 (3D) Build %s\n"
                 "********************************************************\n\n",
                 buildText);
    std::fprintf(file, "Voranth version: %i\n", voranthVersion);
    std::fclose(file);
}

void logLine(const char* text) {
    FILE* file = takeLine(lineBudget);
    if (file != nullptr && text != nullptr) {
        std::fprintf(file, "%s\n", text);
    }
}

void logText(const char* text, const char* detail) {
    if (FILE* file = takeLine(textBudget)) {
        std::fprintf(file, "%s %s\n", orEmpty(text), orEmpty(detail));
    }
}

void logTextError(HRESULT code, const char* text, const char* detail) {
    if (FILE* file = takeLine(textErrorBudget)) {
        if (code == 0) {
            std::fprintf(file, "%s %s\n", orEmpty(text), orEmpty(detail));
        } else {
            std::fprintf(file, "%s %s  DX Code: %s\n", orEmpty(text), orEmpty(detail),
                         platform::errorName(code));
        }
    }
}

void logError(HRESULT code, const char* text) {
    writeCodedLine(errorBudget, code, text);
}

void logPlayError(HRESULT code, const char* text) {
    writeCodedLine(playErrorBudget, code, text);
}

// A success code stays a success even when the log cannot take the line: the caller's result
// must not depend on whether the log file is writable.
HRESULT logDxTrace(const char* text, HRESULT code) {
    if (dxTraceBudget.exhausted()) {
        return code;
    }
    FILE* file = takeLine(dxTraceBudget);
    if (file == nullptr) {
        return code == 0 ? code : E_FAIL;
    }
    if (code == 0) {
        std::fprintf(file, "%s \n", orEmpty(text));
    } else {
        std::fprintf(file, "FAILED: %s  DX Code: %s\n", orEmpty(text), platform::errorName(code));
    }
    return code;
}

HRESULT logLoadTrace(const char* text, const char* fileName, HRESULT code) {
    if (FILE* file = takeLine(loadTraceBudget)) {
        if (code == 0) {
            std::fprintf(file, "%s %s\n", orEmpty(text), orEmpty(fileName));
        } else {
            std::fprintf(file, "FAILED: %s %s DX Code: %s\n", orEmpty(text), orEmpty(fileName),
                         platform::errorName(code));
        }
    }
    return code;
}

void logFormat(const char* format, ...) {
    FILE* file = takeLine(formatBudget);
    if (file == nullptr) {
        return;
    }
    char text[formattedLineLength + 1];
    va_list values;
    va_start(values, format);
    std::vsnprintf(text, sizeof text, format, values);
    va_end(values);
    std::fprintf(file, "%s \n", text);
}

void logNote(const char* text, const char* detail) {
    if (FILE* file = takeLine(unlimited)) {
        if (detail == nullptr) {
            std::fprintf(file, "%s\n", orEmpty(text));
        } else {
            std::fprintf(file, "%s %s\n", orEmpty(text), detail);
        }
    }
}

void logNumber(const char* text, int value) {
    if (FILE* file = takeLine(unlimited)) {
        std::fprintf(file, "%s %i\n", orEmpty(text), value);
    }
}

void logClassText(const char* text, const char* detail) {
    if (FILE* file = takeLine(classTextBudget)) {
        std::fprintf(file, "%s %s\n", orEmpty(text), orEmpty(detail));
    }
}

void logClassEntry(const char* name, const char* value) {
    if (FILE* file = takeLine(classEntryBudget)) {
        std::fprintf(file, "     %s\t'%s'\n", orEmpty(name), orEmpty(value));
    }
}

void addMonoStereoLine(const char* name, const char* state) {
    if (monoStereoLineCount < monoStereoLineCapacity) {
        std::snprintf(monoStereoLines[monoStereoLineCount], monoStereoLineLength, "     %s\t'%s'\n",
                      orEmpty(name), orEmpty(state));
        ++monoStereoLineCount;
    }
}

void flushMonoStereoLines() {
    if (FILE* file = logOpen()) {
        for (int i = 0; i < monoStereoLineCount; ++i) {
            std::fprintf(file, "%s", monoStereoLines[i]);
        }
    }
    monoStereoLineCount = 0;
}

void clearMonoStereoLines() {
    monoStereoLineCount = 0;
}

} // namespace zephyrin
