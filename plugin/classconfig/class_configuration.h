// The focus vessel's class configuration file "Sound\_CustomVesselsSounds\<class>.cfg": which
// stock sounds it switches on or off, replaces with files of the class's own folder or places in
// 3D, and whether it turns on the sound debug display.
#pragma once

#include "plugin/classconfig/animation_sounds.h"
#include "plugin/classconfig/class_keys.h"
#include "plugin/classconfig/class_line_grammar.h"
#include "plugin/classconfig/stock_position.h"
#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

// What the focus vessel's class file asked for, cleared before every read.
struct ClassConfigurationState {
    int32_t classDebugDisplay; // 1: dump the sound positions and show the debug line
    char configClassName[256]; // the class in the form that names its file and sound folder
    int32_t classOptionValue[classOptionKeyCount]; // classKeyAbsent, classFalse or classTrue
    char classReplacement[classReplacementKeyCount][classPathSize]; // empty: none
    int32_t classReplaceAllGpws;                                    // as classOptionValue
    StockPosition classStockPosition[stockPositionCount];
    int32_t classParameterCount;
};
extern ClassConfigurationState classConfiguration;

// Reads the focus vessel's class file into the state and applies it; run by the focus set-up
// after the vessel's options became the live ones.
void readVesselClassConfiguration();
// Takes one read of a class file into the state; returns whether the line was counted.
bool takeClassLine(const char* line);
// Sets the live options and the focus vessel's record from the state.
void ApplyClassConfiguration();

// Whether the focus class file sets the option switch at `optionIndex`: the switch's place in
// the option record counted in 4-byte fields from 0 (its byte offset / 4; PLAYMAINTHRUST is 10).
// While it does, an add-on cannot change that option.
bool classFileSetsOption(int optionIndex);
// Whether the focus class file replaces the stock sound `stockId` (10..42, or 43 for the GPWS
// callouts); an add-on's replacement of the focus vessel does not overwrite it.
bool classFileReplacesStockSound(int stockId);

} // namespace zephyrin
