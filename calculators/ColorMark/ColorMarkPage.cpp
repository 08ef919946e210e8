#include "calculators/ColorMark/ColorMarkPage.h"

#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/UiText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace marking;

namespace {

TMyPageList<TMyColorMarkPage> ColorMarkPages;

const QColor PictureBackground(212, 208, 200);

constexpr std::uint32_t TextCaption = 800;
constexpr std::uint32_t TextSelectTitle = 801;
constexpr std::uint32_t TextFirstRow = 810;     // chart rows 1-13, then 823 under them
constexpr std::uint32_t TextBandNumbers = 823;
constexpr std::uint32_t TextReset = 824;

constexpr int SelectPanelWidth = 200;
constexpr int SelectPanelHeight = 250;
constexpr int CellSize = 15;
constexpr int CellPitchX = 23;
constexpr int CellPitchY = 18;
constexpr int RowLabelWidth = 80;
constexpr int RowLabelHeight = 14;

TRect fnRect(int x, int y, int w, int h) { return fnPlaceRect(x, y, w, h, TRect{}); }

// Hits include the right and bottom edges.
bool fnHit(const TRect& r, int x, int y) { return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom; }

std::size_t fnAt(int k) { return static_cast<std::size_t>(k); }

// The SMD field as the normaliser reads it: one byte a character, anything
// outside ASCII as a byte no code can hold.
std::string fnAscii(const QString& text)
{
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text)
        ascii.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f');
    return ascii;
}

} // namespace

TMyColorMarkPage::TMyColorMarkPage(QWidget* tabSheet, TMyPageHost& host)
    : QObject(tabSheet), mSheet(tabSheet), mHost(&host)
{
}

TMarkFamily TMyColorMarkPage::fnFamily() const
{
    if (rbMarkRes && rbMarkRes->isChecked())
        return TMarkFamily::Res;
    if (rbMarkCap && rbMarkCap->isChecked())
        return TMarkFamily::Cap;
    if (rbMarkDross && rbMarkDross->isChecked())
        return TMarkFamily::Dross;
    return TMarkFamily::None;
}

std::string& TMyColorMarkPage::fnActiveCode()
{
    switch (fnFamily()) {
    case TMarkFamily::Cap: return mData.CodeCap;
    case TMarkFamily::Dross: return mData.CodeDross;
    case TMarkFamily::Res:
    case TMarkFamily::None: break;
    }
    return mData.CodeRes;
}

void TMyColorMarkPage::prCutMarkPieces()
{
    for (int n = 1; n <= 30; ++n)
        mPieces.swatch[fnAt(n)] = n <= 15 ? fnRect(33 + 15 * (n - 1), 1, 15, 15) : fnRect(33 + 15 * (n - 16), 16, 15, 15);
    for (int j = 1; j <= 7; ++j)
        mPieces.bandNumber[fnAt(j)] = fnRect(33 + 15 * (j - 1), 32, 15, 15);
    mPieces.icon = {fnRect(261, 1, 32, 32), fnRect(294, 1, 32, 32), fnRect(327, 1, 32, 32)};
    for (int g = 0; g <= 10; ++g)
        mPieces.glyph[fnAt(g)] = fnRect(1 + 21 * g, 214, 20, 24);
    mPieces.point = fnRect(232, 226, 8, 12);
    for (int u = 1; u <= 12; ++u)
        mPieces.unit[fnAt(u)] = fnRect(1 + 51 * ((u - 1) % 4), 241 + 25 * ((u - 1) / 4), 50, 24);
    for (int t = 1; t <= 24; ++t)
        mPieces.tolerance[fnAt(t)] = fnRect(1 + 67 * ((t - 1) % 3), 316 + 24 * ((t - 1) / 3), 66, 23);
    for (int e = 1; e <= 12; ++e)
        mPieces.extraBand[fnAt(e)] = fnRect(1 + 71 * ((e - 1) % 3), 632 + 24 * ((e - 1) / 3), 70, 23);
    mPieces.window = fnRect(1, 50, 284, 162);
    mPieces.interior = fnRect(33, 82, 170, 78);
    for (int k = 1; k <= MarkBands; ++k)
        for (int r = 1; r <= MarkRows; ++r)
            mPieces.bandSlice[fnAt(k)][fnAt(r)] = fnRect(216 + 12 * (k - 1), 241 + 33 * (r - 1), 11, 32);
    for (int p = 1; p <= 5; ++p)
        mPieces.body[fnAt(p)] = fnRect(290, 36 + 135 * (p - 1), 205, 134);
}

void TMyColorMarkPage::prPlaceMarkPieces()
{
    for (int r = 1; r <= MarkRows; ++r)
        for (int k = 1; k <= MarkBands; ++k)
            mPlaces.cell[fnAt(r)][fnAt(k)] =
                fnRect(mChartLeft + 2 + CellPitchX * (k - 1), mChartTop + 1 + CellPitchY * (r - 1), CellSize, CellSize);
    // Band numbers sit one pixel below the top of the label under the chart.
    const int numbersTop = mChartTop + CellPitchY * MarkRows + 1;
    for (int j = 1; j <= MarkBands; ++j)
        mPlaces.bandNumber[fnAt(j)] = fnRect(mChartLeft + 2 + CellPitchX * (j - 1), numbersTop, CellSize, CellSize);
    mPlaces.window = fnRect(248, 10, 284, 162);
    mPlaces.interior = fnRect(280, 42, 170, 78);
    mPlaces.reset = TRect{485, 93, 506, 119};
    mPlaces.unit = fnRect(394, 48, 50, 24);
    mPlaces.tolerance = fnRect(378, 74, 66, 23);
    mPlaces.extraBand = fnRect(278, 94, 70, 23);
    mPlaces.body = {TRect{}, fnRect(12, 14, 205, 134), fnRect(12, 154, 205, 134), fnRect(12, 294, 205, 134)};
    for (int k = 1; k <= MarkBands; ++k)
        mPlaces.band[fnAt(k)] = fnRect(79 + 11 * (k - 1), 64, 11, 32);
}

void TMyColorMarkPage::prCopy(const TRect& place, const TRect& piece)
{
    imagePanelResult->copyRect(fnPlaceRect(place.Left, place.Top, 0, 0, piece), bmpColorMark, piece);
}

void TMyColorMarkPage::prCreatePanelSelectElement()
{
    PanelSelectElement = fnNewPanel(mSheet, "PanelSelectElement");
    PanelSelectElement->setGeometry(10, 10, SelectPanelWidth, SelectPanelHeight);
    imageSelectRes = new TMyImageCanvas(PanelSelectElement);
    imageSelectRes->setObjectName("imageSelectRes");
    imageSelectRes->prSetSize(SelectPanelWidth, SelectPanelHeight);
    imageSelectRes->fillRect(fnRect(0, 0, SelectPanelWidth, SelectPanelHeight), PictureBackground);

    QLabel* title = fnNewLabel(PanelSelectElement, "labelSelectElement", fnText(TextSelectTitle));
    title->move(fnCentredLeft(PanelSelectElement->width(), title->width()), 8);
    const int h0 = fnBottom(title) + 4;
    const struct {
        QRadioButton** radio;
        const char* name;
        std::uint32_t text;
        void (TMyColorMarkPage::*handler)();
    } families[] = {
        {&rbMarkRes, "rbMarkRes", 802, &TMyColorMarkPage::prSetMarkRes},
        {&rbMarkCap, "rbMarkCap", 803, &TMyColorMarkPage::prSetMarkCap},
        {&rbMarkDross, "rbMarkDross", 804, &TMyColorMarkPage::prSetMarkDross},
    };
    int k = 0;
    for (const auto& family : families) {
        const TRect icon = mPieces.icon[fnAt(k)];
        imageSelectRes->copyRect(fnPlaceRect(4, h0 + 36 * k, 0, 0, icon), bmpColorMark, icon);
        *family.radio = fnNewRadio(PanelSelectElement, family.name, family.text, 40, h0 + 8 + 36 * k,
                                   PanelSelectElement->width() - 42);
        connect(*family.radio, &QRadioButton::clicked, this, family.handler);
        ++k;
    }
    rbMarkRes->setChecked(true);
    PanelSelectElement->resize(PanelSelectElement->width(), h0 + 112);
}

void TMyColorMarkPage::prCreatePanelResult()
{
    const QSize pageControl = mHost->fnPageControlSize();
    PanelResult = fnNewPanel(mSheet, "PanelResult");
    PanelResult->setGeometry(fnRight(PanelSelectElement) + 8, PanelSelectElement->y(), pageControl.width() - 234,
                             pageControl.height() - 48);
    imagePanelResult = new TMyImageCanvas(PanelResult);
    imagePanelResult->setObjectName("imagePanelResult");
    imagePanelResult->prSetSize(PanelResult->width(), PanelResult->height());
    imagePanelResult->fillRect(fnRect(0, 0, PanelResult->width(), PanelResult->height()), PictureBackground);
    connect(imagePanelResult, &TMyImageCanvas::mousePressed, this, &TMyColorMarkPage::prPanelResultOnMouseClick);
    connect(imagePanelResult, &TMyImageCanvas::mouseMoved, this, &TMyColorMarkPage::prPanelResultOnMouseMove);

    for (int r = 1; r <= MarkRows + 1; ++r) {
        const std::uint32_t text = r <= MarkRows ? TextFirstRow + static_cast<std::uint32_t>(r - 1) : TextBandNumbers;
        QLabel* label = fnNewLabel(PanelResult, "labelChartRow" + QString::number(r), fnText(text));
        label->setGeometry(mChartLeft - RowLabelWidth - 8, mChartTop + CellPitchY * (r - 1), RowLabelWidth, RowLabelHeight);
    }
    QLabel* reset = fnNewLabel(PanelResult, "labelReset", fnText(TextReset));
    reset->move(478 - reset->width(), 150);

    editSMDres = new QLineEdit(PanelResult);
    editSMDres->setObjectName("editSMDres");
    editSMDres->setAccessibleName(fnText(805));
    editSMDres->setFrame(false);
    editSMDres->setTextMargins(0, 0, 0, 0);
    editSMDres->setAlignment(Qt::AlignCenter);
    editSMDres->setGeometry(61, 393, 30, 14);
    // A longer paste is cut to five characters; the normaliser keeps four at most.
    editSMDres->setMaxLength(5);
    connect(editSMDres, &QLineEdit::textChanged, this, &TMyColorMarkPage::prEditChangeRes);

    editCap102 = new QLineEdit(PanelResult);
    editCap102->setObjectName("editCap102");
    editCap102->setAccessibleName(fnText(803));
    editCap102->setFrame(false);
    editCap102->setTextMargins(0, 0, 0, 0);
    editCap102->setAlignment(Qt::AlignCenter);
    editCap102->setGeometry(119, 248, 30, 14);
    prSetTypingLimit(editCap102, 3);
    connect(editCap102, &QLineEdit::textChanged, this, &TMyColorMarkPage::prEditChangeCap102);

    cbCap104M = new QComboBox(PanelResult);
    cbCap104M->setObjectName("cbCap104M");
    cbCap104M->setEditable(false);
    for (int k = 0; k < TolLetterCount; ++k)
        cbCap104M->addItem(QString::fromStdString(fnTolListItem(k)));
    cbCap104M->setCurrentIndex(0);
    cbCap104M->setGeometry(175, 163, 32, KitComboHeight);
    prGiveListTextRoom(cbCap104M);
    connect(cbCap104M, &QComboBox::currentIndexChanged, this, &TMyColorMarkPage::prComboChange);

    // The pieces were cut before the left panel took its icons.
    prPlaceMarkPieces();
    prCopy(mPlaces.window, mPieces.window);
    for (int p = 1; p <= 3; ++p)
        prCopy(mPlaces.body[fnAt(p)], mPieces.body[fnAt(p)]);
    imagePanelResult->lower();
    prSetMarkRes();
}

void TMyColorMarkPage::prSetMarkRes() { prSetFamily(TMarkFamily::Res); }
void TMyColorMarkPage::prSetMarkCap() { prSetFamily(TMarkFamily::Cap); }
void TMyColorMarkPage::prSetMarkDross() { prSetFamily(TMarkFamily::Dross); }

void TMyColorMarkPage::prSetFamily(TMarkFamily family)
{
    QRadioButton* radio = family == TMarkFamily::Cap ? rbMarkCap : family == TMarkFamily::Dross ? rbMarkDross : rbMarkRes;
    if (!radio->isChecked())
        radio->setChecked(true);
    // Bodies in the three places, the fields that belong to the family, its status text.
    const struct {
        TMarkFamily family;
        int bodies[3];
        bool smd, cap;
        std::uint32_t status;
    } table[] = {
        {TMarkFamily::Res, {1, 4, 3}, true, false, 825},
        {TMarkFamily::Cap, {1, 2, 5}, false, true, 826},
        {TMarkFamily::Dross, {1, 4, 5}, false, false, 827},
    };
    for (const auto& row : table) {
        if (row.family != family)
            continue;
        for (int place = 1; place <= 3; ++place)
            prCopy(mPlaces.body[fnAt(place)], mPieces.body[fnAt(row.bodies[place - 1])]);
        editSMDres->setEnabled(row.smd);
        editCap102->setEnabled(row.cap);
        cbCap104M->setEnabled(row.cap);
        mHost->prNewTextStatusBar(fnText(row.status));
        imagePanelResult->setAccessibleName(radio->text());
    }
    prDrawChart();
    prRecalc();
}

void TMyColorMarkPage::prDrawChart() { prDrawChartMode(fnGetMarkMode(fnFamily(), mData)); }

void TMyColorMarkPage::prDrawChartMode(int mode)
{
    prSetCellStates(mode, fnActiveCode(), mData);
    for (int r = 1; r <= MarkRows; ++r)
        for (int k = 1; k <= MarkBands; ++k)
            prCopy(mPlaces.cell[fnAt(r)][fnAt(k)], mPieces.swatch[fnAt(mData.CellState[fnAt(r)][fnAt(k)])]);
    for (int j = 1; j <= MarkBands; ++j)
        prCopy(mPlaces.bandNumber[fnAt(j)], mPieces.bandNumber[fnAt(j)]);
}

void TMyColorMarkPage::prDrawBands(const std::string& code)
{
    for (int k = 1; k <= MarkBands; ++k) {
        const char band = fnAt(k - 1) < code.size() ? code[fnAt(k - 1)] : NoBand;
        prCopy(mPlaces.band[fnAt(k)], mPieces.bandSlice[fnAt(k)][fnAt(fnBandRow(band))]);
    }
}

void TMyColorMarkPage::prDrawDisplay(const TMarkDisplay& display)
{
    prCopy(mPlaces.interior, mPieces.interior);  // erases the previous result
    if (display.unit >= 1 && display.unit <= 12)
        prCopy(mPlaces.unit, mPieces.unit[fnAt(display.unit)]);
    if (display.tolerance >= 1 && display.tolerance <= 24)
        prCopy(mPlaces.tolerance, mPieces.tolerance[fnAt(display.tolerance)]);
    if (display.extraBand >= 1 && display.extraBand <= 12)
        prCopy(mPlaces.extraBand, mPieces.extraBand[fnAt(display.extraBand)]);
    for (const TDisplayItem& item : fnDisplayItems(display)) {
        const TRect& piece = item.point ? mPieces.point : mPieces.glyph[fnAt(std::clamp(item.glyph, 0, 10))];
        prCopy(fnRect(item.x, item.y, 0, 0), piece);
    }
}

bool TMyColorMarkPage::fnCapCodeFocused() const
{
    // The letter list's open popup counts as the list.
    return editCap102->hasFocus() || cbCap104M->hasFocus() || (cbCap104M->view() && cbCap104M->view()->hasFocus());
}

void TMyColorMarkPage::prRecalc()
{
    switch (fnFamily()) {
    case TMarkFamily::Res:
        prDrawDisplay(prDecodeRes(mData.CodeRes));
        prDrawBands(mData.CodeRes);
        break;
    case TMarkFamily::Cap:
        if (fnCapCodeFocused()) {
            mData.CodeCap = std::string(EmptyCode);
            prDrawBands(mData.CodeCap);
            prDrawChart();
            const TCapCode code = prDecodeCapCode(fnAscii(editCap102->text()), fnTolLetter(cbCap104M->currentIndex()));
            mData.CodeCap = code.code;
            prDrawDisplay(code.display);
        } else {
            prDrawDisplay(prDecodeCap(mData.CodeCap));
            prDrawBands(mData.CodeCap);
        }
        break;
    case TMarkFamily::Dross:
        prDrawDisplay(prDecodeDross(mData.CodeDross));
        prDrawBands(mData.CodeDross);
        break;
    case TMarkFamily::None: break;
    }
}

void TMyColorMarkPage::prDropFocus()
{
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
}

void TMyColorMarkPage::prChartClick(int x, int y)
{
    for (int r = 1; r <= MarkRows; ++r) {
        for (int k = 1; k <= MarkBands; ++k) {
            if (!fnHit(mPlaces.cell[fnAt(r)][fnAt(k)], x, y))
                continue;
            if (fnFamily() == TMarkFamily::Cap) {
                // Back from the numeric code to the colour bands.
                editCap102->setText(QString());
                cbCap104M->setCurrentIndex(0);
                prDropFocus();
            }
            if (mData.CellState[fnAt(r)][fnAt(k)] != CellLocked)
                fnActiveCode()[fnAt(k - 1)] = fnBandChar(r);
        }
    }
    prDrawChart();
    prRecalc();
}

void TMyColorMarkPage::prResetMark()
{
    switch (fnFamily()) {
    case TMarkFamily::Res:
        editSMDres->setText(QString());
        mData.CodeRes = std::string(EmptyCode);
        break;
    case TMarkFamily::Cap:
        editCap102->setText(QString());
        cbCap104M->setCurrentIndex(0);
        prDropFocus();
        mData.CodeCap = std::string(EmptyCode);
        break;
    case TMarkFamily::Dross: mData.CodeDross = std::string(EmptyCode); break;
    case TMarkFamily::None: break;
    }
    prDrawChart();
    prRecalc();
}

void TMyColorMarkPage::prPanelResultOnMouseClick(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    prChartClick(x, y);
    if (fnHit(mPlaces.reset, x, y))
        prResetMark();
}

void TMyColorMarkPage::prPanelResultOnMouseMove(Qt::KeyboardModifiers, int x, int y)
{
    bool active = fnHit(mPlaces.reset, x, y);
    for (int r = 1; r <= MarkRows && !active; ++r)
        for (int k = 1; k <= MarkBands && !active; ++k)
            active = fnHit(mPlaces.cell[fnAt(r)][fnAt(k)], x, y) && mData.CellState[fnAt(r)][fnAt(k)] != CellLocked;
    imagePanelResult->setCursor(active ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TMyColorMarkPage::prEditChangeRes()
{
    if (mWriting)
        return;
    // The normaliser runs until the text holds still, as each rewrite of the
    // field would run it again; the caret follows it.
    std::string text = fnAscii(editSMDres->text());
    TSmdCode code = prSmdCodeToRes(text, editSMDres->cursorPosition());
    for (int run = 0; run < 16 && code.text != text; ++run) {
        text = code.text;
        code = prSmdCodeToRes(text, code.caret);
    }
    mData.CodeRes = code.code;
    const QString normalised = QString::fromStdString(code.text);
    if (editSMDres->text() != normalised) {
        mWriting = true;
        prSetFieldText(editSMDres, normalised);
        mWriting = false;
    }
    editSMDres->setCursorPosition(code.caret);
    prDrawChartMode(1);  // the four-band chart, without the clean-up
    prRecalc();
}

void TMyColorMarkPage::prEditChangeCap102()
{
    // A rewrite by the filter comes back here with the new text.
    const QString before = editCap102->text();
    prEditNumberFilter(editCap102, TDecimalKey::SystemOnly);  // a code, not a number typed
    if (editCap102->text() != before)
        return;
    prRecalc();
}

void TMyColorMarkPage::prComboChange() { prRecalc(); }

void prCreateColorMarkPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, ColorMarkPages, "ColorMark", TextCaption);
    if (!made)
        return;
    TMyColorMarkPage* page = made.page;
    page->bmpColorMark = fnSharedSheet(TPictureStore::ImageColorMark);
    page->prCutMarkPieces();
    page->prCreatePanelSelectElement();
    page->prCreatePanelResult();
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelSelectElement->x());
    made.prShowSheet();
}

TMyColorMarkPage* fnColorMarkPage(int pageIndex) { return ColorMarkPages.fnAt(pageIndex); }

TColorMarkData* fnColorMarkRecord(int pageIndex)
{
    TMyColorMarkPage* page = ColorMarkPages.fnAt(pageIndex);
    return page ? &page->fnData() : nullptr;
}
