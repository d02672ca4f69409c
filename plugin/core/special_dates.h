#pragma once

namespace zephyrin {

// Greets the pilot on 25 December, 31 December and 1 January.
void CheckSpecialDate();

} // namespace zephyrin
