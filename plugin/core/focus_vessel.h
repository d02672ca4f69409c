#pragma once

namespace zephyrin {

// Makes the focus vessel's options the live ones and prepares its sounds: its class file, its
// animations, its placement, and the queue of its add-on waves that the next frame loads.
void loadFocusVesselSounds();

} // namespace zephyrin
