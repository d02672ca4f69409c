#pragma once

namespace zephyrin {

// 1 while the key that types `character` is held, with the Shift, Ctrl or Alt it needs held as
// the host's keyboard state (by scan code, high bit = down) shows. A character that needs a
// modifier reads as not down without a keyboard state: nothing shows the modifier held.
int KeyDown(char character, const char* keyState);

} // namespace zephyrin
