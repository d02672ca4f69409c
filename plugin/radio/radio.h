// The VHF radio's place in the plug-in's life: set up at window open, saved at window close,
// scheduled at each new focus vessel and run in the frame.
#pragma once

namespace zephyrin {

// Forgets the chatter of the last run; the frequencies and the folder list stay.
void resetRadioTables();
// Reads "Radio.cfg", lists the radio folders and tunes the com frequency.
void setUpRadio();
// Saves the frequencies for the next run.
void tearDownRadio();
// The next chatter comes after the delay the options ask for.
void scheduleNextChatter();
// At a new focus vessel the first chatter comes after a random delay from `simTime`.
void scheduleFirstChatter(double simTime);
// The chatter option switched on at run time: the program and the schedule start again from now.
void restartRadioChatter();

// True while the selected folder's sequential program asks the pad countdown to stay silent.
bool sequentialProgramSuppressesCountdown();

// Frame steps: the chatter, then the noise of the radio black-out.
void updateRadioChatter();
void updateRadioBlackout();

} // namespace zephyrin
