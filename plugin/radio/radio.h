// The VHF radio: frequencies, chatter folders and the chatter schedule.
#pragma once

namespace zephyrin {

void resetRadioTables();
void setUpRadio();
// Saves the frequencies for the next run.
void tearDownRadio();
// The next chatter comes after the delay the options ask for.
void scheduleNextChatter();
// At a new focus vessel the first chatter comes after a random delay from `simTime`.
void scheduleFirstChatter(double simTime);

// True while the selected folder's sequential program asks the pad countdown to stay silent.
bool sequentialProgramSuppressesCountdown();

// Frame steps: the chatter, then the noise of the radio black-out.
void updateRadioChatter();
void updateRadioBlackout();

} // namespace zephyrin
