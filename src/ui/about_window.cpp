#include "ui/about_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "table/control_table.h"
#include "ui/artwork.h"
#include "ui/caption_view.h"
#include "ui/geometry.h"
#include "ui/look.h"
#include "ui/window_placement.h"
#include "ui/word_button.h"

namespace velmora::ui {
namespace {

class TitlePicture : public QWidget {
public:
    explicit TitlePicture(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintTitle(painter, rect(), QStringLiteral(VELMORA_VERSION));
    }
};

CaptionView* AddLine(QWidget* parent, const QRect& where, const char* name, const QString& text, Colour ink,
                     const QFont& font) {
    auto* label = new CaptionView(font, ToQColor(ink), Qt::AlignHCenter, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    label->SetCaption(text);
    return label;
}

}  // namespace

QString ReadmeLocation() {
    const QString relocated =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/velmora/README.md"));
    return QFileInfo(relocated).isFile() ? relocated : QStringLiteral(VELMORA_DOC_DIR "/README.md");
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Velmora"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kAboutClientSize);
    setAutoFillBackground(false);

    auto* title = new TitlePicture(this);
    title->setObjectName(QStringLiteral("Image1"));
    title->setGeometry(kAboutTitle);

    const QFont small = SansFont(8.25, false);
    AddLine(this, kAboutRights, "Label3", tr("Copyright \u00A9 2026 the Velmora authors"), kOrange, small);
    AddLine(this, kAboutInvitation, "Label7", tr("How to play, and the rules in full:"), kLightOrange, small);
    AddLine(this, kAboutAddress, "Label4", ReadmeLocation(), kOrange, SansFont(9.75, true));
    // The product note also tells a new player where the trainer is.
    AddLine(this, kAboutNote, "Label5",
            tr("Jacks or Better video poker; no real money.\nTrainer: right-click the table or press Menu."),
            kLightOrange, small)
        ->SetWordWrap(true);

    ok_ = new WordButton(tr("OK"), ToQColor(kLightOrange), this);
    ok_->setObjectName(QString::fromLatin1(kAboutOkName.data(), qsizetype(kAboutOkName.size())));
    ok_->setGeometry(kAboutOk);
    connect(ok_, &QAbstractButton::clicked, this, &AboutWindow::okRequested);
    ok_->setFocus();

    CentreOnScreen(*this);
}

void AboutWindow::reject() { emit okRequested(); }

void AboutWindow::closeEvent(QCloseEvent* event) {
    if (!event->spontaneous()) return event->accept();  // the program is ending
    event->ignore();
    emit okRequested();
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // An etched rule: a grey line with a white one along the same path, the
    // white one a pixel lower so that both show.
    painter.setPen(ToQColor(0x00808080));
    painter.drawLine(kAboutRuleLeft, kAboutRuleY, kAboutRuleRight, kAboutRuleY);
    painter.setPen(ToQColor(0x00FFFFFF));
    painter.drawLine(kAboutRuleLeft, kAboutRuleY + 1, kAboutRuleRight, kAboutRuleY + 1);
}

}  // namespace velmora::ui
