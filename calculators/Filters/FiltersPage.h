// UI layer. The filter page: low-pass or high-pass on the left; on the right the four
// inputs (F, C, L, R with their units) over the response picture and the six
// section schematics, each element's value written beside it. The filter
// solver does the arithmetic; the page keeps the given order of the inputs.
#pragma once

#include "calculators/Filters/FilterEngine.h"
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

// The page's widget pool and its given order.
struct TFilterPageData {
    filters::TGivenOrder GivenOrder{};
    std::array<QLineEdit*, 13> editFilter{};            // 1-12; 1, 4, 7, 10 are F, C, L, R
    std::array<QComboBox*, 13> comboFilter{};           // 1-12, beside the edit of the same number
    std::array<std::array<QLabel*, 9>, 4> labelValue{}; // groups A-D, 1-8
    std::array<QLabel*, 5> labelCaptionFilter{};        // 1-4
    QLabel* labelSelectFilters = nullptr;
    QLabel* labelTitleFilters = nullptr;
    // The standard series the elements are rounded to, and the -3 dB point
    // each LC section then really has (two-element, T, pi).
    QComboBox* comboSeries = nullptr;
    QLabel* labelSeries = nullptr;
    std::array<QLabel*, 3> labelLcCutoff{};
};

class TMyFiltersPage : public QObject {
    Q_OBJECT
public:
    TMyFiltersPage(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    TFilterPageData& fnData() { return mData; }
    // The field and unit list of an input.
    QLineEdit* fnEdit(filters::TFilterInput input) const;
    QComboBox* fnCombo(filters::TFilterInput input) const;
    // A value label: group 'A'..'D', index 1..8.
    QLabel* fnValueLabel(char group, int index) const;
    // The tab's inputs and results as plain text, one quantity a line.
    QString fnCopyText() const;

    // Published fields; each widget's objectName is its field name. Band-pass,
    // band-stop and smoothing filters have selectors that are never made.
    QPushButton* btnClose = nullptr;
    QFrame* PanelSelectFilters = nullptr;
    QFrame* PanelResultFilters = nullptr;
    QRadioButton* rbFilterLf = nullptr;
    QRadioButton* rbFilterHf = nullptr;
    QRadioButton* rbFilterPolos = nullptr;
    QRadioButton* rbFilterZagr = nullptr;
    QRadioButton* rbFilterSglazh = nullptr;
    QImage bmpFilters;
    TMyImageCanvas* imageSelectFilters = nullptr;
    TMyImageCanvas* imageFilters = nullptr;

public slots:
    void prCreatePanelSelectFilters();
    void prCreatePanelResultFilters();
    void prCreateSeriesList();
    // A field changed; the one with the focus counts as typed in.
    void prEditChange(int slot);
    void prComboChange();
    void prSetFilterLf();
    void prSetFilterHf();
    void prSetFilterPolos();
    void prSetFilterZagr();
    void prSetFilterSglazh();
    void prHideFilterResult();
    // Reads, solves and writes the values onto the pictures.
    void prCalcFilter();

private:
    // A field changed (byUser: typed or pasted rather than set by anyone else).
    void prOnEdited(int slot, bool byUser);
    void prShowKind(filters::TFilterKind kind);
    void prPlaceFilterLabels(filters::TFilterKind kind, const filters::TFilterSection& values);
    // The tooltips of the rounded values and the LC sections' real cut-offs;
    // none without a series.
    void prShowStandardParts(filters::TFilterKind kind, const filters::TFilterStandardView* view);
    // Copies a piece of the sheet onto a canvas with its top-left corner at `at`.
    void prDraw(const TRect& piece, TPoint at, TMyImageCanvas* canvas);

    QWidget* mSheet;
    TMyPageHost* mHost;
    TFilterPageData mData;
};

void prCreateFilterPage(TMyPageHost& host);

TMyFiltersPage* fnFiltersPage(int pageIndex);
TFilterPageData* fnFilterRecord(int pageIndex);
