#include "calculators/Induction/InductionPage.h"

#include "calculators/Induction/InductionExtras.h"
#include "calculators/Induction/InductionGeometry.h"
#include "calculators/Induction/ToroidCores.h"
#include "common/core/Numbers.h"
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
namespace geo = induction::geometry;
using geo::TSymbol;

namespace {

TMyPageList<TMyInductionPage> InductionPages;

const QColor ResultColour(255, 0, 0);

constexpr int SelectPanelWidth = 320;
constexpr int SelectPanelHeight = 250;
constexpr int WideEditWidth = 38; // inductance and permeability
constexpr int TypingLimit = 4;
constexpr int WideTypingLimit = 6;
constexpr int DirectionWidth = 150;
constexpr int CheckWidth = 220;
constexpr int SolenoidFieldLeft = 250;
// The list views keep this far from the panel's left edge (captions) and
// right edge (unit lists); the direction buttons line up with the captions.
constexpr int ListMargin = 25;
// The flat spiral's exact values: the free strip under its list, left of the track's close-up.
constexpr int FlatExactWidth = 232;

// The unit lists are the page kit's: the geometry gives them the kit's height.
static_assert(geo::UnitListHeight == KitComboHeight);

bool fnIsInductanceField(int index) { return index == IndEdit::OneL || index == IndEdit::ManyL; }
bool fnIsSolenoidMu(int index) { return index == IndEdit::OneMu || index == IndEdit::ManyMu; }

// A result label shows the text the engine gave, in red.
void prSetResultColour(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ResultColour);
    label->setPalette(palette);
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
    imageSelectInd->fillRect(TRect{0, 0, SelectPanelWidth, SelectPanelHeight}, KitPictureBackground);

    mData.labelSelectCoil = fnNewLabel(PanelSelectCoil, "labelSelectCoil", fnText(TextId::CoilKindTitle));
    mData.labelSelectCoil->move(fnCentredLeft(PanelSelectCoil->width(), mData.labelSelectCoil->width()), 8);
    const int v = fnBottom(mData.labelSelectCoil);

    const struct {
        QRadioButton** radio;
        const char* name;
        std::uint32_t text;
        void (TMyInductionPage::*handler)();
    } kinds[] = {
        // In TCoilKind order, as the icons stand on the sheet.
        {&rbCoilOneSloi, "rbCoilOneSloi", TextId::CoilSingleLayer, &TMyInductionPage::prSetOneSloi},
        {&rbCoilManySloi, "rbCoilManySloi", TextId::CoilMultiLayer, &TMyInductionPage::prSetManySloi},
        {&rbCoilPloski, "rbCoilPloski", TextId::CoilFlat, &TMyInductionPage::prSetPloski},
        {&rbCoilProvod, "rbCoilProvod", TextId::CoilWire, &TMyInductionPage::prSetProvod},
        {&rbCoilTor, "rbCoilTor", TextId::CoilToroid, &TMyInductionPage::prSetCoilTor},
    };
    int k = 0;
    for (const auto& kind : kinds) {
        const TRect icon = geo::fnIconPiece(static_cast<TCoilKind>(k));
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
    const bool wide = fnIsInductanceField(index) || fnIsSolenoidMu(index);
    auto* edit = new TMyNumberField(PanelInduction, "editInd" + QString::number(index),
                                    wide ? WideTypingLimit : TypingLimit);
    edit->setFrame(false);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setGeometry(-40, -40, geo::EditWidth, geo::EditHeight);
    edit->prWrite("0");
    edit->hide();
    if (wide)
        edit->resize(WideEditWidth, geo::EditHeight);
    if (fnIsSolenoidMu(index)) {
        edit->prWrite("1");
        edit->setReadOnly(true);
        prSetFieldColour(edit, KitLockedColour);
    }
    connect(edit, &TMyNumberField::edited, this, [this, index](bool byUser) { prOnEdited(index, byUser); });
    mData.editInd[static_cast<std::size_t>(index)] = edit;
    return edit;
}

TMyNumberField* TMyInductionPage::fnField(int index) const
{
    return static_cast<TMyNumberField*>(mData.editInd[static_cast<std::size_t>(index)]);
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
        combo->resize(geo::UnitListWidth, geo::UnitListHeight);
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
    imageResultInd->fillRect(TRect{0, 0, PanelInduction->width(), PanelInduction->height()}, KitPictureBackground);

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

    // Captions up to the bar are the catalogue's run from the winding length on; the last is the inductance.
    for (int k = 1; k <= IndCaption::Count; ++k) {
        const std::uint32_t text = k <= IndCaption::Bar
                                       ? TextId::CoilCaptionLength + static_cast<std::uint32_t>(k - 1) // 783..799
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
        CoilCaptionL,
        CoilCaptionN,
        CoilCaptionMu,
        CoilCaptionLength,
        CoilCaptionWire,
        CoilCaptionFormer,
        // multi-layer: L N mu l d Do Di c D
        CoilCaptionL,
        CoilCaptionN,
        CoilCaptionMu,
        CoilCaptionLength,
        CoilCaptionWire,
        CoilCaptionOuter,
        CoilCaptionInner,
        0,
        CoilCaptionMean,
        // flat spiral: N Do Di Dm W w s
        CoilCaptionN,
        CoilCaptionOuter,
        CoilCaptionInner,
        CoilCaptionMean,
        CoilCaptionWidth,
        CoilCaptionTrack,
        CoilCaptionGap,
        // straight conductor: l d h
        CoilCaptionWireLength,
        CoilCaptionWireDiameter,
        CoilCaptionHeight,
        // toroid: N mu d Do Di h
        CoilCaptionN,
        CoilCaptionMu,
        CoilCaptionWire,
        CoilCaptionOuter,
        CoilCaptionInner,
        0,
    };
    for (int k = 0; k < InductionEditCount; ++k) {
        const std::uint32_t caption = Captions[k];
        mData.editInd[static_cast<std::size_t>(k)]->setAccessibleName(caption ? fnText(caption)
                                                                              : "editInd" + QString::number(k));
    }
    prCreateExtras();
    PanelInduction->show();
}

void TMyInductionPage::prCreateExtras()
{
    mData.labelWireCaption = prCreateLabelInd("labelWireCaption", fnText(TextId::CoilWireCaption));
    mData.labelWireLength = prCreateLabelInd("labelWireLength", QString());
    mData.labelWireResistance = prCreateLabelInd("labelWireResistance", QString());
    mData.labelExactInd = prCreateLabelInd("labelExactInd", QString());
    mData.labelExactInd->setWordWrap(true);
    for (QLabel* label : {mData.labelWireLength, mData.labelWireResistance, mData.labelExactInd}) {
        prSetResultColour(label);
        prAddCopyMenu(label);
    }

    mData.labelToroidCore = prCreateLabelInd("labelToroidCore", fnText(TextId::CoilToroidCoreCaption));
    mData.comboToroidCore = new QComboBox(PanelInduction);
    mData.comboToroidCore->setObjectName("comboToroidCore");
    mData.comboToroidCore->addItem(fnText(TextId::CoilToroidOwnSizes));
    for (const TToroidCore& core : fnToroidCores())
        mData.comboToroidCore->addItem(QString::fromLatin1(core.name));
    mData.comboToroidCore->setAccessibleName(mData.labelToroidCore->text());
    mData.comboToroidCore->resize(110, KitComboHeight);
    connect(mData.comboToroidCore, &QComboBox::currentIndexChanged, this, &TMyInductionPage::prToroidCoreChosen);
    mData.labelToroidAL = prCreateLabelInd("labelToroidAL", QString());
    auto* wanted = new TMyNumberField(PanelInduction, "editToroidL", 6);
    wanted->setFrame(false);
    wanted->resize(geo::EditWidth + 12, mData.editInd[0]->height());
    wanted->setAccessibleName(fnText(TextId::CoilCaptionL));
    connect(wanted, &TMyNumberField::edited, this, [this] { prCalcInduction(); });
    mData.editToroidL = wanted;
    mData.labelToroidLCaption = prCreateLabelInd("labelToroidLCaption", fnText(TextId::CoilCaptionL));
    mData.labelToroidLUnit = prCreateLabelInd("labelToroidLUnit", fnText(TextId::UnitUH));
    mData.labelToroidN = prCreateLabelInd("labelToroidN", QString());
    mData.labelToroidTurns = prCreateLabelInd("labelToroidTurns", QString());
    for (QLabel* label : {mData.labelToroidAL, mData.labelToroidN, mData.labelToroidTurns}) {
        prSetResultColour(label);
        prAddCopyMenu(label);
        prSetCopyCaption(label, QString());
    }
    // What Ctrl+C calls every result.
    prSetCopyCaption(mData.labelWireLength, fnText(TextId::CoilWireLength));
    prSetCopyCaption(mData.labelWireResistance, fnText(TextId::CoilWireResistance));
    prSetCopyCaption(mData.labelExactInd, QString());
    const std::pair<int, std::uint32_t> captions[] = {
        {IndResult::OneL, TextId::CoilCaptionL},
        {IndResult::OneN, TextId::CoilCaptionN},
        {IndResult::ManyL, TextId::CoilCaptionL},
        {IndResult::ManyN, TextId::CoilCaptionN},
        {IndResult::FlatSquare, TextId::CoilOutlineSquare},
        {IndResult::FlatHexagonal, TextId::CoilOutlineHexagonal},
        {IndResult::FlatOctagonal, TextId::CoilOutlineOctagonal},
        {IndResult::FlatCircular, TextId::CoilOutlineCircular},
        {IndResult::WireRound, TextId::CoilRoundWire},
        {IndResult::WireOverPlane, TextId::CoilWireOverPlane},
        {IndResult::WireBar, TextId::CoilBar},
        {IndResult::Tor, TextId::CoilCaptionL},
    };
    for (const auto& [result, caption] : captions) {
        QLabel* label = mData.labelResInd[static_cast<std::size_t>(result)];
        prSetCopyCaption(label, fnText(caption));
        prAddCopyMenu(label);
    }
}

void TMyInductionPage::prClearPanelInduction()
{
    imageResultInd->fillRect(TRect{0, 0, imageResultInd->width(), imageResultInd->height()}, KitPictureBackground);
    mData.labelTitleInd->hide();
    for (int k = 1; k <= IndCaption::Count; ++k)
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
    for (QWidget* extra :
         {static_cast<QWidget*>(mData.labelWireCaption), static_cast<QWidget*>(mData.labelWireLength),
          static_cast<QWidget*>(mData.labelWireResistance), static_cast<QWidget*>(mData.labelExactInd),
          static_cast<QWidget*>(mData.labelToroidCore), static_cast<QWidget*>(mData.comboToroidCore),
          static_cast<QWidget*>(mData.labelToroidAL), static_cast<QWidget*>(mData.editToroidL),
          static_cast<QWidget*>(mData.labelToroidLUnit), static_cast<QWidget*>(mData.labelToroidN),
          static_cast<QWidget*>(mData.labelToroidLCaption), static_cast<QWidget*>(mData.labelToroidTurns)})
        extra->hide();
}

void TMyInductionPage::prDrawPiece(const TRect& piece, TPoint at)
{
    imageResultInd->copyRect(fnPlaceRect(at.X, at.Y, 0, 0, piece), bmpInduction, piece);
}

void TMyInductionPage::prDrawSymbol(TSymbol symbol, const QLineEdit* edit)
{
    if (symbol == TSymbol::None)
        return;
    prDrawPiece(geo::fnSymbolPiece(symbol), TPoint{edit->x(), edit->y()} + geo::SymbolOffset);
}

void TMyInductionPage::prShowField(int index, TPoint at, bool withUnit, TSymbol symbol)
{
    QLineEdit* edit = mData.editInd[static_cast<std::size_t>(index)];
    edit->move(at.X, at.Y);
    edit->show();
    if (withUnit) {
        QComboBox* combo = mData.comboInd[static_cast<std::size_t>(index)];
        prPlaceBeside(combo, edit);
        combo->show();
    }
    prDrawSymbol(symbol, edit);
}

void TMyInductionPage::prShowCaption(int index, TPoint at)
{
    QLabel* label = mData.labelInd[static_cast<std::size_t>(index)];
    label->adjustSize();
    label->move(at.X, at.Y);
    label->show();
}

void TMyInductionPage::prShowResult(int index, TPoint at)
{
    QLabel* label = mData.labelResInd[static_cast<std::size_t>(index)];
    label->move(at.X, at.Y);
    label->show();
}

int TMyInductionPage::prShowList(std::span<const geo::TListRow> rows, bool stacked, int firstRow)
{
    const QLineEdit* above = nullptr;
    int row = firstRow;
    for (const geo::TListRow& r : rows) {
        const int top = fnListRowTop(row++);
        prShowCaption(r.caption, {ListMargin, top});
        prShowField(r.edit, {fnListFieldLeft(), stacked && above ? fnBottom(above) + 12 : top}, r.unit, r.symbol);
        above = mData.editInd[static_cast<std::size_t>(r.edit)];
    }
    return fnBottom(mData.labelInd[static_cast<std::size_t>(rows.back().caption)]);
}

void TMyInductionPage::prShowDrawing(TCoilKind kind, int listBottom)
{
    const geo::TDrawing& drawing = geo::fnDrawing(kind);
    const TPoint origin = drawing.place + TPoint{0, drawing.belowList ? listBottom : 0};
    prDrawPiece(drawing.piece, origin);
    for (const geo::TDrawingField& field : drawing.fnFields()) {
        const TPoint at = origin + field.at;
        prShowField(field.edit, at, true, TSymbol::None);
        if (field.caption)
            prShowCaption(field.caption, at + TPoint{field.captionShift, -geo::CaptionAbove});
    }
    for (const geo::TDrawingResult& result : drawing.fnResults()) {
        const TPoint at = origin + result.at;
        prShowResult(result.result, at);
        if (result.caption)
            prShowCaption(result.caption, at + TPoint{-geo::ResultCaptionLeft, result.captionDy});
    }
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
    return PanelInduction->width() - (geo::EditWidth + 2 + mData.comboInd[0]->width() + ListMargin);
}

int TMyInductionPage::fnListRowTop(int row) const
{
    const int first = fnBottom(mData.labelTitleInd) + 16;
    const int pitch = mData.labelInd[1]->sizeHint().height() + 12;
    return first + row * pitch;
}

void TMyInductionPage::prApplyPermeability(bool oneSloi)
{
    TMyNumberField* mu = fnField(oneSloi ? IndEdit::OneMu : IndEdit::ManyMu);
    const bool enabled = oneSloi ? mData.bMpOneSloi : mData.bMpManySloi;
    const QString remembered = oneSloi ? mData.sMpOneSloi : mData.sMpManySloi;
    mu->prWrite(enabled ? remembered : QStringLiteral("1"));
    mu->setReadOnly(!enabled);
    prSetFieldColour(mu, enabled ? mSheet->palette().color(QPalette::Base) : KitLockedColour);
}

void TMyInductionPage::prShowSolenoidBlock(bool oneSloi)
{
    const int fieldL = oneSloi ? IndEdit::OneL : IndEdit::ManyL;
    const int fieldN = oneSloi ? IndEdit::OneN : IndEdit::ManyN;
    const int fieldMu = oneSloi ? IndEdit::OneMu : IndEdit::ManyMu;
    const int resultL = oneSloi ? IndResult::OneL : IndResult::ManyL;
    const int resultN = oneSloi ? IndResult::OneN : IndResult::ManyN;
    const int top = fnBottom(mData.labelTitleInd);

    QRadioButton* fromN = mData.rbIndFromN;
    QRadioButton* nFromL = mData.rbNFromInd;
    fromN->move(ListMargin, top + 14);
    fromN->show();
    prShowField(fieldL, {SolenoidFieldLeft, fromN->y()}, true, TSymbol::L);
    prShowResult(resultL, {SolenoidFieldLeft, fromN->y()});
    nFromL->move(fromN->x(), fnBottom(fromN) + 8);
    nFromL->show();
    prShowField(fieldN, {SolenoidFieldLeft, nFromL->y()}, false, TSymbol::N);
    prShowResult(resultN, {SolenoidFieldLeft, nFromL->y()});
    mData.checkMpCoil->move(fromN->x(), fnBottom(nFromL) + 8);
    mData.checkMpCoil->show();
    prShowField(fieldMu, {SolenoidFieldLeft, mData.checkMpCoil->y()}, false, TSymbol::Mu);

    // The wire to cut and the value by exact physics, on the rows under the block.
    const int wireTop = fnBottom(mData.checkMpCoil) + 8;
    mData.labelWireCaption->move(ListMargin, wireTop);
    mData.labelWireLength->move(SolenoidFieldLeft, wireTop);
    prPlaceExact(wireTop + 18, 8, PanelInduction->width() - 2 * ListMargin);

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
    prShowDrawing(TCoilKind::OneSloi);
    prCalcInduction();
}

void TMyInductionPage::prSetManySloi()
{
    prBeginView(TextId::CoilMultiLayerTitle, TCoilKind::ManySloi);
    prShowSolenoidBlock(false);
    prShowDrawing(TCoilKind::ManySloi);
    prCalcInduction();
}

void TMyInductionPage::prSetPloski()
{
    prBeginView(TextId::CoilFlatTitle, TCoilKind::Ploski);
    const int listBottom = prShowList(geo::FlatSpiralList, false);
    prShowDrawing(TCoilKind::Ploski, listBottom);
    // The four outlines' exact values in two lines of small print, in the
    // strip the drawing leaves free left of its close-up of the track.
    prPlaceExact(listBottom + 4, 7, FlatExactWidth);
    prCalcInduction();
}

void TMyInductionPage::prSetProvod()
{
    prBeginView(TextId::CoilWireTitle, TCoilKind::Provod);
    const int listBottom = prShowList(geo::ConductorList, false);
    prShowDrawing(TCoilKind::Provod);
    prPlaceExact(listBottom + 6, 8, PanelInduction->width() - 2 * ListMargin);
    prCalcInduction();
}

void TMyInductionPage::prPlaceExact(int top, int points, int width)
{
    QLabel* exact = mData.labelExactInd;
    prSetFontPoints(exact, points);
    exact->move(ListMargin, top);
    exact->setFixedWidth(width);
}

void TMyInductionPage::prSetCoilTor()
{
    prBeginView(TextId::CoilToroidTitle, TCoilKind::Tor);
    prShowToroidRows();
    prShowDrawing(TCoilKind::Tor);
    prCalcInduction();
}

// Row 0 the core: own sizes or one by name with its AL. Own sizes: N, mu and
// d below it, as the formula needs them. A named core: the direction, then N
// or the wanted inductance (the turns that give it under it).
void TMyInductionPage::prShowToroidRows()
{
    for (QWidget* row : {static_cast<QWidget*>(mData.rbIndFromN), static_cast<QWidget*>(mData.rbNFromInd),
                         static_cast<QWidget*>(mData.editToroidL), static_cast<QWidget*>(mData.labelToroidLCaption),
                         static_cast<QWidget*>(mData.labelToroidLUnit), static_cast<QWidget*>(mData.labelToroidN),
                         static_cast<QWidget*>(mData.labelToroidTurns), static_cast<QWidget*>(mData.labelExactInd),
                         static_cast<QWidget*>(mData.labelToroidAL)})
        row->hide();
    for (const geo::TListRow& r : geo::ToroidList) {
        mData.labelInd[static_cast<std::size_t>(r.caption)]->hide();
        mData.editInd[static_cast<std::size_t>(r.edit)]->hide();
        mData.comboInd[static_cast<std::size_t>(r.edit)]->hide();
    }
    // The rows' symbols are drawn on the panel: the old ones go first.
    const int coreTop = fnListRowTop(0);
    imageResultInd->fillRect(
        fnRectAt(0, coreTop - 4, imageResultInd->width(), geo::fnDrawing(TCoilKind::Tor).place.Y - coreTop + 4),
        KitPictureBackground);
    mData.labelToroidCore->move(ListMargin, coreTop);
    mData.labelToroidCore->show();
    QComboBox* cores = mData.comboToroidCore;
    cores->move(PanelInduction->width() - ListMargin - cores->width(),
                coreTop - (cores->height() - mData.labelToroidCore->height()) / 2);
    cores->show();
    mData.labelToroidAL->move(fnRight(mData.labelToroidCore) + 12, coreTop);

    if (cores->currentIndex() == 0) {
        const int bottom = prShowList(geo::ToroidList, true, 1);
        prPlaceExact(bottom + 6, 8, PanelInduction->width() - 2 * ListMargin);
        return;
    }
    mData.labelToroidAL->show();
    QRadioButton* fromN = mData.rbIndFromN;
    QRadioButton* nFromL = mData.rbNFromInd;
    const int directionTop = fnListRowTop(1);
    fromN->move(ListMargin, directionTop);
    nFromL->move(ListMargin + DirectionWidth + 20, directionTop);
    (mData.bFromNTor ? fromN : nFromL)->setChecked(true);
    fromN->show();
    nFromL->show();
    if (mData.bFromNTor) {
        prShowList(std::span(geo::ToroidList).first(1), true, 2);
        return;
    }
    const int wantedTop = fnListRowTop(2);
    mData.labelToroidLCaption->move(ListMargin, wantedTop);
    mData.labelToroidLCaption->show();
    mData.editToroidL->move(fnListFieldLeft(), wantedTop);
    mData.editToroidL->show();
    mData.labelToroidLUnit->move(fnRight(mData.editToroidL) + 4, wantedTop);
    mData.labelToroidLUnit->show();
    mData.labelToroidN->move(ListMargin, fnListRowTop(3));
}

void TMyInductionPage::prToroidCoreChosen(int index)
{
    // A named core gives its sizes to the drawing's fields.
    if (index > 0) {
        const TToroidCore& core = fnToroidCores()[static_cast<std::size_t>(index - 1)];
        fnField(IndEdit::TorDo)->prWrite(QString::fromStdString(fnFloatToText(3, core.outerMm)));
        fnField(IndEdit::TorDi)->prWrite(QString::fromStdString(fnFloatToText(3, core.innerMm)));
        fnField(IndEdit::TorH)->prWrite(QString::fromStdString(fnFloatToText(3, core.heightMm)));
    }
    if (fnKind() == TCoilKind::Tor) {
        prShowToroidRows();
        prCalcInduction();
    }
}

void TMyInductionPage::prShowExtras(const TInductionFields& fields)
{
    const TCoilExtras extras = fnCoilExtras(fields);
    const TCoilKind kind = fields.kind;
    const bool solenoid = kind == TCoilKind::OneSloi || kind == TCoilKind::ManySloi;
    prSetLabelText(mData.labelWireLength, fnQString(extras.wireLength));
    prSetLabelText(mData.labelWireResistance, fnQString(extras.wireResistance));
    mData.labelWireResistance->move(fnRight(mData.labelWireLength) + 10, mData.labelWireLength->y());
    const bool wire = solenoid && !extras.wireLength.empty();
    mData.labelWireCaption->setVisible(wire);
    mData.labelWireLength->setVisible(solenoid);
    mData.labelWireResistance->setVisible(solenoid);

    // Word-wrapped in the width its view gives it: a spiral's four outlines take two lines.
    QLabel* exact = mData.labelExactInd;
    exact->setText(fnQString(extras.exact));
    exact->setAccessibleName(exact->text());
    const int lines = exact->heightForWidth(exact->width());
    exact->setFixedHeight(lines > 0 ? lines : exact->fontMetrics().height());
    exact->setVisible(!extras.exact.empty());

    if (kind == TCoilKind::Tor) {
        prSetLabelText(mData.labelToroidAL, fnQString(extras.toroidAl));
        const bool turns = !extras.toroidTurns.empty();
        prSetLabelText(mData.labelToroidN,
                       turns ? fnText(TextId::CoilToroidN).arg(fnQString(extras.toroidTurns)) : QString());
        prSetLabelText(mData.labelToroidTurns, fnQString(extras.toroidWholeTurns));
        mData.labelToroidTurns->move(fnRight(mData.labelToroidN) + 12, mData.labelToroidN->y());
        const bool wanted = mData.comboToroidCore->currentIndex() > 0 && !mData.bFromNTor;
        mData.labelToroidN->setVisible(wanted && turns);
        mData.labelToroidTurns->setVisible(wanted && turns);
    }
}

void TMyInductionPage::prSetRbInd()
{
    const bool byTurns = mData.rbIndFromN->isChecked();
    const TCoilKind kind = fnKind();
    if (kind == TCoilKind::OneSloi || kind == TCoilKind::ManySloi) {
        const bool one = kind == TCoilKind::OneSloi;
        const auto at = [](int k) { return static_cast<std::size_t>(k); };
        mData.labelResInd[at(one ? IndResult::OneL : IndResult::ManyL)]->setVisible(byTurns);
        mData.editInd[at(one ? IndEdit::OneL : IndEdit::ManyL)]->setVisible(!byTurns);
        mData.comboInd[at(one ? IndEdit::OneL : IndEdit::ManyL)]->setVisible(!byTurns);
        mData.editInd[at(one ? IndEdit::OneN : IndEdit::ManyN)]->setVisible(byTurns);
        mData.labelResInd[at(one ? IndResult::OneN : IndResult::ManyN)]->setVisible(!byTurns);
        (one ? mData.bFromNOneSloi : mData.bFromNManySloi) = byTurns;
    } else if (kind == TCoilKind::Tor) {
        mData.bFromNTor = byTurns;
        prShowToroidRows();
    }
    prCalcInduction();
}

void TMyInductionPage::prEditChangeInd(int index)
{
    if (const QLineEdit* edit = mData.editInd[static_cast<std::size_t>(index)])
        prOnEdited(index, edit->hasFocus());
}

void TMyInductionPage::prOnEdited(int index, bool byUser)
{
    // A core's sizes typed over are no longer that core's.
    if (byUser && (index == IndEdit::TorDo || index == IndEdit::TorDi || index == IndEdit::TorH)
        && mData.comboToroidCore->currentIndex() > 0) {
        const QSignalBlocker quiet(mData.comboToroidCore);
        mData.comboToroidCore->setCurrentIndex(0);
        prShowToroidRows();
    }
    // A permeability the user typed comes back when the core is switched on again.
    if (byUser) {
        if (index == IndEdit::OneMu)
            mData.sMpOneSloi = fnField(index)->text();
        else if (index == IndEdit::ManyMu)
            mData.sMpManySloi = fnField(index)->text();
    }
    prRecalculate(byUser ? index : -1);
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
    fields.toroidCore = mData.comboToroidCore->currentIndex();
    fields.toroidFromN = mData.bFromNTor;
    fields.toroidLUh = mData.editToroidL->text().toStdString();
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
    for (int k = 0; k < InductionEditCount; ++k)
        fnField(k)->prWrite(QString::fromStdString(fields.editInd[static_cast<std::size_t>(k)]));
    // The run writes the labels of the selected kind only; the rest keep theirs.
    for (int k = 1; k <= InductionResultCount; ++k)
        if (const auto& text = fields.labelResInd[static_cast<std::size_t>(k)])
            prSetLabelText(mData.labelResInd[static_cast<std::size_t>(k)], fnQString(*text));
}

void TMyInductionPage::prRecalculate(int typedEdit)
{
    TInductionFields fields = fnGatherFields();
    const std::uint32_t status = typedEdit >= 0 ? induction::prEditChangeInd(fields, typedEdit)
                                                : induction::prCalcInduction(fields);
    prShowFields(fields);
    prShowExtras(fields);
    mHost->prNewTextStatusBar(fnText(status));
}

void prCreateInductionPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, InductionPages, "Induction", TextId::CoilTab);
    if (!made)
        return;
    TMyInductionPage* page = made.page;
    page->bmpInduction = fnSharedSheet(TPictureStore::ImageInduction);
    prSetPageCopy(made.sheet, [page] {
        QStringList lines{page->fnData().labelTitleInd->text()};
        lines << fnSheetCopyLines(page->fnTabSheet());
        return lines.join('\n');
    });
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
