#include "ui/credit_chart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/accessibility.h"
#include "ui/look.h"

namespace velmora::ui {
namespace {

QAccessibleInterface* ChartInterface(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<CreditChart*>(object)) return new QAccessibleWidget(chart, QAccessible::Chart);
    return nullptr;
}

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into at
// most `most` parts.
double TickStep(double span, int most) {
    double step = 1;
    while (span / step > most) {
        for (const double factor : {2.0, 2.5, 2.0}) {
            step *= factor;
            if (span / step <= most) break;
        }
    }
    return step;
}

QString Number(double value) { return QLocale().toString(value, 'f', 0); }

}  // namespace

CreditChart::CreditChart(QWidget* parent) : QWidget(parent) {
    InstallAccessibleFactory(ChartInterface);
    setObjectName(QStringLiteral("CreditChart"));
    setAccessibleName(tr("Credits over the hands"));
    setMinimumSize(320, 150);
}

void CreditChart::SetCredits(const std::vector<double>& credits) {
    if (credits == credits_) return;
    credits_ = credits;
    if (credits_.empty()) {
        setAccessibleDescription(QString());
    } else {
        const auto [low, high] = std::minmax_element(credits_.begin(), credits_.end());
        const int hands = static_cast<int>(credits_.size()) - 1;
        setAccessibleDescription((hands == 1 ? tr("Over 1 hand the credits went from %1 to %2; the lowest was %3, the highest %4.")
                                             : tr("Over %n hands the credits went from %1 to %2; the lowest was %3, the highest %4.",
                                                  nullptr, hands))
                                     .arg(Number(credits_.front()), Number(credits_.back()), Number(*low), Number(*high)));
    }
    update();
}

void CreditChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setFont(SansFont(8, false));
    const QFontMetrics metrics(painter.font());
    const QRectF plot = QRectF(rect()).adjusted(metrics.horizontalAdvance(QStringLiteral("-00000")) + 10, 8, -12,
                                                -metrics.height() - 8);
    if (credits_.size() < 2 || plot.width() < 10 || plot.height() < 10) {
        painter.setPen(colours.color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, tr("The chart begins after the first hand."));
        return;
    }

    const int hands = static_cast<int>(credits_.size()) - 1;
    auto [lowIt, highIt] = std::minmax_element(credits_.begin(), credits_.end());
    double low = std::min(*lowIt, 0.0), high = *highIt;
    if (high - low < 1) high = low + 1;
    const double yStep = TickStep(high - low, 5);
    low = std::floor(low / yStep) * yStep;
    high = std::ceil(high / yStep) * yStep;
    const auto x = [&](double hand) { return plot.left() + plot.width() * hand / hands; };
    const auto y = [&](double credits) { return plot.bottom() - plot.height() * (credits - low) / (high - low); };

    // The grid and its numbers: credits up the side, hands along the bottom.
    const QColor gridColour = colours.color(QPalette::Mid);
    for (double value = low; value <= high + yStep / 2; value += yStep) {
        painter.setPen(QPen(value == 0 ? colours.color(QPalette::Text) : gridColour, 0));
        painter.drawLine(QPointF(plot.left(), y(value)), QPointF(plot.right(), y(value)));
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QRectF(0, y(value) - metrics.height() / 2.0, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, Number(value));
    }
    const double xStep = std::max(1.0, TickStep(hands, 8));
    for (double hand = 0; hand <= hands; hand += xStep) {
        painter.drawText(QRectF(x(hand) - 30, plot.bottom() + 4, 60, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         Number(hand));
    }

    QPainterPath line(QPointF(x(0), y(credits_.front())));
    for (int hand = 1; hand <= hands; ++hand) line.lineTo(x(hand), y(credits_[static_cast<std::size_t>(hand)]));
    painter.setPen(QPen(QColor(0x00, 0x90, 0x30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
}

}  // namespace velmora::ui
