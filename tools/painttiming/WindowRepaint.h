#pragma once
// Repainting the whole main window: with every skinned control's cache
// valid, right after a skin refresh (every cache stale), and with the skin
// manager inactive, in interleaved rounds; prints the ratios.

namespace folvane::painttiming {

// Returns false when the window could not be timed.
bool TimeMainWindowRepaint();

}  // namespace folvane::painttiming
