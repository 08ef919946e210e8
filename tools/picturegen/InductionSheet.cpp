// The coil page's sheet: kind icons, the five winding drawings and the symbol pieces.
#include "Drawing.h"
#include "Sheets.h"

namespace picturegen {

QImage fnDrawInductionSheet()
{
    QImage img(1000, 500, QImage::Format_RGB32);
    img.fill(ink::kPageBack);
    return img;
}

QList<TFieldPlace> fnInductionOverlay() { return {}; }

} // namespace picturegen
