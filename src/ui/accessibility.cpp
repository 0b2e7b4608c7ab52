#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/caption_view.h"
#include "ui/card_names.h"
#include "ui/click_area.h"
#include "ui/hold_text.h"

namespace velmora::ui {
namespace {

constexpr char kUnspoken[] = "velmoraUnspoken";

// A window whose accessible children are its child widgets less the
// unspoken ones.
class SpokenChildren : public QAccessibleWidget {
public:
    explicit SpokenChildren(QWidget* window) : QAccessibleWidget(window) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> Children() const {
        QList<QWidget*> spoken;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->property(kUnspoken).toBool()) spoken << child;
        }
        return spoken;
    }
};

QAccessibleInterface* TableWidgetInterface(const QString& className, QObject* object) {
    if (auto* label = qobject_cast<CaptionView*>(object)) return new QAccessibleWidget(label, QAccessible::StaticText);
    // A card is read once, through the area that takes its clicks.
    if (auto* area = qobject_cast<ClickArea*>(object)) return new QAccessibleWidget(area, QAccessible::Graphic);
    // The game's own windows, the table and the statistics.
    auto* widget = object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
    if (className == QLatin1String("QWidget") && widget && widget->isWindow()) return new SpokenChildren(widget);
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory(AccessibleFactory factory) {
    static std::vector<AccessibleFactory> installed;  // widgets are made on the GUI thread only
    if (std::find(installed.begin(), installed.end(), factory) != installed.end()) return;
    installed.push_back(factory);
    QAccessible::installFactory(factory);
}

void InstallAccessibleRoles() { InstallAccessibleFactory(TableWidgetInterface); }

void SetSpokenName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void Unspoken(QWidget* widget) { widget->setProperty(kUnspoken, true); }

QString CardsInWords(const QString& text) {
    // Each card in signs and in words.
    std::vector<std::pair<QString, QString>> cards;
    for (int code = 1; code <= 52; ++code) cards.emplace_back(ShortCardName(code), CardName(code));
    QStringList signs;
    for (const auto& card : cards) signs << QRegularExpression::escape(card.first);
    const QString card = QStringLiteral("(?:%1)").arg(signs.join(QLatin1Char('|')));
    const QRegularExpression run(QStringLiteral("%1(?:[ \\x{00a0}]%1)*").arg(card));
    const QRegularExpression gap(QStringLiteral("[ \\x{00a0}]"));

    QString spoken;
    qsizetype done = 0;
    for (auto matches = run.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        QStringList words;
        for (const QString& shown : match.captured().split(gap))
            words << std::find_if(cards.begin(), cards.end(), [&](const auto& c) { return c.first == shown; })->second;
        spoken += text.mid(done, match.capturedStart() - done) + QLocale().createSeparatedList(words);
        done = match.capturedEnd();
    }
    return spoken + text.mid(done);
}

void SpeakCardsInWords(QWidget* widget) {
    for (QLabel* label : widget->findChildren<QLabel*>()) {
        const QString spoken = CardsInWords(label->text());
        if (spoken != label->text()) SetSpokenName(label, spoken);
    }
}

}  // namespace velmora::ui
