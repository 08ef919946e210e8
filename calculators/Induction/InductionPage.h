// UI layer. The coil page: the five winding kinds on the left, and for the
// selected kind a drawing with its input fields, unit lists and results on
// the right, placed from the coil geometry. Every change recalculates through
// the inductance engine; typing into a linked geometry field fills in the
// other way of giving the same geometry.
#pragma once

#include "calculators/Induction/InductionEngine.h"
#include "calculators/Induction/InductionGeometry.h"
#include "common/core/Rect.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <array>
#include <span>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class TMyImageCanvas;
class TMyNumberField;
class TMyPageHost;

// The page's widgets that are not published fields, and what each solenoid
// view remembers while another kind is shown.
struct TInductionData {
    std::array<QLineEdit*, induction::InductionEditCount> editInd{};
    std::array<QComboBox*, induction::InductionEditCount> comboInd{}; // unit list k sits beside field k
    QRadioButton* rbIndFromN = nullptr;
    QRadioButton* rbNFromInd = nullptr;
    bool bFromNOneSloi = true;  // single-layer view solves inductance from turns
    bool bFromNManySloi = true; // the same for the multi-layer view
    QLabel* labelTitleInd = nullptr;
    QLabel* labelSelectCoil = nullptr;
    std::array<QLabel*, 19> labelInd{};                                     // captions 1-18
    std::array<QLabel*, induction::InductionResultCount + 1> labelResInd{}; // results 1-13
    QCheckBox* checkMpCoil = nullptr;
    bool bMpOneSloi = false;  // single-layer view: permeability typed, not "1"
    bool bMpManySloi = false; // the same for the multi-layer view
    QString sMpOneSloi = "1"; // last permeability typed in the single-layer view
    QString sMpManySloi = "1";

    // Beside the formula's results: the solenoids' wire, the value by exact physics.
    QLabel* labelWireCaption = nullptr;
    QLabel* labelWireLength = nullptr;
    QLabel* labelWireResistance = nullptr;
    QLabel* labelExactInd = nullptr;
    // The toroid's core by name, and the turns for a wanted inductance on it.
    QLabel* labelToroidCore = nullptr;
    QComboBox* comboToroidCore = nullptr;
    QLabel* labelToroidAL = nullptr;
    QLineEdit* editToroidL = nullptr;
    QLabel* labelToroidLCaption = nullptr;
    QLabel* labelToroidLUnit = nullptr;
    QLabel* labelToroidN = nullptr;
    QLabel* labelToroidTurns = nullptr;
    bool bFromNTor = true; // toroid on a named core: inductance from turns
};

class TMyInductionPage : public QObject {
    Q_OBJECT
public:
    // Owned by its tab sheet; the host gives the page control, status bar and closing.
    TMyInductionPage(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    TInductionData& fnData() { return mData; }
    const TInductionData& fnData() const { return mData; }
    induction::TCoilKind fnKind() const;

    // Published fields; each widget's objectName is its field name.
    QPushButton* btnClose = nullptr;
    QFrame* PanelSelectCoil = nullptr;
    QFrame* PanelInduction = nullptr;
    QRadioButton* rbCoilOneSloi = nullptr;
    QRadioButton* rbCoilManySloi = nullptr;
    QRadioButton* rbCoilPloski = nullptr;
    QRadioButton* rbCoilProvod = nullptr;
    QRadioButton* rbCoilTor = nullptr;
    QImage bmpInduction;
    TMyImageCanvas* imageSelectInd = nullptr;
    TMyImageCanvas* imageResultInd = nullptr;

public slots:
    void prCreatePanelSelectCoil();
    void prCreatePanelInduction();
    QLineEdit* prCreateEditInd(int index);
    QComboBox* prCreateComboInd(int index);
    QLabel* prCreateLabelInd(const QString& name, const QString& text);
    void prClearPanelInduction();
    void prSetOneSloi();
    void prSetManySloi();
    void prSetPloski();
    void prSetProvod();
    void prSetCoilTor();
    void prSetRbInd();
    // A field changed; the one with the focus counts as typed in.
    void prEditChangeInd(int index);
    void prComboChange();
    void prCheckMpCoilOnClick();
    // The recalculation of the selected kind; its status text goes to the tab.
    void prCalcInduction();

private:
    // Field k as the number field it is.
    TMyNumberField* fnField(int index) const;
    // A field changed (byUser: typed, pasted, cut or undone rather than set by anyone else).
    void prOnEdited(int index, bool byUser);
    induction::TInductionFields fnGatherFields() const;
    void prShowFields(const induction::TInductionFields& fields);
    void prShowExtras(const induction::TInductionFields& fields);
    void prCreateExtras();
    // The toroid view's core row, and with a named core its direction and turns.
    void prShowToroidRows();
    void prToroidCoreChosen(int index);
    // labelExactInd at a row of the view, in a font size and wrapped in a width.
    void prPlaceExact(int top, int points, int width);
    // Runs the engine (after linking, when `typedEdit` is being typed in) and shows the outcome.
    void prRecalculate(int typedEdit);
    void prBeginView(std::uint32_t titleId, induction::TCoilKind kind);
    void prShowSolenoidBlock(bool oneSloi);
    void prApplyPermeability(bool oneSloi);
    // Shows field k at a place, its unit list beside it when asked, and a symbol left of it.
    void prShowField(int index, TPoint at, bool withUnit, induction::geometry::TSymbol symbol);
    void prShowCaption(int index, TPoint at);
    void prShowResult(int index, TPoint at);
    // A list view's rows (each field on its caption's row, or stacked under the
    // field above); returns the bottom of its last caption.
    int prShowList(std::span<const induction::geometry::TListRow> rows, bool stacked, int firstRow = 0);
    // A kind's drawing at its place, with the fields, results and captions on it.
    void prShowDrawing(induction::TCoilKind kind, int listBottom = 0);
    // Copies a piece of the sheet onto the result panel with its top-left corner at `at`.
    void prDrawPiece(const TRect& piece, TPoint at);
    void prDrawSymbol(induction::geometry::TSymbol symbol, const QLineEdit* edit);
    // List views: caption k's place in row `row` (0-based) and the fields' common left.
    int fnListRowTop(int row) const;
    int fnListFieldLeft() const;

    QWidget* mSheet;
    TMyPageHost* mHost;
    TInductionData mData;
    QAbstractItemModel* mMillimetres = nullptr; // the length lists' one item
};

// Builds a coil page on the host's new tab (the active page).
void prCreateInductionPage(TMyPageHost& host);

// The coil page on the tab with this page index, or null; its record likewise.
TMyInductionPage* fnInductionPage(int pageIndex);
TInductionData* fnInductionRecord(int pageIndex);
