#pragma once

namespace zephyrin {

// While the welcome notice is on screen: plays its sound once, and on SPACE takes the notice
// away for good by leaving "Sound\Cfg\NoWelcome.cfg" empty.
void dismissWelcomeOnSpace();

} // namespace zephyrin
