// "Sound\Cfg\Radio.cfg": the com and standby frequencies kept from one run to the next, as the
// two 80-byte frequency buffers.
#pragma once

namespace zephyrin {

constexpr const char* radioConfigFile = "Sound\\Cfg\\Radio.cfg";

// Reads the frequencies (writing the file with the defaults when it is missing), repairs any
// that are not 7 characters long, builds the display texts and takes the volume level from VOLATC.
void LoadRadioConfig();
void SaveRadioConfig();

// "Com Frequency: xxx.xxxMhz" and "Mem Frequency: xxx.xxxMhz  (SHF-F)", cut to their buffers.
void buildComFrequencyText();
void buildMemFrequencyText();

} // namespace zephyrin
