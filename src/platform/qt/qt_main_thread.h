// The Qt side of the main-thread call queue.
#pragma once

namespace hd {

// Asks the Qt event loop to run the posted calls; false when there is no application object.
bool WakeQtMainLoop();

}  // namespace hd
