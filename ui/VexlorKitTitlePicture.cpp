// The About box's picture: the program's name in blue block capitals on black.
#include "VexlorKitTitlePicture.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int GlyphColumns = 10;
constexpr int GlyphRows = 7;

struct Glyph {
    char letter;
    const char *rows[GlyphRows];
};

// One row of a glyph per string, 'X' for a block. Upright strokes are two blocks
// wide, so that the slanted ones can step by half a stroke.
const Glyph glyphs[] = {
    {'V', {"XX......XX", "XX......XX", "XX......XX", ".XX....XX.", "..XX..XX..", "...XXXX...", "....XX...."}},
    {'E', {"XXXXXXXXXX", "XX........", "XX........", "XXXXXXXX..", "XX........", "XX........", "XXXXXXXXXX"}},
    {'X', {"XX......XX", ".XX....XX.", "..XX..XX..", "...XXXX...", "..XX..XX..", ".XX....XX.", "XX......XX"}},
    {'L', {"XX........", "XX........", "XX........", "XX........", "XX........", "XX........", "XXXXXXXXXX"}},
    {'O', {".XXXXXXXX.", "XX......XX", "XX......XX", "XX......XX", "XX......XX", "XX......XX", ".XXXXXXXX."}},
    {'R', {"XXXXXXXXX.", "XX......XX", "XX......XX", "XXXXXXXXX.", "XX....XX..", "XX.....XX.", "XX......XX"}},
    {'K', {"XX......XX", "XX....XX..", "XX..XX....", "XXXX......", "XX..XX....", "XX....XX..", "XX......XX"}},
    {'I', {"..XXXXXX..", "....XX....", "....XX....", "....XX....", "....XX....", "....XX....", "..XXXXXX.."}},
    {'T', {"XXXXXXXXXX", "....XX....", "....XX....", "....XX....", "....XX....", "....XX....", "....XX...."}},
};

const char Title[] = "VEXLORKIT";
constexpr int TitleLength = sizeof Title - 1;

// A block is a little taller than wide: nine letters then fill the picture's
// width and height alike.
constexpr int BlockWidth = 4;
constexpr int BlockHeight = 5;
constexpr int LetterGap = 2 * BlockWidth;
constexpr int ShadowOffset = 2;

const Glyph &GlyphOf(char letter)
{
    for (const Glyph &glyph : glyphs)
        if (glyph.letter == letter)
            return glyph;
    Q_UNREACHABLE();
}

// Calls draw(rectangle) for every block of the title, placed from the origin.
template <typename Draw>
void ForEachBlock(QPoint origin, Draw draw)
{
    for (int i = 0; i < TitleLength; ++i) {
        const Glyph &glyph = GlyphOf(Title[i]);
        const int left = origin.x() + i * (GlyphColumns * BlockWidth + LetterGap);
        for (int row = 0; row < GlyphRows; ++row)
            for (int column = 0; column < GlyphColumns; ++column)
                if (glyph.rows[row][column] == 'X')
                    draw(QRect(left + column * BlockWidth, origin.y() + row * BlockHeight,
                               BlockWidth, BlockHeight));
    }
}

} // namespace

QPixmap DrawTitlePicture()
{
    const int width = TitleLength * (GlyphColumns * BlockWidth + LetterGap) - LetterGap + ShadowOffset;
    const int height = GlyphRows * BlockHeight + ShadowOffset;
    const QPoint origin((TitlePictureSize.width() - width) / 2,
                        (TitlePictureSize.height() - height) / 2);

    QPixmap picture(TitlePictureSize);
    picture.fill(Qt::black);
    QPainter painter(&picture);

    // A dark blue shadow down and to the right lifts the letters off the black.
    ForEachBlock(origin + QPoint(ShadowOffset, ShadowOffset),
                 [&](const QRect &block) { painter.fillRect(block, QColor(0x00, 0x00, 0x80)); });

    // The letters: bright blue at the top fading to a deeper blue at the foot.
    QLinearGradient face(0, origin.y(), 0, origin.y() + GlyphRows * BlockHeight);
    face.setColorAt(0, QColor(0x60, 0x90, 0xFF));
    face.setColorAt(1, QColor(0x00, 0x20, 0xE0));
    ForEachBlock(origin, [&](const QRect &block) { painter.fillRect(block, face); });
    return picture;
}
