// The keys of a vessel class file, in the order the reader tries them and the class
// configuration stores their values.
#pragma once

#include "plugin/classconfig/stock_position.h"

namespace zephyrin {

// A boolean key that sets one switch of the option record. `optionIndex` is the switch's place
// in the record counted in 4-byte fields from 0 (its byte offset / 4): PLAYMAINTHRUST is 10.
struct ClassOptionKey {
    const char* name;
    int optionIndex;
};

// A key that names a replacement file for one stock sound (stock ids 10..42).
struct ClassReplacementKey {
    const char* name;
    int stockId;
};

// A key that places stock sounds in 3D; the entry is its index in the stock position table.
struct ClassPositionKey {
    const char* name;
    StockPositionEntry entry;
};

constexpr int classOptionKeyCount = 20;
constexpr int classReplacementKeyCount = 33;
extern const ClassOptionKey classOptionKeys[classOptionKeyCount];
extern const ClassReplacementKey classReplacementKeys[classReplacementKeyCount];
extern const ClassPositionKey classPositionKeys[stockPositionCount];

// DISPLAYTIMER is an option key that the reader tries after the PLAY keys, for every letter.
constexpr int displayTimerKeyIndex = 17;
extern const char* const displayDebugHelpKey;
extern const char* const replaceAllGpwsKey;
constexpr int replaceAllGpwsStockId = 43;

} // namespace zephyrin
