// The formulas page: a section list, the formulas of the section, and the
// formula area with the formula's picture, a field and unit list per quantity
// and the results. The evaluators compute; the page lays each formula out and
// keeps the order in which its fields were typed.
#pragma once

#include "calculators/Formulas/FormulasEngine.h"

#include <QImage>
#include <QObject>
#include <QPoint>

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
};

class TMyFormulasPage : public QObject {
    Q_OBJECT
public:
    TMyFormulasPage(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    TFormulasPageData& fnData() { return mData; }
    // The formula shown: section base + list position + 1.
    int fnCurrentFormula() const;

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
    void prSetRadioF();
    void prSetElectroF();
    void prSetFizicaF();
    void prFillFormulaList(int section);
    void prSelectFormula();
    void prClearFormulaArea();
    void prSetRbV();
    void prEditChangeFormulas(int slot);
    void prComboChange();
    void prCalcFormula();

private:
    void prBuildFormula(int formula);
    void prSetHeading(std::uint32_t text);
    // Shows slot k at (left, top) with its unit list, icon and hint.
    void prShowSlot(int slot, int left, int top, QPoint icon, std::uint32_t hint);
    void prPicture(int x, int y, int w, int h, int dx, int dy);
    void prShowResult(int label, int left, int top);
    void prResetInputs();

    QWidget* mSheet;
    TMyPageHost* mHost;
    TFormulasPageData mData;
    bool mWriting = false;   // the page itself is writing fields
    bool mFilling = false;   // the formula list is being refilled
};

void prCreateFormulasPage(TMyPageHost& host);

TMyFormulasPage* fnFormulasPage(int pageIndex);
TFormulasPageData* fnFormulasRecord(int pageIndex);
