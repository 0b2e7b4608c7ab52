#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "ui/caption_view.h"
#include "ui/card_view.h"

namespace velmora::ui {
namespace {

QAccessibleInterface* TableWidgetInterface(const QString&, QObject* object) {
    if (auto* label = qobject_cast<CaptionView*>(object)) return new QAccessibleWidget(label, QAccessible::StaticText);
    if (auto* card = qobject_cast<CardView*>(object)) return new QAccessibleWidget(card, QAccessible::Graphic);
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
