#include "ui/strategy_window.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/accessibility.h"
#include "ui/chart_text.h"
#include "ui/hold_text.h"
#include "ui/window_placement.h"

namespace velmora::ui {
namespace {

using strategy::ChartType;

// Rare kinds keep their first digits: "0.0002%".
QString Share(double fraction) {
    return StrategyWindow::tr("%1%").arg(QLocale().toString(100 * fraction, 'f', fraction < 0.001 ? 4 : 2));
}

// A long exception over two lines or more, each at most `width` wide.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines{QString()};
    for (const QString& word : text.split(u' ')) {
        const QString longer = lines.back().isEmpty() ? word : lines.back() + u' ' + word;
        if (!lines.back().isEmpty() && metrics.horizontalAdvance(longer) > width) lines << word;
        else lines.back() = longer;
    }
    return lines.join(u'\n');
}

enum Column { kLine, kHold, kShare, kValue, kBroken, kColumns };
constexpr int kExceptionWidth = 640;

}  // namespace

StrategyWindow::StrategyWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Strategy"));
    setWindowTitle(tr("Velmora: strategy chart"));
    InstallAccessibleRoles();
    if (parent) addActions(parent->actions());
    CloseOnEscape(*this);

    auto* intro = new QLabel(tr("Read down the chart and hold the first kind of hold the deal has. The figures are "
                                "this table's pays, from a shuffled deck: how often perfect play keeps each kind, "
                                "and what that hold is worth on average, in credits per credit bet."),
                             this);
    intro->setWordWrap(true);

    auto* typeRow = new QHBoxLayout;
    auto* typeLabel = new QLabel(tr("Chart:"), this);
    typeRow->addWidget(typeLabel);
    types_ = new QButtonGroup(this);
    const std::pair<ChartType, QString> choices[] = {
        {ChartType::Basic, tr("&Basic")},
        {ChartType::Exact, tr("&Exact, with exceptions")},
        {ChartType::Beginner, tr("Be&ginner")},
    };
    for (const auto& [type, text] : choices) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QStringLiteral("Chart%1").arg(static_cast<int>(type)));
        button->setChecked(type == type_);
        types_->addButton(button, static_cast<int>(type));
        typeRow->addWidget(button);
    }
    typeRow->addStretch(1);
    connect(types_, &QButtonGroup::idClicked, this, [this](int id) {
        type_ = static_cast<ChartType>(id);
        Fill();
    });

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ChartSummary"));
    summary_->setWordWrap(true);

    lines_ = new QTreeWidget(this);
    lines_->setObjectName(QStringLiteral("ChartLines"));
    lines_->setAccessibleName(tr("Chart lines"));
    lines_->setColumnCount(kColumns);
    lines_->setHeaderLabels({tr("Line"), tr("Hold"), tr("Deals"), tr("Average value"), tr("Broken this session")});
    lines_->setRootIsDecorated(false);
    lines_->setTextElideMode(Qt::ElideNone);
    lines_->setItemsExpandable(false);
    lines_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(typeRow);
    layout->addWidget(summary_);
    layout->addWidget(lines_, 1);
    resize(780, 640);
}

void StrategyWindow::Show(const strategy::Charts* charts, const session::BrokenLineCount& broken) {
    charts_ = charts;
    broken_ = &broken;
    Fill();
}

void StrategyWindow::Fill() {
    lines_->clear();
    lines_->setVisible(charts_ != nullptr);
    if (!charts_) {
        summary_->setText(tr("Working out the charts for this table\u2019s pays\u2026"));
        return;
    }
    const strategy::Chart& chart = charts_->Of(type_);
    summary_->setText(tr("Following the %1 chart on every deal brings back %2 of the credits bet; perfect play, %3.")
                          .arg(ChartTypeText(type_), Share(chart.expectedReturn), Share(chart.perfectReturn)));
    // Broken lines count against the basic chart, whose lines the panel names.
    const bool basic = type_ == ChartType::Basic;
    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        const strategy::ChartLine& line = chart.lines[i];
        const int number = static_cast<int>(i) + 1;
        auto* item = new QTreeWidgetItem(lines_);
        item->setText(kLine, QLocale().toString(number));
        item->setText(kHold, KindText(line.kind));
        item->setText(kShare, Share(line.frequency));
        item->setText(kValue, CreditsText(line.value));
        for (const int column : {kLine, kShare, kValue, kBroken}) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        const int broken = basic && broken_ ? broken_->Times(number) : 0;
        if (broken > 0) {
            item->setText(kBroken, broken == 1 ? tr("once") : tr("%n times", nullptr, broken));
            QFont font = lines_->font();
            font.setBold(true);
            for (int column = 0; column < kColumns; ++column) item->setFont(column, font);
        }
        for (const strategy::ChartException& exception : line.exceptions) {
            auto* under = new QTreeWidgetItem(item);
            under->setText(0, Wrapped(ui::ExceptionText(exception), lines_->fontMetrics(), kExceptionWidth));
            under->setFirstColumnSpanned(true);
        }
    }
    lines_->expandAll();
    // Wide enough for every column whole, as far as the screen allows.
    int wanted = lines_->verticalScrollBar()->sizeHint().width() + 2 * lines_->frameWidth() +
                 layout()->contentsMargins().left() + layout()->contentsMargins().right() + 8;
    for (int column = 0; column < kColumns; ++column) {
        lines_->resizeColumnToContents(column);
        wanted += lines_->header()->sectionSize(column);
    }
    if (wanted > width()) resize(std::min(wanted, screen()->availableGeometry().width()), height());
    for (int i = 0; i < lines_->topLevelItemCount(); ++i)
        for (int j = 0; j < lines_->topLevelItem(i)->childCount(); ++j)
            lines_->topLevelItem(i)->child(j)->setFirstColumnSpanned(true);
}

void StrategyWindow::keyPressEvent(QKeyEvent* event) {
    if (parentWidget()) QCoreApplication::sendEvent(parentWidget(), event);
    else QWidget::keyPressEvent(event);
}

}  // namespace velmora::ui
