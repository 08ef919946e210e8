// The pictures the generator draws, each at its store's size (times the
// variant's scale), as the program shows them (before the stored form).
#pragma once

#include "calculators/Transformer/TransformerFields.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <algorithm>

class QTextStream;

namespace picturegen {

// The language of the words drawn into a picture.
enum class TLanguage { Russian, English };

// Which copy of a picture is drawn: the language of its words and how many
// device pixels stand for one pixel of the picture (1 for the stores, 2 for
// the copies for high-density screens). Geometry is in picture pixels and
// is the same in every variant.
struct TVariant {
    TLanguage language = TLanguage::Russian;
    int scale = 1;
};

// A word drawn into a picture, as the Russian and the English sheet write it
// (UTF-8). Each sheet keeps all its words in one table of these.
struct TWordPair {
    const char* russian;
    const char* english;
};

// Whether a text holds a Cyrillic letter (an English word must not).
inline bool fnHasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; });
}

// A place on a picture where the page puts an edit box.
struct TFieldPlace {
    QString name; // the widget's object name ("editA")
    QRect rect;
};

QImage fnDrawAbout(const TVariant& variant); // 420 x 400, the help page's title picture
QList<TWordPair> fnAboutWords();
QImage fnDrawIcon16(); // 16 x 16 window icon, at most 256 colours

// The desktop icon in the hicolor sizes (16 is the window icon itself), and
// the writer of packaging/icons/quillfern-<size>.png with its read-back check.
const QList<int>& fnAppIconSizes();
QImage fnDrawAppIcon(int size); // size x size, ARGB
int fnWriteAppIcons(const QString& dir, QTextStream& out, QTextStream& err);

QImage fnDrawCoreSheet(transformer::TTransCoreKind kind, const TVariant& variant); // 560 x 220
QImage fnDrawInputPanel(const TVariant& variant);                // 180 x 220
QList<TWordPair> fnTransformerWords();                           // of the core drawings and the panel

// Field places, for the debug previews and for the drawings themselves.
QList<TFieldPlace> fnCoreFields(transformer::TTransCoreKind kind);
QList<TFieldPlace> fnInputPanelFields();

// Colours every transformer drawing keeps exactly through palette reduction.
QList<QColor> fnTransformerKeyColours();

// The 24-bit sheets of the other calculators. Each one's overlay lists the
// pieces the page cuts and the places where the page puts widgets over them
// (in sheet coordinates), drawn on the preview for checking by eye; a
// caption's place follows the width of its words in the language given.
QImage fnDrawInductionSheet(const TVariant& variant); // 1000 x 500, coil page
QList<TFieldPlace> fnInductionOverlay(TLanguage language);
QList<TWordPair> fnInductionWords();
QImage fnDrawColorMarkSheet(const TVariant& variant); // 500 x 740, marking page
QList<TFieldPlace> fnColorMarkOverlay(TLanguage language);
QList<TWordPair> fnColorMarkWords();
QImage fnDrawFilterSheet(const TVariant& variant); // 620 x 460, filter page
QList<TFieldPlace> fnFilterOverlay();
QList<TWordPair> fnFilterWords();
QImage fnDrawFormulasSheet(const TVariant& variant); // 600 x 510, formulas page
QList<TFieldPlace> fnFormulasOverlay();
QList<TWordPair> fnFormulasWords();

} // namespace picturegen
