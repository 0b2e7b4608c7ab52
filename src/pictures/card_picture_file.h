#pragma once

// The card picture file, "cartes.ccb"
// ----------------------------------
// One PNG image holding every card picture in a grid of 13 columns by 5 rows
// of equal cells. Rows 1 to 4 are the suit blocks Clubs, Diamonds, Hearts and
// Spades; in each, columns 1 to 13 hold Ace, 2 to 10, Jack, Queen, King.
// Frame f (1..52) is therefore the cell at 0-based row (f-1)/13 and column
// (f-1)%13, and a card code c (1..52) names block (c-1)/13+1 and rank
// (c-1)%13+1 (1 Ace, 11 Jack, 12 Queen, 13 King). Frame 53, the card back,
// is the first cell of row 5; the other twelve cells of row 5 are unused and
// transparent.
//
// The file written by the build (tools/card_painter) has cells of 144 x 194
// pixels, twice the 72 x 97 device-independent pixels a card covers on the
// table, so the cards stay sharp at 200% scaling; outside each card's rounded
// corners the pixels are transparent. It is a 256-colour palette PNG, which
// decodes faster and into a quarter of the memory of a full-colour one; the
// loader takes any PNG colour type. The loader accepts any cell size from
// 8 x 8 to 512 x 512 pixels, and files of at most 32 MiB. Decoding takes the
// sheet's own memory (one byte a pixel for a palette PNG, four for any other;
// 65 MiB for the largest grid) and little more: the loader reads only the
// chunks that make the picture, and a file whose compressed image data
// expands past what its header calls for is refused as soon as it does.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

#include "table/controls.h"

namespace velmora::pictures {

// What a decode inflated to measure the image data: never more than the
// header calls for and one 16 KiB step, however far the data would expand.
struct DecodeWork {
    qint64 inflatedBytes = 0;
};

class CardPictures {
public:
    // Frames 1..52 are the cards' faces, the last the card back.
    static constexpr int kColumns = 13, kRows = 5, kFrames = kCardBack;

    CardPictures() = default;

    // True when no usable file was loaded.
    bool IsEmpty() const { return sheet_.isNull(); }
    // Frames 1..53; a null QImage when empty or out of range.
    QImage Frame(int frame) const;
    // Pixel size of one cell; invalid when empty.
    QSize CellSize() const;

private:
    friend CardPictures DecodeCardPictures(const QByteArray& bytes, DecodeWork* work);
    explicit CardPictures(QImage sheet) : sheet_(std::move(sheet)) {}

    QImage sheet_;  // a palette or 32 bits a pixel, with a usable grid; or null
};

// The largest picture file the game will read.
inline constexpr qint64 kMaxCardPictureFileBytes = 32 * 1024 * 1024;

// Decodes the contents of a picture file; anything that is not a whole,
// undamaged PNG of a usable grid gives an empty result, quietly. Never
// throws, and an empty result is all that a lack of memory gives too; the
// header and every chunk's CRC are checked, and the compressed image data
// measured, before any pixel memory is set aside. `work`, when given, is
// told what the measuring took.
CardPictures DecodeCardPictures(const QByteArray& bytes, DecodeWork* work = nullptr);

// Reads one picture file: it must be a regular, readable file of at most
// kMaxCardPictureFileBytes; otherwise, or when its contents do not decode,
// the result is empty. Never throws.
CardPictures LoadCardPictures(const QString& path);

// Where the game looks for the picture file `name`: the current folder, then
// the executable's folder, then the installed data folder (the configured
// one, and <executable folder>/../share/velmora for a relocated install).
// Returns the first candidate that is an existing regular file, or "".
QString FindCardPictureFile(const QString& name);

// The same search over an explicit list of folders, in order.
QString FindCardPictureFile(const QString& name, const QStringList& folders);

// The game's card pictures: looks for the file `name` now, as
// FindCardPictureFile(name) does, and gives the work of loading it, to run on
// any thread. When no usable file was found, that gives an empty set and
// says so in one line on standard error, naming the folders looked in; the
// game goes on with blank cards.
std::function<CardPictures()> CardPictureLoading(const QString& name);

}  // namespace velmora::pictures
