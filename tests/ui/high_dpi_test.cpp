// The table at 200%: twice the pixels, cards drawn from the double-size
// pictures as they are, not enlarged from small ones, even button frames and
// whole letters.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "pictures/card_picture_file.h"
#include "ui/table_window.h"
#include "pixel_checks.h"

namespace velmora::ui {

using pictures::CardPictures;
using pictures::FindCardPictureFile;
using pictures::LoadCardPictures;
namespace {

TEST(HighDpi, TwiceThePixelsTheLargePicturesEvenFramesAndWholeLetters) {
    TableWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(1068, 670));

    const CardPictures pictures = LoadCardPictures(FindCardPictureFile(QStringLiteral("cartes.ccb")));
    // The back as it should look on the black table, pixel for pixel.
    QImage expected(144, 194, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(0, 0, pictures.Frame(53));

    for (int slot = 1; slot <= 5; ++slot) {
        const QRect card = window.findChild<QWidget*>(QStringLiteral("Picture%1").arg(slot))->geometry();
        const QImage shown = shot.copy(card.x() * 2, card.y() * 2, 144, 194);
        EXPECT_EQ(shown, expected) << "slot " << slot;
    }
    for (const char* name : {"Deal1", "About", "Sortie"})
        testing::ExpectEvenFrame(shot, *testing::Child(window, name), 2);
    for (const char* name : {"Royal", "Straight", "Jack", "Panel", "Score"})
        testing::ExpectWholeLetters(shot, *testing::Child(window, name), 2);
}

}  // namespace
}  // namespace velmora::ui
