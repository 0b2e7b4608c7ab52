#pragma once

// The table window on a virtual clock, its cards and rolls forced: the first
// deal is the Jack of Clubs, Five of Clubs, Nine of Spades, Jack of Diamonds
// and Two of Spades, where the game holds the Jacks, the best hold. The
// trainer is on it as in the game.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "ui/table_window.h"
#include "ui/trainer.h"

namespace velmora::ui {

class VirtualTable : public ::testing::Test {
protected:
    VirtualTable() : window_(random_, [this] { return now_; }) {
        window_.SetPressFilter((new Trainer(window_))->PressFilter());  // as the game wires it
        Force({11, 5, 48, 24, 41});
        window_.show();
        window_.activateWindow();
        QApplication::processEvents();
    }
    void Advance(Millis ms) {
        now_ += ms;
        window_.RunDueTicks();
    }
    void Force(std::initializer_list<int> codes) {
        for (const int code : codes) random_.Queue((code - 0.5f) / 52);
    }
    // Keys go where the focus is, as they would from the keyboard: in a
    // modal window such as About while one is open, else in the active window.
    void Key(Qt::Key key) {
        QWidget* window = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                          : QApplication::activeWindow() ? QApplication::activeWindow() : &window_;
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
        QApplication::processEvents();
    }
    QWidget* Child(const char* name) { return window_.findChild<QWidget*>(name); }
    // What a screen reader says of the child `name` ("" when there is none).
    QString Spoken(const char* name) {
        return Child(name) ? QAccessible::queryAccessibleInterface(Child(name))->text(QAccessible::Name) : QString();
    }
    QString Focused() { return window_.focusWidget() ? window_.focusWidget()->objectName() : QString(); }

    ClockSeededGenerator fallback_{9};
    ScriptedRandom random_{fallback_};
    Millis now_ = 0;
    TableWindow window_;
};

}  // namespace velmora::ui
