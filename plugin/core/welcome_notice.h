#pragma once

namespace zephyrin {

// Shows the "what's new" notice while "Sound\Cfg\NoWelcome.cfg" asks for it.
void showWelcomeNoticeWhenAsked();

} // namespace zephyrin
