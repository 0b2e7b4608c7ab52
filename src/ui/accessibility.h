#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace velmora::ui {

// Gives the table's own widgets their accessible roles: captions read as
// static text, cards as graphics. Installed once, by the table window.
void InstallAccessibleRoles();

}  // namespace velmora::ui
