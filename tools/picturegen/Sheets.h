// The pictures the generator draws, each at its store's size, as the
// program shows them (before the stored form).
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QTextStream;

namespace picturegen {

// A place on a picture where the page puts an edit box.
struct TFieldPlace {
    QString name; // the widget's object name ("editA")
    QRect rect;
};

// The five core kinds of the transformer page, in the order of their stores.
enum class TCoreKind { LaminatedEI, TapeEI, LaminatedUI, TapeUI, Toroid };

QImage fnDrawAbout();  // 420 x 400, the help page's title picture
QImage fnDrawIcon16(); // 16 x 16 window icon, at most 256 colours

// The desktop icon in the hicolor sizes (16 is the window icon itself), and
// the writer of packaging/icons/quillfern-<size>.png with its read-back check.
const QList<int>& fnAppIconSizes();
QImage fnDrawAppIcon(int size); // size x size, ARGB
int fnWriteAppIcons(const QString& dir, QTextStream& out, QTextStream& err);

QImage fnDrawCoreSheet(TCoreKind kind); // 560 x 220
QImage fnDrawInputPanel();              // 180 x 220

// Field places, for the debug previews and for the drawings themselves.
QList<TFieldPlace> fnCoreFields(TCoreKind kind);
QList<TFieldPlace> fnInputPanelFields();

// Colours every transformer drawing keeps exactly through palette reduction.
QList<QColor> fnTransformerKeyColours();

// The 24-bit sheets of the other calculators. Each one's overlay lists the
// pieces the page cuts and the places where the page puts widgets over them
// (in sheet coordinates), drawn on the preview for checking by eye.
QImage fnDrawInductionSheet(); // 1000 x 500, coil page
QList<TFieldPlace> fnInductionOverlay();
QImage fnDrawColorMarkSheet(); // 500 x 740, marking page
QList<TFieldPlace> fnColorMarkOverlay();
QImage fnDrawFilterSheet(); // 620 x 460, filter page
QList<TFieldPlace> fnFilterOverlay();
QImage fnDrawFormulasSheet(); // 600 x 510, formulas page
QList<TFieldPlace> fnFormulasOverlay();

} // namespace picturegen
