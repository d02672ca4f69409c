// How long the radio stays quiet between two chatters.
#pragma once

namespace zephyrin {

// Seconds from ATCMINDELAY..ATCMAXDELAY, both times ATCDELAYFACTOR while the vessel flies above
// ATCDELAYDISTANCEKM (with ATCDELAYMULTIPLY on). The draw is read as unsigned, so a range the
// wrong way round can give a very long silence.
double ChatterDelay();

} // namespace zephyrin
