// The marking page's sheet: chart swatches, bodies, band slices, glyphs and the display window.
#include "Drawing.h"
#include "Sheets.h"

namespace picturegen {

QImage fnDrawColorMarkSheet()
{
    QImage img(500, 740, QImage::Format_RGB32);
    img.fill(ink::kPageBack);
    return img;
}

QList<TFieldPlace> fnColorMarkOverlay() { return {}; }

} // namespace picturegen
