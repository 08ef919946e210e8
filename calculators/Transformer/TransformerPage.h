// UI layer. The transformer page: a drawing of the selected core with its dimension
// fields, the electrical inputs, and the grid of windings. The page gathers its
// field texts, lets the transformer engine design, and shows what comes back.
#pragma once

#include "calculators/Transformer/TransformerEngine.h"
#include "common/core/Rect.h"

#include <QLineEdit>
#include <QObject>
#include <QPainter>
#include <QString>
#include <QStyleOptionViewItem>
#include <QWidget>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TMyImageCanvas;
class TMyNumberField;
class TMyPageHost;

// The grid's first secondary row is part of the layout the page publishes
// with sgTransOutput.
using transformer::TransFirstSecondaryRow;

class TMyTrans : public QObject {
    Q_OBJECT
public:
    // Owned by its tab sheet; the host gives the status bar and closing.
    TMyTrans(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    transformer::TTransCoreKind fnCoreKind() const { return mKind; }
    QLineEdit* fnEdit(transformer::TTransField field) const;
    bool fnIsEditBad(const QLineEdit* edit) const;

    // Widgets of the page; each one's objectName is its field name.
    QPushButton* btnClose = nullptr;
    QPushButton* btnCalc = nullptr;
    QFrame* PanelTrans = nullptr;
    QFrame* PanelSerd = nullptr;
    QFrame* PanelCoreShape = nullptr;
    QFrame* PanelTransInput = nullptr;
    QFrame* PanelTransOutput = nullptr;
    QRadioButton* rbTransSimple = nullptr;
    QRadioButton* rbTransAdv = nullptr;
    QRadioButton* rbSerdLamEI = nullptr;
    QRadioButton* rbSerdLentEI = nullptr;
    QRadioButton* rbSerdLamUI = nullptr;
    QRadioButton* rbSerdLentUI = nullptr;
    QRadioButton* rbSerdO = nullptr;
    TMyImageCanvas* imageTrans = nullptr;
    TMyImageCanvas* imageTransInput = nullptr;
    QLineEdit* editA = nullptr;
    QLineEdit* editH = nullptr;
    QLineEdit* editB = nullptr;
    QLineEdit* editC = nullptr;
    QLineEdit* editDmax = nullptr;
    QLineEdit* editDmin = nullptr;
    QLineEdit* editSc = nullptr;
    QLineEdit* editSw = nullptr;
    QLineEdit* editPmax = nullptr;
    QLineEdit* editPtr = nullptr;
    QLineEdit* editVp = nullptr;
    QLineEdit* editF = nullptr;
    QLineEdit* editBi = nullptr;
    QLineEdit* editJ = nullptr;
    QLineEdit* editKPD = nullptr;
    QLineEdit* editKc = nullptr;
    QLineEdit* editKw = nullptr;
    QTableWidget* sgTransOutput = nullptr;
    QLabel* labelInputParam = nullptr;
    QLabel* labelVolt = nullptr;
    QLabel* labelHertz = nullptr;
    QLabel* labelTesla = nullptr;
    QLabel* labelAmm2 = nullptr;
    QLabel* labelListThickness = nullptr;
    QComboBox* comboThickness = nullptr;

public slots:
    void prRazmerPanelTransOutput();
    void prTransRazmer();
    QLineEdit* prCreateEdit(QWidget* parent, const QString& name);
    void prCreatePanelTransAndSerd();
    void prCreatePanelCoreShape();
    void prCreatePanelTransInput();
    void prCreatePanelTransOutput();
    void prCreateButtons();
    // Whether grid cell (col, row) may be selected; only secondary voltages and currents.
    bool prTransOutputSelectCell(int col, int row);
    void prOnDrawCell(QPainter* painter, const QStyleOptionViewItem& option, int col, int row);
    void prOnExitStringGrid();
    // Keeps a field's text a number; the number fields do that themselves as
    // they are typed into, so only a caller of its own needs it.
    void prEditChangeTr(QLineEdit* edit);
    void prEditOnEnter(QLineEdit* edit);
    // Stores an edited secondary cell; a text that is not a number is never stored as it is.
    void prTransOutputSetEditText(int col, int row, const QString& value);
    void prCalcScSw();
    void prCalcPMax();
    void prCalcPtr();
    void prZeroWire();
    void prZeroVA();
    bool fnTestZeroInput(const QString& group);
    void prShowEditErr(QLineEdit* edit);
    void prShowStrGrError();
    double fnGetStrGrNumber(int col, int row);
    void prCalcOnPage();
    void prGetComboText();
    void prInitDataTrans();
    void prSetEILam();
    void prSetUILam();
    void prSetEILenta();
    void prSetUILenta();
    void prSetTor();
    // Enter in a field runs the design; true when the key was used.
    bool prEditEnter(QLineEdit* edit, int key);

    // The tab's inputs, results and windings as plain text, one quantity a line.
    QString fnCopyText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The tooltip of a winding's wire diameter: the wire to buy.
    static QString fnWireTip(double diameterMm, double currentA);

private:
    void prSetCoreKind(transformer::TTransCoreKind kind);
    void prApplyStep(void (*step)(transformer::TTransformerFields&));
    // A field of the engine made with prCreateEdit, at its place on its panel.
    TMyNumberField* fnNewField(QWidget* parent, transformer::TTransField field, const TRect& place);
    // Points the published edit fields at the edits made so far.
    void prPublishEdits();
    void prSetEditMark(QLineEdit* edit, bool bad);
    transformer::TTransformerFields fnGatherFields() const;
    void prShowFields(const transformer::TTransformerFields& fields);
    QLineEdit* fnEditByWidget(QObject* object) const;

    QWidget* mSheet;
    TMyPageHost* mHost;
    transformer::TTransCoreKind mKind = transformer::TTransCoreKind::LamEI;
    std::array<TMyNumberField*, transformer::TransFieldCount> mEdits{};
};

// Builds a transformer page on the host's new tab (the active page).
void prCreateTransPage(TMyPageHost& host);

// The transformer page on the tab with this page index, or null.
TMyTrans* fnTransPage(int pageIndex);
