#include "calculators/ColorMark/ColorMarkPage.h"

#include "common/core/Numbers.h"
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

#include <cstdlib>
#include <iterator>
#include <utility>

using namespace marking;
namespace geo = marking::geometry;

namespace {

TMyPageList<TMyColorMarkPage> ColorMarkPages;

constexpr int SelectPanelWidth = 200;
constexpr int SelectPanelHeight = 250;
// A family a row under the selection panel's title: its icon, and its radio
// button beside it a little lower.
constexpr int FamilyIconLeft = 4;
constexpr int FamilyPitch = 36;
constexpr int FamilyRadioLeft = 40;
constexpr int FamilyRadioDrop = 8;
constexpr int FamilyCount = 3;
// Characters: a pasted SMD code is cut to five (the normaliser keeps four at
// most), a capacitor code is three digits.
constexpr int SmdPasteLength = 5;
constexpr int CapCodeLength = 3;

// Hits include the right and bottom edges.
bool fnHit(const TRect& r, int x, int y) { return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom; }

std::size_t fnAt(int k) { return static_cast<std::size_t>(k); }

// A piece's size at a place on the picture.
TRect fnPlaced(TPoint at, const TRect& piece) { return fnRectAt(at, fnWidth(piece), fnHeight(piece)); }

// The numbered entries of one of the page's piece lists, from a table of the sheet.
template <std::size_t N>
void prCut(std::array<TRect, N>& pieces, const geo::TPieceTable& table)
{
    for (int n = table.first; n <= table.fnLast(); ++n)
        pieces[fnAt(n)] = table.fnPiece(n);
}

// A widget over a field printed on the body in a body place (1-3).
void prPlaceOnBody(QWidget* widget, int place, const TRect& field)
{
    const TPoint at = geo::BodyPlaces[fnAt(place - 1)] + fnTopLeft(field);
    widget->setGeometry(at.X, at.Y, fnWidth(field), fnHeight(field));
}

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

const std::string& TMyColorMarkPage::fnActiveCode() const
{
    switch (fnFamily()) {
    case TMarkFamily::Cap: return mData.CodeCap;
    case TMarkFamily::Dross: return mData.CodeDross;
    case TMarkFamily::Res:
    case TMarkFamily::None: break;
    }
    return mData.CodeRes;
}

std::string& TMyColorMarkPage::fnActiveCode()
{
    return const_cast<std::string&>(std::as_const(*this).fnActiveCode());
}

QRadioButton* TMyColorMarkPage::fnFamilyRadio(TMarkFamily family) const
{
    switch (family) {
    case TMarkFamily::Cap: return rbMarkCap;
    case TMarkFamily::Dross: return rbMarkDross;
    case TMarkFamily::Res:
    case TMarkFamily::None: break;
    }
    return rbMarkRes;
}

void TMyColorMarkPage::prCutMarkPieces()
{
    prCut(mPieces.swatch, geo::Swatches);
    prCut(mPieces.bandNumber, geo::BandNumbers);
    mPieces.icon = geo::Icons;
    prCut(mPieces.glyph, geo::Glyphs);
    mPieces.point = geo::PointPiece;
    prCut(mPieces.unit, geo::Units);
    prCut(mPieces.tolerance, geo::Tolerances);
    prCut(mPieces.extraBand, geo::ExtraBands);
    mPieces.window = geo::WindowPiece;
    mPieces.interior = geo::InteriorPiece;
    for (int k = 1; k <= MarkBands; ++k)
        for (int r = 1; r <= MarkRows; ++r)
            mPieces.bandSlice[fnAt(k)][fnAt(r)] = geo::fnBandSlicePiece(k, r);
    prCut(mPieces.body, geo::Bodies);
}

void TMyColorMarkPage::prPlaceMarkPieces()
{
    for (int r = 1; r <= MarkRows; ++r)
        for (int k = 1; k <= MarkBands; ++k)
            mPlaces.cell[fnAt(r)][fnAt(k)] = geo::fnCellPlace(r, k);
    for (int j = 1; j <= MarkBands; ++j)
        mPlaces.bandNumber[fnAt(j)] = geo::fnBandNumberPlace(j);
    mPlaces.window = fnPlaced(geo::WindowPlace, geo::WindowPiece);
    mPlaces.interior = fnPlaced(geo::InteriorPlace, geo::InteriorPiece);
    mPlaces.reset = geo::ResetHit;
    mPlaces.unit = fnRectAt(geo::UnitPlace, geo::Units.width, geo::Units.height);
    mPlaces.tolerance = fnRectAt(geo::TolerancePlace, geo::Tolerances.width, geo::Tolerances.height);
    mPlaces.extraBand = fnRectAt(geo::ExtraBandPlace, geo::ExtraBands.width, geo::ExtraBands.height);
    for (std::size_t p = 0; p < geo::BodyPlaces.size(); ++p)
        mPlaces.body[p + 1] = fnRectAt(geo::BodyPlaces[p], geo::BodyWidth, geo::BodyHeight);
    const TPoint banded = geo::BodyPlaces[fnAt(geo::PlaceBanded - 1)];
    for (int k = 1; k <= MarkBands; ++k)
        mPlaces.band[fnAt(k)] = fnPlaced(banded + fnTopLeft(geo::fnBandOnBody(k)), geo::fnBandOnBody(k));
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
    imageSelectRes->fillRect(fnRectAt(0, 0, SelectPanelWidth, SelectPanelHeight), KitPictureBackground);

    QLabel* title = fnNewLabel(PanelSelectElement, "labelSelectElement", fnText(TextId::MarkKindTitle));
    title->move(fnCentredLeft(PanelSelectElement->width(), title->width()), 8);
    const int top = fnBottom(title) + 4;
    const struct {
        QRadioButton** radio;
        const char* name;
        std::uint32_t text;
        void (TMyColorMarkPage::*handler)();
    } families[] = {
        {&rbMarkRes, "rbMarkRes", TextId::MarkResistor, &TMyColorMarkPage::prSetMarkRes},
        {&rbMarkCap, "rbMarkCap", TextId::MarkCapacitor, &TMyColorMarkPage::prSetMarkCap},
        {&rbMarkDross, "rbMarkDross", TextId::MarkInductor, &TMyColorMarkPage::prSetMarkDross},
    };
    static_assert(std::size(families) == FamilyCount);
    int k = 0;
    for (const auto& family : families) {
        const TRect icon = mPieces.icon[fnAt(k)];
        const int rowTop = top + FamilyPitch * k;
        imageSelectRes->copyRect(fnPlaceRect(FamilyIconLeft, rowTop, 0, 0, icon), bmpColorMark, icon);
        *family.radio = fnNewRadio(PanelSelectElement, family.name, family.text, FamilyRadioLeft,
                                   rowTop + FamilyRadioDrop, PanelSelectElement->width() - FamilyRadioLeft - 2);
        connect(*family.radio, &QRadioButton::clicked, this, family.handler);
        ++k;
    }
    rbMarkRes->setChecked(true);
    // The rows and a margin under them.
    PanelSelectElement->resize(PanelSelectElement->width(), top + FamilyPitch * FamilyCount + 4);
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
    imagePanelResult->fillRect(fnRectAt(0, 0, PanelResult->width(), PanelResult->height()), KitPictureBackground);
    connect(imagePanelResult, &TMyImageCanvas::mousePressed, this, &TMyColorMarkPage::prPanelResultOnMouseClick);
    connect(imagePanelResult, &TMyImageCanvas::mouseMoved, this, &TMyColorMarkPage::prPanelResultOnMouseMove);

    // The colour of each chart row, then the band numbers' caption under them.
    for (int r = 1; r <= MarkRows + 1; ++r) {
        const std::uint32_t text = r <= MarkRows ? TextId::MarkSilver + static_cast<std::uint32_t>(r - 1) // 810..822
                                                 : TextId::MarkBandNumber;
        QLabel* label = fnNewLabel(PanelResult, "labelChartRow" + QString::number(r), fnText(text));
        const TRect place = geo::fnRowLabelPlace(r);
        label->setGeometry(place.Left, place.Top, fnWidth(place), fnHeight(place));
    }
    QLabel* reset = fnNewLabel(PanelResult, "labelReset", fnText(TextId::MarkReset));
    reset->move(geo::ResetLabelRight - reset->width(), geo::ResetLabelTop);

    editSMDres = new QLineEdit(PanelResult);
    editSMDres->setObjectName("editSMDres");
    editSMDres->setAccessibleName(fnText(TextId::MarkSmdResistor));
    editSMDres->setFrame(false);
    editSMDres->setTextMargins(0, 0, 0, 0);
    editSMDres->setAlignment(Qt::AlignCenter);
    prPlaceOnBody(editSMDres, geo::PlaceChip, geo::SmdCodeField);
    editSMDres->setMaxLength(SmdPasteLength);
    connect(editSMDres, &QLineEdit::textChanged, this, &TMyColorMarkPage::prEditChangeRes);

    // A code, not a number typed: only the system's separator counts as one.
    auto* capCode = new TMyNumberField(PanelResult, "editCap102", CapCodeLength, TDecimalKey::SystemOnly);
    editCap102 = capCode;
    editCap102->setAccessibleName(fnText(TextId::MarkCapacitor));
    editCap102->setFrame(false);
    editCap102->setTextMargins(0, 0, 0, 0);
    editCap102->setAlignment(Qt::AlignCenter);
    prPlaceOnBody(editCap102, geo::PlaceDisc, geo::CapCodeField);
    connect(capCode, &TMyNumberField::edited, this, &TMyColorMarkPage::prEditChangeCap102);

    cbCap104M = new QComboBox(PanelResult);
    cbCap104M->setObjectName("cbCap104M");
    cbCap104M->setEditable(false);
    for (int k = 0; k < TolLetterCount; ++k)
        cbCap104M->addItem(QString::fromStdString(fnTolListItem(k)));
    cbCap104M->setCurrentIndex(0);
    static_assert(fnHeight(geo::CapLetterList) == KitComboHeight, "the letter list is drawn a list's height");
    prPlaceOnBody(cbCap104M, geo::PlaceDisc, geo::CapLetterList);
    prGiveListTextRoom(cbCap104M);
    connect(cbCap104M, &QComboBox::currentIndexChanged, this, &TMyColorMarkPage::prComboChange);

    // The pieces were cut before the left panel took its icons.
    prPlaceMarkPieces();
    prCopy(mPlaces.window, mPieces.window);
    prCopy(mPlaces.body[geo::PlaceBanded], mPieces.body[geo::BodyBanded]);
    prCopy(mPlaces.body[geo::PlaceDisc], mPieces.body[geo::BodyDisc]);
    prCopy(mPlaces.body[geo::PlaceChip], mPieces.body[geo::BodyChip]);
    imagePanelResult->lower();
    prSetMarkRes();
}

void TMyColorMarkPage::prSetMarkRes() { prSetFamily(TMarkFamily::Res); }
void TMyColorMarkPage::prSetMarkCap() { prSetFamily(TMarkFamily::Cap); }
void TMyColorMarkPage::prSetMarkDross() { prSetFamily(TMarkFamily::Dross); }

void TMyColorMarkPage::prSetFamily(TMarkFamily family)
{
    QRadioButton* radio = fnFamilyRadio(family);
    if (!radio->isChecked())
        radio->setChecked(true);
    // Bodies in the three places, the fields that belong to the family, its status text.
    const struct {
        TMarkFamily family;
        int bodies[geo::BodyPlaces.size()];
        bool smd, cap;
        std::uint32_t status;
    } table[] = {
        {TMarkFamily::Res,
         {geo::BodyBanded, geo::BodyDiscOutline, geo::BodyChip},
         true,
         false,
         TextId::StatusMarkResistor},
        {TMarkFamily::Cap,
         {geo::BodyBanded, geo::BodyDisc, geo::BodyChipOutline},
         false,
         true,
         TextId::StatusMarkCapacitor},
        {TMarkFamily::Dross,
         {geo::BodyBanded, geo::BodyDiscOutline, geo::BodyChipOutline},
         false,
         false,
         TextId::StatusMarkInductor},
    };
    for (const auto& row : table) {
        if (row.family != family)
            continue;
        for (std::size_t place = 1; place <= geo::BodyPlaces.size(); ++place)
            prCopy(mPlaces.body[place], mPieces.body[fnAt(row.bodies[place - 1])]);
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
    const auto has = [](const geo::TPieceTable& table, int number) {
        return number >= table.first && number <= table.fnLast();
    };
    mShown = display;
    prCopy(mPlaces.interior, mPieces.interior); // erases the previous result
    if (has(geo::Units, display.unit))
        prCopy(mPlaces.unit, mPieces.unit[fnAt(display.unit)]);
    if (has(geo::Tolerances, display.tolerance))
        prCopy(mPlaces.tolerance, mPieces.tolerance[fnAt(display.tolerance)]);
    if (has(geo::ExtraBands, display.extraBand))
        prCopy(mPlaces.extraBand, mPieces.extraBand[fnAt(display.extraBand)]);
    for (const TDisplayItem& item : fnDisplayItems(display)) {
        const int glyph = std::clamp(item.glyph, geo::Glyphs.first, geo::Glyphs.fnLast());
        prCopy(fnRectAt(item.x, item.y, 0, 0), item.point ? mPieces.point : mPieces.glyph[fnAt(glyph)]);
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
    prDrawChartMode(ModeResFourBands); // without the clean-up
    prRecalc();
}

// The code field settles its own text; whoever changed it, the display follows.
namespace {

// The unit picture's text (1-4 Ohm..GOhm, 5-8 pF..mF, 9-10 uH, mH).
QString fnUnitText(int unit)
{
    static constexpr std::uint32_t Units[] = {
        TextId::UnitOhm, TextId::UnitKOhm, TextId::UnitMOhm,       TextId::UnitGOhm, TextId::UnitPF,
        TextId::UnitNF,  TextId::UnitUF,   TextId::UnitMilliFarad, TextId::UnitUH,   TextId::UnitMH};
    return unit >= 1 && unit <= static_cast<int>(std::size(Units)) ? fnText(Units[fnAt(unit - 1)]) : QString();
}

// The interface's decimal point in a number written with '.'.
QString fnLocalNumber(std::string_view number)
{
    return QString::fromUtf8(number.data(), static_cast<qsizetype>(number.size()))
        .replace('.', QChar::fromLatin1(fnGetDecimalSeparator()));
}

QString fnToleranceText(const TMarkTolerance& tolerance)
{
    QString value = fnLocalNumber(tolerance.upper);
    if (!tolerance.lower.empty())
        value += '/' + fnLocalNumber(tolerance.lower);
    switch (tolerance.unit) {
    case TTolUnit::Percent: return value + QStringLiteral(" %");
    case TTolUnit::PicoFarad: return value + ' ' + fnText(TextId::UnitPF);
    case TTolUnit::None:
    case TTolUnit::Unknown: break;
    }
    return QString();
}

QString fnTempCoefficientText(int extraBand)
{
    const TTempCoefficient tc = fnTempCoefficient(extraBand);
    if (!tc.known)
        return QString();
    if (tc.ppm == 0)
        return fnText(TextId::MarkGroupNP0);
    return fnText(tc.ppm < 0 ? TextId::MarkGroupNegative : TextId::MarkGroupPositive).arg(std::abs(tc.ppm));
}

// The colours of a band code up to its last band, "no band" for a gap.
QString fnBandsText(std::string_view code)
{
    const std::size_t end = code.find_last_not_of(NoBand);
    if (end == std::string_view::npos)
        return QString();
    QStringList colours;
    for (std::size_t k = 0; k <= end; ++k)
        colours << fnText(TextId::MarkSilver + static_cast<std::uint32_t>(fnBandRow(code[k]) - 1));
    return colours.join(QStringLiteral(", "));
}

} // namespace

QString TMyColorMarkPage::fnCopyText() const
{
    QStringList lines;
    const TMarkFamily family = fnFamily();
    if (family == TMarkFamily::None)
        return QString();
    prAddCopyLine(lines, fnText(TextId::MarkKindTitle), QString(fnFamilyRadio(family)->text()).remove('&'));
    if (family == TMarkFamily::Cap && fnCapCodeFocused()) {
        const QString letter = cbCap104M->currentIndex() > 0 ? ' ' + cbCap104M->currentText() : QString();
        prAddCopyLine(lines, fnText(TextId::MarkCopyCode), editCap102->text() + letter);
    } else {
        if (family == TMarkFamily::Res)
            prAddCopyLine(lines, fnText(TextId::MarkSmdResistor), editSMDres->text());
        prAddCopyLine(lines, fnText(TextId::MarkCopyBands), fnBandsText(fnActiveCode()));
    }
    const std::string number = fnMarkNumber(mShown);
    if (!number.empty())
        prAddCopyLine(lines, fnText(TextId::MarkCopyValue), fnLocalNumber(number) + ' ' + fnUnitText(mShown.unit));
    prAddCopyLine(lines, fnText(TextId::MarkCopyTolerance), fnToleranceText(fnMarkTolerance(mShown.tolerance)));
    prAddCopyLine(lines, fnText(TextId::MarkCopyTempCoefficient), fnTempCoefficientText(mShown.extraBand));
    return lines.join('\n');
}

void TMyColorMarkPage::prEditChangeCap102() { prRecalc(); }

void TMyColorMarkPage::prComboChange() { prRecalc(); }

void prCreateColorMarkPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, ColorMarkPages, "ColorMark", TextId::MarkTab);
    if (!made)
        return;
    TMyColorMarkPage* page = made.page;
    page->bmpColorMark = fnSharedSheet(TPictureStore::ImageColorMark);
    prSetPageCopy(made.sheet, [page] { return page->fnCopyText(); });
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
