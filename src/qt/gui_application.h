#pragma once

namespace ravelin {
// The Qt application object that fonts and picture decoding need.

// Makes sure a QGuiApplication exists: the window's own when it made one, otherwise one created here, once,
// on the offscreen platform (a console run has no display and must not need one). False when a non-GUI
// application object is in the way.
bool EnsureGuiApplication();

}  // namespace ravelin
