#pragma once

class QWidget;

namespace velmora::ui {

// Moves a window so that its size, centred, lies in the middle of the
// primary screen's available area; with no screen it stays where it is.
void CentreOnScreen(QWidget& window);

}  // namespace velmora::ui
