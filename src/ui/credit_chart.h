#pragma once

#include <QWidget>
#include <vector>

namespace velmora::ui {

// The credits over the hands of the session, as a line: drawn with
// QPainter, so that it stays sharp at any scale. Screen readers get a
// summary in words as its description.
class CreditChart : public QWidget {
    Q_OBJECT
public:
    explicit CreditChart(QWidget* parent);

    // The credits when the session began, then after each hand.
    void SetCredits(const std::vector<double>& credits);

    QSize sizeHint() const override { return {560, 180}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> credits_;
};

}  // namespace velmora::ui
