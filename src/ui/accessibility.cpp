#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace velmora::ui {
namespace {

QAccessibleInterface* TableWidgetInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("velmora::ui::CaptionView")) return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String("velmora::ui::CardView")) return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(TableWidgetInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace velmora::ui
