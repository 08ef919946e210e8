// UI layer. The formulas page: a section list, the formulas of the section,
// and the formula area with the formula's picture, a field and unit list per
// quantity and the results. The evaluators compute; the page lays each
// formula out from its table and keeps the order in which its fields were
// typed.
#pragma once

#include "calculators/Formulas/FormulasEngine.h"
#include "common/core/Rect.h"

#include <QImage>
#include <QObject>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;
class TMyImageCanvas;
class TMyNumberField;
class TMyPageHost;

// The page's widget pool (index k - 1 for slot or label k) and its given order.
struct TFormulasPageData {
    formulas::TFormulaOrder GivenOrder{};
    std::array<QLineEdit*, formulas::FormulaSlots> editFormula{};
    std::array<QComboBox*, formulas::FormulaSlots> comboFormula{};
    std::array<QLabel*, formulas::FormulaSlots> labelResult{};
    std::array<QLabel*, formulas::FormulaSlots> labelNote{};
    QLabel* labelTitleRazdel = nullptr;
    QLabel* labelTitleFormulas = nullptr;
    QLabel* labelHeadingFormula = nullptr;
    std::array<QRadioButton*, formulas::FormulaSlots> rbChoice{};
    QListWidget* listFormulas = nullptr;
    // The standard series a computed R, L or C is shown in.
    QLabel* labelSeries = nullptr;
    QComboBox* comboSeries = nullptr;
};

class TMyFormulasPage : public QObject {
    Q_OBJECT
public:
    TMyFormulasPage(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    TFormulasPageData& fnData() { return mData; }
    // The formula shown: section base + list position + 1.
    int fnCurrentFormula() const;
    // What the tab's copy calls result label k (1-based) of a formula.
    QString fnResultCaption(int formula, int result, int besideSlot) const;

    // Published fields; each widget's objectName is its field name.
    QPushButton* btnClose = nullptr;
    QFrame* PanelSelectRazdel = nullptr;
    QFrame* PanelSelectFormulas = nullptr;
    QFrame* PanelFormulas = nullptr;
    QRadioButton* rbRadioF = nullptr;
    QRadioButton* rbElectroF = nullptr;
    QRadioButton* rbFizicaF = nullptr;
    QImage bmpFormulas;
    TMyImageCanvas* imageFormulas = nullptr;

public slots:
    void prCreatePanelSelectRazdel();
    void prCreatePanelSelectFormulas();
    void prCreatePanelFormulas();
    void prCreateSeriesList();
    void prSetRadioF();
    void prSetElectroF();
    void prSetFizicaF();
    void prFillFormulaList(int section);
    void prSelectFormula();
    void prClearFormulaArea();
    void prSetRbV();
    // A field changed; the one with the focus counts as typed in.
    void prEditChangeFormulas(int slot);
    void prComboChange();
    void prCalcFormula();

private:
    // The number field of slot k.
    TMyNumberField* fnField(int slot) const;
    // A field changed (byUser: typed or pasted rather than set by anyone else).
    void prOnEdited(int slot, bool byUser);
    void prBuildFormula(int formula);
    void prSetHeading(std::uint32_t text);
    // Shows slot k at `place` with its unit list, its icon (a piece of the sheet) and hint (0: none).
    void prShowSlot(int slot, TPoint place, const TRect& icon, std::uint32_t hint);
    // The wave's velocity slot: the note, the field under it and the choices under that.
    void prShowVelocityChoice(const TRect& icon, std::uint32_t hint);
    // Copies a piece of the sheet into the formula area with its top-left corner at `at`.
    void prDraw(const TRect& piece, TPoint at);
    void prShowResult(int label, TPoint at);
    void prResetInputs();

    QWidget* mSheet;
    TMyPageHost* mHost;
    TFormulasPageData mData;
    bool mFilling = false; // the formula list is being refilled
};

void prCreateFormulasPage(TMyPageHost& host);

TMyFormulasPage* fnFormulasPage(int pageIndex);
TFormulasPageData* fnFormulasRecord(int pageIndex);
