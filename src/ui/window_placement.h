#pragma once

class QWidget;

namespace velmora::ui {

// Moves a window so that its size, centred, lies in the middle of the
// primary screen's available area; with no screen it stays where it is.
void CentreOnScreen(QWidget& window);

// Moves a window beside `anchor` (to its right, else to its left, level with
// its top) where it fits whole on the anchor's screen, so that it covers
// nothing of it; otherwise centred over the anchor. Either way it is kept on
// that screen.
void PlaceBeside(QWidget& window, const QWidget& anchor);

// Moves a window that has grown past its screen's right edge left as far as
// needed, never past the screen's left edge.
void KeepRightEdgeOnScreen(QWidget& window);

// Escape (and the desktop's Close keys) close the window.
void CloseOnEscape(QWidget& window);

}  // namespace velmora::ui
