// The radio folders below "sound\radio\": one per frequency, its waves the chatter heard there.
#pragma once

namespace zephyrin {

// Lists the sub-folders of "sound\radio\" in the file search's order, at most 60.
void ScanFrequencyFolders();
// Tunes the chatter to the first folder whose name contains the com frequency: its
// "Sequential.cfg" program, else its waves in random order. No folder leaves the radio silent.
void SelectFrequencyFolder();
// Reads folderPath + "Sequential.cfg" into the sequence record; 0 when the file does not open.
int ReadSequenceFile(const char* folderPath);

} // namespace zephyrin
