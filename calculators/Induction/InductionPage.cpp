#include "calculators/Induction/InductionPage.h"

#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

using namespace induction;

namespace {

TMyPageList<TMyInductionPage> InductionPages;

const QColor PictureBackground(212, 208, 200);
// A permeability field the user cannot type in (a coil without a core).
const QColor LockedColour(239, 237, 209);
const QColor ResultColour(255, 0, 0);

constexpr int SelectPanelWidth = 320;
constexpr int SelectPanelHeight = 250;
constexpr int EditWidth = 26;
constexpr int EditHeight = 14;
constexpr int WideEditWidth = 38;   // inductance and permeability
constexpr int TypingLimit = 4;
constexpr int WideTypingLimit = 6;
constexpr int DirectionWidth = 150;
constexpr int CheckWidth = 220;
constexpr int SolenoidFieldLeft = 250;

// Pieces of the sheet: kind icons, the five drawings, the symbols.
struct TPiece {
    int x, y, w, h;
};
constexpr int IconSize = 32;
constexpr TPiece DrawingA{1, 34, 197, 185};   // single-layer winding
constexpr TPiece DrawingB{44, 231, 313, 253}; // multi-layer winding in section
constexpr TPiece DrawingC{201, 2, 390, 226};  // flat spirals
constexpr TPiece DrawingD{594, 231, 398, 253}; // straight conductors
constexpr TPiece DrawingE{360, 231, 231, 253}; // toroid

// Symbols shown left of a field: 1 L, 2 N, 3 µ, 4 Do, 5 Di, 6 Dm, 7 W, 8 w,
// 9 s, 10 l, then d (wire diameter) and h (height or bar side).
namespace Symbol {
constexpr int L = 1, N = 2, Mu = 3, Do = 4, Di = 5, Dm = 6, W = 7, Track = 8, Gap = 9, Len = 10, D = 11, H = 12;
constexpr int None = 0;
} // namespace Symbol
constexpr int SymbolWidth = 40;
constexpr int SymbolHeight = 24;

TPiece fnSymbolPiece(int symbol)
{
    if (symbol == Symbol::D)
        return {594, 1, SymbolWidth, SymbolHeight};
    if (symbol == Symbol::H)
        return {635, 1, SymbolWidth, SymbolHeight};
    return {1, 222 + 25 * (symbol - 1), SymbolWidth, SymbolHeight};
}

bool fnIsInductanceField(int index) { return index == IndEdit::OneL || index == IndEdit::ManyL; }
bool fnIsSolenoidMu(int index) { return index == IndEdit::OneMu || index == IndEdit::ManyMu; }

// A result label shows the text the engine gave, in red.
void prSetResultColour(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ResultColour);
    label->setPalette(palette);
}

void prSetFieldColour(QLineEdit* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

} // namespace

TMyInductionPage::TMyInductionPage(QWidget* tabSheet, TMyPageHost& host)
    : QObject(tabSheet), mSheet(tabSheet), mHost(&host)
{
}

TCoilKind TMyInductionPage::fnKind() const
{
    if (rbCoilManySloi && rbCoilManySloi->isChecked())
        return TCoilKind::ManySloi;
    if (rbCoilPloski && rbCoilPloski->isChecked())
        return TCoilKind::Ploski;
    if (rbCoilProvod && rbCoilProvod->isChecked())
        return TCoilKind::Provod;
    if (rbCoilTor && rbCoilTor->isChecked())
        return TCoilKind::Tor;
    return TCoilKind::OneSloi;
}

void TMyInductionPage::prCreatePanelSelectCoil()
{
    PanelSelectCoil = fnNewPanel(mSheet, "PanelSelectCoil");
    PanelSelectCoil->setGeometry(10, 10, SelectPanelWidth, SelectPanelHeight);

    imageSelectInd = new TMyImageCanvas(PanelSelectCoil);
    imageSelectInd->setObjectName("imageSelectInd");
    imageSelectInd->move(0, 0);
    imageSelectInd->prSetSize(SelectPanelWidth, SelectPanelHeight);
    imageSelectInd->fillRect(TRect{0, 0, SelectPanelWidth, SelectPanelHeight}, PictureBackground);

    mData.labelSelectCoil = fnNewLabel(PanelSelectCoil, "labelSelectCoil", fnText(TextId::CoilKindTitle));
    mData.labelSelectCoil->move(fnCentredLeft(PanelSelectCoil->width(), mData.labelSelectCoil->width()), 8);
    const int v = fnBottom(mData.labelSelectCoil);

    const struct {
        QRadioButton** radio;
        const char* name;
        std::uint32_t text;
        void (TMyInductionPage::*handler)();
    } kinds[] = {
        {&rbCoilOneSloi, "rbCoilOneSloi", TextId::CoilSingleLayer, &TMyInductionPage::prSetOneSloi},
        {&rbCoilManySloi, "rbCoilManySloi", TextId::CoilMultiLayer, &TMyInductionPage::prSetManySloi},
        {&rbCoilPloski, "rbCoilPloski", TextId::CoilFlat, &TMyInductionPage::prSetPloski},
        {&rbCoilProvod, "rbCoilProvod", TextId::CoilWire, &TMyInductionPage::prSetProvod},
        {&rbCoilTor, "rbCoilTor", TextId::CoilToroid, &TMyInductionPage::prSetCoilTor},
    };
    int k = 0;
    for (const auto& kind : kinds) {
        const TRect icon = fnPlaceRect(1 + 33 * k, 1, IconSize, IconSize, TRect{});
        imageSelectInd->copyRect(fnPlaceRect(4, v + 4 + 36 * k, 0, 0, icon), bmpInduction, icon);
        *kind.radio = fnNewRadio(PanelSelectCoil, kind.name, kind.text, 40, v + 12 + 36 * k,
                                 PanelSelectCoil->width() - 42);
        connect(*kind.radio, &QRadioButton::clicked, this, kind.handler);
        ++k;
    }
    rbCoilOneSloi->setChecked(true);
    PanelSelectCoil->resize(PanelSelectCoil->width(), v + 188);
}

QLineEdit* TMyInductionPage::prCreateEditInd(int index)
{
    auto* edit = new QLineEdit(PanelInduction);
    edit->setObjectName("editInd" + QString::number(index));
    edit->setFrame(false);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setGeometry(-40, -40, EditWidth, EditHeight);
    edit->setText("0");
    edit->hide();
    const bool wide = fnIsInductanceField(index) || fnIsSolenoidMu(index);
    prSetTypingLimit(edit, wide ? WideTypingLimit : TypingLimit);
    if (wide)
        edit->resize(WideEditWidth, EditHeight);
    if (fnIsSolenoidMu(index)) {
        edit->setText("1");
        edit->setReadOnly(true);
        prSetFieldColour(edit, LockedColour);
    }
    connect(edit, &QLineEdit::textChanged, this, [this, index] { prEditChangeInd(index); });
    mData.editInd[static_cast<std::size_t>(index)] = edit;
    return edit;
}

QComboBox* TMyInductionPage::prCreateComboInd(int index)
{
    QComboBox* combo = nullptr;
    if (fnIsInductanceField(index)) {
        combo = fnNewUnitCombo(PanelInduction, "comboInd" + QString::number(index), {TextId::UnitUH, TextId::UnitMH},
                               0);
    } else {
        // Lengths are always millimetres; the list only says so. Its one item
        // is one model for all of them.
        if (!mMillimetres) {
            mMillimetres = new QStringListModel({fnText(TextId::UnitMm)}, this);
        }
        combo = new QComboBox(PanelInduction);
        combo->setObjectName("comboInd" + QString::number(index));
        combo->resize(52, KitComboHeight);
        combo->setModel(mMillimetres);
        combo->setCurrentIndex(0);
        combo->setEnabled(false);
    }
    combo->hide();
    connect(combo, &QComboBox::currentIndexChanged, this, &TMyInductionPage::prComboChange);
    mData.comboInd[static_cast<std::size_t>(index)] = combo;
    return combo;
}

QLabel* TMyInductionPage::prCreateLabelInd(const QString& name, const QString& text)
{
    // Sized when a view shows it: most captions wait hidden for another kind.
    auto* label = new QLabel(text, PanelInduction);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->hide();
    return label;
}

void TMyInductionPage::prCreatePanelInduction()
{
    const QSize pageControl = mHost->fnPageControlSize();
    PanelInduction = fnNewPanel(mSheet, "PanelInduction");
    PanelInduction->hide();
    PanelInduction->setGeometry(fnRight(PanelSelectCoil) + 8, PanelSelectCoil->y(),
                                pageControl.width() - PanelSelectCoil->x() - PanelSelectCoil->width() - 24,
                                pageControl.height() - 48);

    imageResultInd = new TMyImageCanvas(PanelInduction);
    imageResultInd->setObjectName("imageResultInd");
    imageResultInd->move(0, 0);
    imageResultInd->prSetSize(PanelInduction->width(), PanelInduction->height());
    imageResultInd->fillRect(TRect{0, 0, PanelInduction->width(), PanelInduction->height()}, PictureBackground);

    mData.rbIndFromN = fnNewRadio(PanelInduction, "rbIndFromN", TextId::CoilFromN, 0, 0, DirectionWidth);
    mData.rbNFromInd = fnNewRadio(PanelInduction, "rbNFromInd", TextId::CoilFromL, 0, 0, DirectionWidth);
    mData.rbIndFromN->setChecked(true);
    for (QRadioButton* radio : {mData.rbIndFromN, mData.rbNFromInd}) {
        radio->hide();
        connect(radio, &QRadioButton::clicked, this, &TMyInductionPage::prSetRbInd);
    }

    for (int k = 0; k < InductionEditCount; ++k)
        prCreateEditInd(k);
    for (int k = 0; k < InductionEditCount; ++k)
        prCreateComboInd(k);
    for (QRadioButton* radio : {mData.rbIndFromN, mData.rbNFromInd})
        radio->resize(radio->width(), mData.editInd[IndEdit::OneL]->height());

    mData.labelTitleInd = fnNewLabel(PanelInduction, "labelTitleInd");
    prSetFontPoints(mData.labelTitleInd, 12);
    mData.labelTitleInd->hide();

    mData.checkMpCoil = new QCheckBox(fnText(TextId::CoilPermeability), PanelInduction);
    mData.checkMpCoil->setObjectName("checkMpCoil");
    mData.checkMpCoil->setAccessibleName(mData.checkMpCoil->text());
    mData.checkMpCoil->resize(CheckWidth, mData.rbIndFromN->height());
    mData.checkMpCoil->hide();
    // clicked comes from the user only (mouse or key); the views set the box quietly.
    connect(mData.checkMpCoil, &QCheckBox::clicked, this, &TMyInductionPage::prCheckMpCoilOnClick);

    // Captions 1-17 are the catalogue's run from the winding length on, 18 the inductance.
    for (int k = 1; k <= 18; ++k) {
        const std::uint32_t text = k <= 17 ? TextId::CoilCaptionLength + static_cast<std::uint32_t>(k - 1)  // 783..799
                                           : TextId::CoilCaptionL;
        mData.labelInd[static_cast<std::size_t>(k)] = prCreateLabelInd("labelInd" + QString::number(k), fnText(text));
    }
    for (int k = 1; k <= InductionResultCount; ++k) {
        QLabel* label = prCreateLabelInd("labelResInd" + QString::number(k), QString());
        prSetResultColour(label);
        mData.labelResInd[static_cast<std::size_t>(k)] = label;
    }
    // Each field is named for a screen reader by the caption of its quantity.
    using namespace TextId;
    constexpr std::uint32_t Captions[InductionEditCount] = {
        // single-layer: L N mu l d D0
        CoilCaptionL, CoilCaptionN, CoilCaptionMu, CoilCaptionLength, CoilCaptionWire, CoilCaptionFormer,
        // multi-layer: L N mu l d Do Di c D
        CoilCaptionL, CoilCaptionN, CoilCaptionMu, CoilCaptionLength, CoilCaptionWire, CoilCaptionOuter,
        CoilCaptionInner, 0, CoilCaptionMean,
        // flat spiral: N Do Di Dm W w s
        CoilCaptionN, CoilCaptionOuter, CoilCaptionInner, CoilCaptionMean, CoilCaptionWidth, CoilCaptionTrack,
        CoilCaptionGap,
        // straight conductor: l d h
        CoilCaptionWireLength, CoilCaptionWireDiameter, CoilCaptionHeight,
        // toroid: N mu d Do Di h
        CoilCaptionN, CoilCaptionMu, CoilCaptionWire, CoilCaptionOuter, CoilCaptionInner, 0,
    };
    for (int k = 0; k < InductionEditCount; ++k) {
        const std::uint32_t caption = Captions[k];
        mData.editInd[static_cast<std::size_t>(k)]->setAccessibleName(caption ? fnText(caption)
                                                                              : "editInd" + QString::number(k));
    }
    PanelInduction->show();
}

void TMyInductionPage::prClearPanelInduction()
{
    imageResultInd->fillRect(TRect{0, 0, imageResultInd->width(), imageResultInd->height()}, PictureBackground);
    mData.labelTitleInd->hide();
    for (int k = 1; k <= 18; ++k)
        mData.labelInd[static_cast<std::size_t>(k)]->hide();
    for (int k = 0; k < InductionEditCount; ++k) {
        mData.editInd[static_cast<std::size_t>(k)]->hide();
        mData.comboInd[static_cast<std::size_t>(k)]->hide();
    }
    for (int k = 1; k <= InductionResultCount; ++k)
        mData.labelResInd[static_cast<std::size_t>(k)]->hide();
    mData.rbIndFromN->hide();
    mData.rbNFromInd->hide();
    mData.checkMpCoil->hide();
}

void TMyInductionPage::prDrawPiece(int x, int y, int w, int h, int dx, int dy)
{
    const TRect source = fnPlaceRect(x, y, w, h, TRect{});
    imageResultInd->copyRect(fnPlaceRect(dx, dy, 0, 0, source), bmpInduction, source);
}

void TMyInductionPage::prDrawSymbol(int symbol, const QLineEdit* edit)
{
    if (symbol == Symbol::None)
        return;
    const TPiece piece = fnSymbolPiece(symbol);
    prDrawPiece(piece.x, piece.y, piece.w, piece.h, edit->x() - 50, edit->y() - 3);
}

void TMyInductionPage::prShowField(int index, int left, int top, bool withUnit, int symbol)
{
    QLineEdit* edit = mData.editInd[static_cast<std::size_t>(index)];
    edit->move(left, top);
    edit->show();
    if (withUnit) {
        QComboBox* combo = mData.comboInd[static_cast<std::size_t>(index)];
        prPlaceBeside(combo, edit);
        combo->show();
    }
    prDrawSymbol(symbol, edit);
}

void TMyInductionPage::prShowCaption(int index, int left, int top)
{
    QLabel* label = mData.labelInd[static_cast<std::size_t>(index)];
    label->adjustSize();
    label->move(left, top);
    label->show();
}

void TMyInductionPage::prShowResult(int index, int left, int top)
{
    QLabel* label = mData.labelResInd[static_cast<std::size_t>(index)];
    label->move(left, top);
    label->show();
}

void TMyInductionPage::prBeginView(std::uint32_t titleId, TCoilKind kind)
{
    QRadioButton* radio = kind == TCoilKind::OneSloi    ? rbCoilOneSloi
                          : kind == TCoilKind::ManySloi ? rbCoilManySloi
                          : kind == TCoilKind::Ploski   ? rbCoilPloski
                          : kind == TCoilKind::Provod   ? rbCoilProvod
                                                        : rbCoilTor;
    if (!radio->isChecked())
        radio->setChecked(true);
    prClearPanelInduction();
    prSetLabelText(mData.labelTitleInd, fnText(titleId));
    mData.labelTitleInd->move(fnCentredLeft(PanelInduction->width(), mData.labelTitleInd->width()), 8);
    mData.labelTitleInd->show();
    imageResultInd->setAccessibleName(mData.labelTitleInd->text());
}

int TMyInductionPage::fnListFieldLeft() const
{
    // Right-aligned on the first field of a list and its unit list.
    return PanelInduction->width() - (EditWidth + 2 + mData.comboInd[0]->width() + 25);
}

int TMyInductionPage::fnListRowTop(int row) const
{
    const int first = fnBottom(mData.labelTitleInd) + 16;
    const int pitch = mData.labelInd[1]->sizeHint().height() + 12;
    return first + row * pitch;
}

void TMyInductionPage::prApplyPermeability(bool oneSloi)
{
    QLineEdit* mu = mData.editInd[oneSloi ? IndEdit::OneMu : IndEdit::ManyMu];
    const bool enabled = oneSloi ? mData.bMpOneSloi : mData.bMpManySloi;
    const QString remembered = oneSloi ? mData.sMpOneSloi : mData.sMpManySloi;
    mWriting = true;
    prSetFieldText(mu, enabled ? remembered : QStringLiteral("1"));
    mWriting = false;
    mu->setReadOnly(!enabled);
    prSetFieldColour(mu, enabled ? mSheet->palette().color(QPalette::Base) : LockedColour);
}

void TMyInductionPage::prShowSolenoidBlock(bool oneSloi)
{
    const int fieldL = oneSloi ? IndEdit::OneL : IndEdit::ManyL;
    const int fieldN = oneSloi ? IndEdit::OneN : IndEdit::ManyN;
    const int fieldMu = oneSloi ? IndEdit::OneMu : IndEdit::ManyMu;
    const int resultL = oneSloi ? 1 : 3;
    const int resultN = oneSloi ? 2 : 4;
    const int top = fnBottom(mData.labelTitleInd);

    QRadioButton* fromN = mData.rbIndFromN;
    QRadioButton* nFromL = mData.rbNFromInd;
    fromN->move(25, top + 14);
    fromN->show();
    prShowField(fieldL, SolenoidFieldLeft, fromN->y(), true, Symbol::L);
    prShowResult(resultL, SolenoidFieldLeft, fromN->y());
    nFromL->move(fromN->x(), fnBottom(fromN) + 8);
    nFromL->show();
    prShowField(fieldN, SolenoidFieldLeft, nFromL->y(), false, Symbol::N);
    prShowResult(resultN, SolenoidFieldLeft, nFromL->y());
    mData.checkMpCoil->move(fromN->x(), fnBottom(nFromL) + 8);
    mData.checkMpCoil->show();
    prShowField(fieldMu, SolenoidFieldLeft, mData.checkMpCoil->y(), false, Symbol::Mu);

    // The view's remembered direction and permeability.
    const bool byTurns = oneSloi ? mData.bFromNOneSloi : mData.bFromNManySloi;
    (byTurns ? fromN : nFromL)->setChecked(true);
    mData.labelResInd[static_cast<std::size_t>(resultL)]->setVisible(byTurns);
    mData.editInd[static_cast<std::size_t>(fieldN)]->setVisible(byTurns);
    mData.labelResInd[static_cast<std::size_t>(resultN)]->setVisible(!byTurns);
    mData.editInd[static_cast<std::size_t>(fieldL)]->setVisible(!byTurns);
    mData.comboInd[static_cast<std::size_t>(fieldL)]->setVisible(!byTurns);
    mData.checkMpCoil->setChecked(oneSloi ? mData.bMpOneSloi : mData.bMpManySloi);
    prApplyPermeability(oneSloi);
}

void TMyInductionPage::prSetOneSloi()
{
    prBeginView(TextId::CoilSingleLayerTitle, TCoilKind::OneSloi);
    prShowSolenoidBlock(true);
    const int x0 = 65;
    const int y0 = 180;
    prDrawPiece(DrawingA.x, DrawingA.y, DrawingA.w, DrawingA.h, x0, y0);
    const struct {
        int edit, dx, dy, caption, captionShift;
    } fields[] = {
        {IndEdit::OneLen, 48, 13, 1, 0},
        {IndEdit::OneD0, 200, 75, 2, -8},
        {IndEdit::OneWire, 79, 168, 3, 0},
    };
    for (const auto& f : fields) {
        prShowField(f.edit, x0 + f.dx, y0 + f.dy, true, Symbol::None);
        prShowCaption(f.caption, x0 + f.dx + f.captionShift, y0 + f.dy - 18);
    }
    prCalcInduction();
}

void TMyInductionPage::prSetManySloi()
{
    prBeginView(TextId::CoilMultiLayerTitle, TCoilKind::ManySloi);
    prShowSolenoidBlock(false);
    const int x0 = 20;
    const int y0 = 160;
    prDrawPiece(DrawingB.x, DrawingB.y, DrawingB.w, DrawingB.h, x0, y0);
    const struct {
        int edit, dx, dy, caption;
    } fields[] = {
        {IndEdit::ManyLen, 187, 3, 1}, {IndEdit::ManyDi, 126, 81, 0}, {IndEdit::ManyDo, 55, 49, 0},
        {IndEdit::ManyC, 65, 147, 0},  {IndEdit::ManyD, 298, 111, 0}, {IndEdit::ManyWire, 216, 221, 3},
    };
    for (const auto& f : fields) {
        prShowField(f.edit, x0 + f.dx, y0 + f.dy, true, Symbol::None);
        if (f.caption)
            prShowCaption(f.caption, x0 + f.dx, y0 + f.dy - 18);
    }
    prCalcInduction();
}

void TMyInductionPage::prSetPloski()
{
    prBeginView(TextId::CoilFlatTitle, TCoilKind::Ploski);
    const struct {
        int caption, edit;
        bool unit;
        int symbol;
    } rows[] = {
        {4, IndEdit::FlatN, false, Symbol::N},       {5, IndEdit::FlatDo, true, Symbol::Do},
        {6, IndEdit::FlatDi, true, Symbol::Di},      {7, IndEdit::FlatDm, true, Symbol::Dm},
        {8, IndEdit::FlatW, true, Symbol::W},        {9, IndEdit::FlatTrack, true, Symbol::Track},
        {10, IndEdit::FlatGap, true, Symbol::Gap},
    };
    int row = 0;
    for (const auto& r : rows) {
        const int top = fnListRowTop(row++);
        prShowCaption(r.caption, 25, top);
        prShowField(r.edit, fnListFieldLeft(), top, r.unit, r.symbol);
    }
    const int x0 = 8;
    const int y0 = fnBottom(mData.labelInd[10]) + 8;
    prDrawPiece(DrawingC.x, DrawingC.y, DrawingC.w, DrawingC.h, x0, y0);
    prShowResult(5, x0 + 104, y0 + 206);  // square
    prShowResult(6, x0 + 227, y0 + 206);  // hexagonal
    prShowResult(7, x0 + 359, y0 + 206);  // octagonal
    prShowResult(8, x0 + 359, y0 + 93);   // circular
    prCalcInduction();
}

void TMyInductionPage::prSetProvod()
{
    prBeginView(TextId::CoilWireTitle, TCoilKind::Provod);
    const struct {
        int caption, edit, symbol;
    } rows[] = {
        {11, IndEdit::WireLen, Symbol::Len},
        {13, IndEdit::WireD, Symbol::D},
        {12, IndEdit::WireH, Symbol::H},
    };
    int row = 0;
    for (const auto& r : rows) {
        const int top = fnListRowTop(row++);
        prShowCaption(r.caption, 25, top);
        prShowField(r.edit, fnListFieldLeft(), top, true, r.symbol);
    }
    const int x0 = 8;
    const int y0 = 150;
    prDrawPiece(DrawingD.x, DrawingD.y, DrawingD.w, DrawingD.h, x0, y0);
    // Each result with its caption 39 px to the left, above the first, below the others.
    const struct {
        int result, dx, dy, caption, captionDy;
    } results[] = {
        {9, 41, 3, 15, -16},
        {10, 82, 229, 16, 16},
        {11, 300, 178, 17, 16},
    };
    for (const auto& r : results) {
        prShowResult(r.result, x0 + r.dx, y0 + r.dy);
        prShowCaption(r.caption, x0 + r.dx - 39, y0 + r.dy + r.captionDy);
    }
    prCalcInduction();
}

void TMyInductionPage::prSetCoilTor()
{
    prBeginView(TextId::CoilToroidTitle, TCoilKind::Tor);
    const int left = fnListFieldLeft();
    prShowCaption(4, 25, fnListRowTop(0));
    prShowField(IndEdit::TorN, left, fnListRowTop(0), false, Symbol::N);
    prShowCaption(14, 25, fnListRowTop(1));
    prShowField(IndEdit::TorMu, left, fnBottom(mData.editInd[IndEdit::TorN]) + 12, false, Symbol::Mu);
    prShowCaption(3, 25, fnListRowTop(2));
    prShowField(IndEdit::TorWire, left, fnBottom(mData.editInd[IndEdit::TorMu]) + 12, true, Symbol::D);

    const int x0 = 80;
    const int y0 = 150;
    prDrawPiece(DrawingE.x, DrawingE.y, DrawingE.w, DrawingE.h, x0, y0);
    prShowField(IndEdit::TorDo, x0 + 185, y0 + 17, true, Symbol::None);
    prShowField(IndEdit::TorDi, x0 + 48, y0 + 7, true, Symbol::None);
    prShowField(IndEdit::TorH, x0 + 185, y0 + 70, true, Symbol::None);
    prShowResult(13, x0 + 48, y0 + 233);
    prShowCaption(18, x0 + 48 - 39, y0 + 233 + 16);
    prCalcInduction();
}

void TMyInductionPage::prSetRbInd()
{
    const bool byTurns = mData.rbIndFromN->isChecked();
    const TCoilKind kind = fnKind();
    if (kind == TCoilKind::OneSloi || kind == TCoilKind::ManySloi) {
        const bool one = kind == TCoilKind::OneSloi;
        const auto at = [](int k) { return static_cast<std::size_t>(k); };
        mData.labelResInd[at(one ? 1 : 3)]->setVisible(byTurns);
        mData.editInd[at(one ? IndEdit::OneL : IndEdit::ManyL)]->setVisible(!byTurns);
        mData.comboInd[at(one ? IndEdit::OneL : IndEdit::ManyL)]->setVisible(!byTurns);
        mData.editInd[at(one ? IndEdit::OneN : IndEdit::ManyN)]->setVisible(byTurns);
        mData.labelResInd[at(one ? 2 : 4)]->setVisible(!byTurns);
        (one ? mData.bFromNOneSloi : mData.bFromNManySloi) = byTurns;
    }
    prCalcInduction();
}

void TMyInductionPage::prEditChangeInd(int index)
{
    QLineEdit* edit = mData.editInd[static_cast<std::size_t>(index)];
    if (!edit)
        return;
    // A rewrite by the filter comes back here with the new text, which does the rest.
    const QString before = edit->text();
    prEditNumberFilter(edit);
    if (edit->text() != before || mWriting)
        return;
    if (edit->hasFocus()) {
        if (index == IndEdit::OneMu)
            mData.sMpOneSloi = edit->text();
        else if (index == IndEdit::ManyMu)
            mData.sMpManySloi = edit->text();
    }
    prRecalculate(index);
}

void TMyInductionPage::prComboChange() { prCalcInduction(); }

void TMyInductionPage::prCheckMpCoilOnClick()
{
    const TCoilKind kind = fnKind();
    if (kind == TCoilKind::OneSloi || kind == TCoilKind::ManySloi) {
        const bool one = kind == TCoilKind::OneSloi;
        bool& enabled = one ? mData.bMpOneSloi : mData.bMpManySloi;
        QString& remembered = one ? mData.sMpOneSloi : mData.sMpManySloi;
        if (enabled)
            remembered = mData.editInd[one ? IndEdit::OneMu : IndEdit::ManyMu]->text();
        enabled = !enabled;
        mData.checkMpCoil->setChecked(enabled);
        prApplyPermeability(one);
    }
    prCalcInduction();
}

void TMyInductionPage::prCalcInduction() { prRecalculate(-1); }

TInductionFields TMyInductionPage::fnGatherFields() const
{
    TInductionFields fields;
    fields.kind = fnKind();
    fields.fromN = mData.rbIndFromN->isChecked();
    fields.oneLInMilli = mData.comboInd[IndEdit::OneL]->currentIndex() == 1;
    fields.manyLInMilli = mData.comboInd[IndEdit::ManyL]->currentIndex() == 1;
    for (int k = 0; k < InductionEditCount; ++k) {
        const QLineEdit* edit = mData.editInd[static_cast<std::size_t>(k)];
        fields.editInd[static_cast<std::size_t>(k)] = edit->text().toStdString();
        if (edit->hasFocus())
            fields.focusedEdit = k;
    }
    return fields;
}

void TMyInductionPage::prShowFields(const TInductionFields& fields)
{
    mWriting = true;
    for (int k = 0; k < InductionEditCount; ++k) {
        QLineEdit* edit = mData.editInd[static_cast<std::size_t>(k)];
        const QString text = QString::fromStdString(fields.editInd[static_cast<std::size_t>(k)]);
        prSetFieldText(edit, text);
    }
    mWriting = false;
    // The run writes the labels of the selected kind only; the rest keep theirs.
    for (int k = 1; k <= InductionResultCount; ++k)
        if (const auto& text = fields.labelResInd[static_cast<std::size_t>(k)])
            prSetLabelText(mData.labelResInd[static_cast<std::size_t>(k)], fnQString(*text));
}

void TMyInductionPage::prRecalculate(int typedEdit)
{
    TInductionFields fields = fnGatherFields();
    const std::uint32_t status =
        typedEdit >= 0 ? induction::prEditChangeInd(fields, typedEdit) : induction::prCalcInduction(fields);
    prShowFields(fields);
    mHost->prNewTextStatusBar(fnText(status));
}

void prCreateInductionPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, InductionPages, "Induction", TextId::CoilTab);
    if (!made)
        return;
    TMyInductionPage* page = made.page;
    page->bmpInduction = fnSharedSheet(TPictureStore::ImageInduction);
    page->prCreatePanelSelectCoil();
    page->prCreatePanelInduction();
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelSelectCoil->x());
    made.prShowSheet();
    page->prSetOneSloi();
    page->prSetRbInd();
}

TMyInductionPage* fnInductionPage(int pageIndex) { return InductionPages.fnAt(pageIndex); }

TInductionData* fnInductionRecord(int pageIndex)
{
    TMyInductionPage* page = InductionPages.fnAt(pageIndex);
    return page ? &page->fnData() : nullptr;
}
