// The marking page: the component family on the left; on the right one
// picture built from sheet pieces — the body with its bands, a chart of 13
// colours by 6 bands that the user clicks, and a display window showing the
// decoded value — with the SMD code field and the capacitor code and letter
// over their bodies. Decoding is the marking decoder's.
#pragma once

#include "calculators/ColorMark/ColorMarkGeometry.h"
#include "calculators/ColorMark/MarkingDecoder.h"
#include "common/core/Rect.h"

#include <QImage>
#include <QObject>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class TMyImageCanvas;
class TMyPageHost;

// The chart's size, which the page's tables below are made for.
using marking::MarkBands;
using marking::MarkRows;

// Where the pieces come from on the sheet and where they go on the picture,
// as the marking geometry gives them, by the numbers the page draws with.
struct TMarkPieces {
    std::array<TRect, marking::geometry::Swatches.fnLast() + 1> swatch{};        // 1-30
    std::array<TRect, marking::geometry::BandNumbers.fnLast() + 1> bandNumber{}; // 1-7
    std::array<TRect, 3> icon{};                                                 // resistor, capacitor, inductor
    std::array<TRect, marking::geometry::Glyphs.fnLast() + 1> glyph{};           // 0-10
    TRect point{};
    std::array<TRect, marking::geometry::Units.fnLast() + 1> unit{};           // 1-12
    std::array<TRect, marking::geometry::Tolerances.fnLast() + 1> tolerance{}; // 1-24
    std::array<TRect, marking::geometry::ExtraBands.fnLast() + 1> extraBand{}; // 1-12
    TRect window{};
    TRect interior{};
    std::array<std::array<TRect, MarkRows + 1>, MarkBands + 1> bandSlice{}; // [band][row]
    std::array<TRect, marking::geometry::Bodies.fnLast() + 1> body{};       // 1-5
};
// Hit rectangles (the chart's cells, the reset key) include their right and
// bottom edges.
struct TMarkPlaces {
    std::array<std::array<TRect, MarkBands + 1>, MarkRows + 1> cell{}; // [row][band]
    std::array<TRect, MarkBands + 1> bandNumber{};
    TRect window{};
    TRect interior{};
    TRect reset{};
    TRect unit{};
    TRect tolerance{};
    TRect extraBand{};
    std::array<TRect, marking::geometry::BodyPlaces.size() + 1> body{}; // 1-3
    std::array<TRect, MarkBands + 1> band{};
};

class TMyColorMarkPage : public QObject {
    Q_OBJECT
public:
    TMyColorMarkPage(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    marking::TColorMarkData& fnData() { return mData; }
    marking::TMarkFamily fnFamily() const;
    const TMarkPlaces& fnPlaces() const { return mPlaces; }
    const TMarkPieces& fnPieces() const { return mPieces; }

    // Published fields; each widget's objectName is its field name.
    QPushButton* btnClose = nullptr;
    QFrame* PanelSelectElement = nullptr;
    QFrame* PanelResult = nullptr;
    QRadioButton* rbMarkRes = nullptr;
    QRadioButton* rbMarkCap = nullptr;
    QRadioButton* rbMarkDross = nullptr;
    QLineEdit* editSMDres = nullptr;
    QLineEdit* editCap102 = nullptr; // a TMyNumberField
    QComboBox* cbCap104M = nullptr;
    TMyImageCanvas* imageSelectRes = nullptr;
    TMyImageCanvas* imagePanelResult = nullptr;
    QImage bmpColorMark;

public slots:
    void prCreatePanelSelectElement();
    void prCreatePanelResult();
    void prCutMarkPieces();
    void prPlaceMarkPieces();
    void prSetMarkRes();
    void prSetMarkCap();
    void prSetMarkDross();
    void prPanelResultOnMouseClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void prPanelResultOnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void prEditChangeRes();
    void prEditChangeCap102();
    void prComboChange();
    // The chart of the active family: its mode (after the clean-up), cell states, swatches.
    void prDrawChart();
    void prDrawChartMode(int mode);
    void prDrawBands(const std::string& code);
    void prDrawDisplay(const marking::TMarkDisplay& display);
    void prRecalc();
    void prResetMark();
    void prChartClick(int x, int y);

public:
    // What Ctrl+C copies: the family, its bands or code, and the reading of
    // the display window (value, tolerance, temperature coefficient).
    QString fnCopyText() const;

private:
    void prSetFamily(marking::TMarkFamily family);
    void prCopy(const TRect& place, const TRect& piece);
    std::string& fnActiveCode();
    const std::string& fnActiveCode() const;
    // The radio button of a family (the resistor's for none).
    QRadioButton* fnFamilyRadio(marking::TMarkFamily family) const;
    // The capacitor shows its numeric code while the code field or the letter list has the focus.
    bool fnCapCodeFocused() const;
    void prDropFocus();

    QWidget* mSheet;
    TMyPageHost* mHost;
    marking::TColorMarkData mData;
    TMarkPieces mPieces;
    TMarkPlaces mPlaces;
    bool mWriting = false;        // the page itself is rewriting the SMD field
    marking::TMarkDisplay mShown; // what the display window shows
};

void prCreateColorMarkPage(TMyPageHost& host);

TMyColorMarkPage* fnColorMarkPage(int pageIndex);
marking::TColorMarkData* fnColorMarkRecord(int pageIndex);
