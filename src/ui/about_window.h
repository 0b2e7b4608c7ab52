#pragma once

#include <QDialog>
#include <QString>

namespace velmora::ui {

class WordButton;

// Where the player finds the README with the rules in full: the installed
// game's documentation folder (beside its program's folder when the game
// was installed elsewhere).
QString ReadmeLocation();

// The modal About window. It does not close itself: OK, Escape and the
// window's close button all ask the table, which unloads it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent);

signals:
    void okRequested();

public slots:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    WordButton* ok_;
};

}  // namespace velmora::ui
