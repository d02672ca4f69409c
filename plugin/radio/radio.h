// The VHF radio: frequencies, chatter folders and the chatter schedule.
#pragma once

namespace zephyrin {

void resetRadioTables();
void setUpRadio();
// Saves the frequencies for the next run.
void tearDownRadio();
// The next chatter comes after the delay the options ask for.
void scheduleNextChatter();

} // namespace zephyrin
