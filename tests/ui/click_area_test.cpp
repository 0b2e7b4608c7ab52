// The click area over a card: what a real press/release sequence raises.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "ui/click_area.h"

namespace velmora::ui {
namespace {

struct Recorder {
    explicit Recorder(ClickArea& area) {
        QObject::connect(&area, &ClickArea::clicked, [this] { events += "click "; });
        QObject::connect(&area, &ClickArea::doubleClicked, [this] { events += "dblclick "; });
    }
    std::string events;
};

void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(ClickArea, RaisesWhatEachMouseSequenceMeans) {
    const struct {
        const char* what;
        std::vector<std::pair<QEvent::Type, QPoint>> sequence;
        const char* raised;
    } cases[] = {
        {"a click", {{QEvent::MouseButtonPress, {10, 10}}, {QEvent::MouseButtonRelease, {10, 10}}}, "click "},
        {"a double click: the release after it is not another click",
         {{QEvent::MouseButtonPress, {10, 10}}, {QEvent::MouseButtonRelease, {10, 10}},
          {QEvent::MouseButtonDblClick, {10, 10}}, {QEvent::MouseButtonRelease, {10, 10}}},
         "click dblclick "},
        {"a click after a double click counts again",
         {{QEvent::MouseButtonDblClick, {10, 10}}, {QEvent::MouseButtonRelease, {10, 10}},
          {QEvent::MouseButtonPress, {10, 10}}, {QEvent::MouseButtonRelease, {10, 10}}},
         "dblclick click "},
        {"a press dragged off the card before release",
         {{QEvent::MouseButtonPress, {10, 10}}, {QEvent::MouseButtonRelease, {500, 10}}}, ""},
        {"a release without a press", {{QEvent::MouseButtonRelease, {10, 10}}}, ""},
    };
    for (const auto& c : cases) {
        ClickArea area(nullptr);
        area.resize(73, 97);
        Recorder recorder(area);
        for (const auto& [type, at] : c.sequence) Send(area, type, at);
        EXPECT_EQ(recorder.events, c.raised) << c.what;
    }
}

TEST(ClickArea, IgnoresOtherButtons) {
    ClickArea area(nullptr);
    area.resize(73, 97);
    Recorder recorder(area);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick})
        Send(area, type, {10, 10}, Qt::RightButton);
    Send(area, QEvent::MouseButtonRelease, {10, 10});  // a left release after a right press is no click
    EXPECT_EQ(recorder.events, "");
}

}  // namespace
}  // namespace velmora::ui
