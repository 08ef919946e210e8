#include "calculators/Filters/FiltersPage.h"

#include "common/ImageCanvas.h"
#include "common/NumberEdit.h"
#include "common/PageHost.h"
#include "common/PageKit.h"
#include "common/PictureSheets.h"
#include "common/UiText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

TMyPageList<TMyFiltersPage> FilterPages;

const QColor PictureBackground(212, 208, 200);

constexpr std::uint32_t TextCaption = 400;
constexpr std::uint32_t TextSelectTitle = 401;
constexpr std::uint32_t TextStatus = 430;
constexpr int SelectPanelWidth = 200;
constexpr int SelectPanelHeight = 250;
constexpr int EditWidth = 40;
constexpr int EditHeight = 14;
constexpr int TypingLimit = 5;
constexpr int InputTop = 50;
constexpr int PictureSize = 32;
constexpr int IconWidth = 23;
constexpr int IconHeight = 15;

std::size_t fnAt(int k) { return static_cast<std::size_t>(k); }

// The four inputs: their slot, the quantity of the slots' unit lists, where
// the field goes, its icon on the sheet and its caption.
struct TInputPlace {
    TFilterInput input;
    int slot;
    int left;
    int iconX;
    std::uint32_t caption;
};
constexpr TInputPlace InputPlaces[] = {
    {TFilterInput::F, 1, 40, 2, 411},
    {TFilterInput::C, 4, 170, 26, 412},
    {TFilterInput::L, 7, 300, 50, 413},
    {TFilterInput::R, 10, 430, 74, 414},
};
constexpr int IconY = 384;

// Slots 1-3 list frequencies, 4-6 capacitances, 7-9 inductances, 10-12 resistances.
TFilterInput fnSlotQuantity(int slot) { return static_cast<TFilterInput>((slot - 1) / 3); }

// Pictures of a kind: sheet source for low-pass and high-pass, size, place.
struct TPicture {
    int lowX, lowY, highX, highY, w, h, dx, dy;
};
constexpr TPicture Pictures[] = {
    {2, 37, 147, 37, 143, 114, 88, 90},     // response, the cut-off written on it
    {147, 267, 147, 267, 143, 114, 318, 90}, // the formulas, the same for both
    {294, 1, 294, 210, 131, 67, 20, 240},   // LC two-element
    {426, 1, 426, 210, 131, 67, 20, 340},   // RC two-element
    {294, 69, 294, 278, 131, 67, 190, 240}, // LC T
    {426, 69, 426, 278, 131, 67, 190, 340}, // RC T
    {294, 137, 294, 346, 131, 67, 360, 240}, // LC pi
    {426, 137, 426, 346, 131, 67, 360, 340}, // RC pi
};

// Where each value label goes for each kind. Group A is the cut-off, B the
// capacitors, C the inductors, D the resistors; which element value a label
// shows is the filter solver's business.
struct TLabelPlace {
    char group;  // 'A'..'D'
    int index;   // 1..8
    int left, top;
};
constexpr TLabelPlace LowPassLabels[] = {
    {'A', 1, 185, 184},
    {'B', 1, 124, 271}, {'B', 2, 269, 271}, {'B', 3, 400, 271}, {'B', 4, 478, 271},
    {'B', 5, 124, 371}, {'B', 6, 269, 371}, {'B', 7, 400, 371}, {'B', 8, 478, 371},
    {'C', 1, 50, 232},  {'C', 2, 210, 232}, {'C', 3, 274, 232}, {'C', 4, 412, 232},
    {'D', 1, 50, 333},  {'D', 2, 210, 333}, {'D', 3, 274, 333}, {'D', 4, 412, 333},
};
constexpr TLabelPlace HighPassLabels[] = {
    {'A', 1, 185, 184},
    {'B', 1, 50, 231},  {'B', 2, 210, 231}, {'B', 3, 274, 231}, {'B', 4, 412, 231},
    {'B', 5, 50, 331},  {'B', 6, 210, 331}, {'B', 7, 274, 331}, {'B', 8, 412, 331},
    {'C', 1, 124, 271}, {'C', 2, 269, 271}, {'C', 3, 400, 271}, {'C', 4, 478, 271},
    {'D', 1, 124, 371}, {'D', 2, 269, 371}, {'D', 3, 400, 371}, {'D', 4, 478, 371},
};

const std::string& fnValueText(const TFilterSection& s, const TLabelPlace& place)
{
    switch (place.group) {
    case 'B': return s.fnText(TFilterPart::Capacitor, place.index);
    case 'C': return s.fnText(TFilterPart::Inductor, place.index);
    case 'D': return s.fnText(TFilterPart::Resistor, place.index);
    default: return s.F;
    }
}

} // namespace

TMyFiltersPage::TMyFiltersPage(QWidget* tabSheet, TMyPageHost& host) : QObject(tabSheet), mSheet(tabSheet), mHost(&host) {}

QLineEdit* TMyFiltersPage::fnEdit(TFilterInput input) const
{
    return mData.editFilter[fnAt(InputPlaces[static_cast<int>(input)].slot)];
}

QComboBox* TMyFiltersPage::fnCombo(TFilterInput input) const
{
    return mData.comboFilter[fnAt(InputPlaces[static_cast<int>(input)].slot)];
}

void TMyFiltersPage::prDraw(int x, int y, int w, int h, int dx, int dy, TMyImageCanvas* canvas)
{
    const TRect source = fnPlaceRect(x, y, w, h, TRect{});
    canvas->copyRect(fnPlaceRect(dx, dy, 0, 0, source), bmpFilters, source);
}

void TMyFiltersPage::prCreatePanelSelectFilters()
{
    PanelSelectFilters = fnNewPanel(mSheet, "PanelSelectFilters");
    PanelSelectFilters->setGeometry(10, 10, SelectPanelWidth, SelectPanelHeight);
    imageSelectFilters = new TMyImageCanvas(PanelSelectFilters);
    imageSelectFilters->setObjectName("imageSelectFilters");
    imageSelectFilters->prSetSize(SelectPanelWidth, SelectPanelHeight);
    imageSelectFilters->fillRect(fnPlaceRect(0, 0, SelectPanelWidth, SelectPanelHeight, TRect{}), PictureBackground);

    mData.labelSelectFilters = fnNewLabel(PanelSelectFilters, "labelSelectFilters", fnText(TextSelectTitle));
    mData.labelSelectFilters->move(fnCentredLeft(PanelSelectFilters->width(), mData.labelSelectFilters->width()), 8);
    const int y0 = fnBottom(mData.labelSelectFilters) + 4;
    prDraw(2, 2, PictureSize, PictureSize, 4, y0, imageSelectFilters);
    rbFilterLf = fnNewRadio(PanelSelectFilters, "rbFilterLf", 402, 40, y0 + 8, PanelSelectFilters->width() - 42);
    prDraw(36, 2, PictureSize, PictureSize, 4, y0 + 36, imageSelectFilters);
    rbFilterHf = fnNewRadio(PanelSelectFilters, "rbFilterHf", 408, 40, y0 + 44, PanelSelectFilters->width() - 42);
    rbFilterLf->setChecked(true);
    connect(rbFilterLf, &QRadioButton::clicked, this, &TMyFiltersPage::prSetFilterLf);
    connect(rbFilterHf, &QRadioButton::clicked, this, &TMyFiltersPage::prSetFilterHf);
    PanelSelectFilters->resize(PanelSelectFilters->width(), y0 + 76);
}

void TMyFiltersPage::prCreatePanelResultFilters()
{
    const QSize pageControl = mHost->fnPageControlSize();
    PanelResultFilters = fnNewPanel(mSheet, "PanelResultFilters");
    PanelResultFilters->setGeometry(fnRight(PanelSelectFilters) + 10, PanelSelectFilters->y(),
                                    pageControl.width() - PanelSelectFilters->x() - PanelSelectFilters->width() - 24,
                                    pageControl.height() - 48);
    imageFilters = new TMyImageCanvas(PanelResultFilters);
    imageFilters->setObjectName("imageFilters");
    imageFilters->prSetSize(PanelResultFilters->width(), PanelResultFilters->height());
    imageFilters->fillRect(fnPlaceRect(0, 0, imageFilters->width(), imageFilters->height(), TRect{}), PictureBackground);

    for (int slot = 1; slot <= 12; ++slot) {
        auto* edit = new QLineEdit(PanelResultFilters);
        edit->setObjectName("editFilter" + QString::number(slot));
        edit->setFrame(false);
        edit->setTextMargins(0, 0, 0, 0);
        edit->resize(EditWidth, EditHeight);
        prSetTypingLimit(edit, TypingLimit);
        edit->hide();
        connect(edit, &QLineEdit::textChanged, this, [this, slot] { prEditChange(slot); });
        mData.editFilter[fnAt(slot)] = edit;

        const TFilterUnits& units = fnFilterUnits(fnSlotQuantity(slot));
        QComboBox* combo = fnNewUnitCombo(PanelResultFilters, "comboFilter" + QString::number(slot), {}, 0);
        prFillUnitCombo(combo, std::span<const std::uint32_t>(units.textIds.data(), fnAt(units.count)),
                        units.selectedAtStart);
        combo->hide();
        connect(combo, &QComboBox::currentIndexChanged, this, &TMyFiltersPage::prComboChange);
        mData.comboFilter[fnAt(slot)] = combo;
    }
    // Value labels in the order A1, B1, C1, D1, A2, ...
    for (int index = 1; index <= 8; ++index) {
        for (int group = 0; group < 4; ++group) {
            QLabel* label = fnNewLabel(PanelResultFilters,
                                       QStringLiteral("labelValue%1%2").arg(QChar('A' + group)).arg(index));
            prSetFontPoints(label, 8);
            label->move(-30, label->y());
            label->hide();
            mData.labelValue[fnAt(group)][fnAt(index)] = label;
        }
    }
    for (int k = 1; k <= 4; ++k) {
        QLabel* caption = fnNewLabel(PanelResultFilters, "labelCaptionFilter" + QString::number(k));
        prSetFontPoints(caption, 8);
        caption->move(-30, caption->y());
        caption->hide();
        mData.labelCaptionFilter[fnAt(k)] = caption;
    }
    mData.labelTitleFilters = fnNewLabel(PanelResultFilters, "labelTitleFilters");
    prSetFontPoints(mData.labelTitleFilters, 12);
    mData.GivenOrder.fill(FilterCode::None);
    prSetFilterLf();
}

void TMyFiltersPage::prHideFilterResult()
{
    mData.labelTitleFilters->hide();
    for (int slot = 1; slot <= 12; ++slot) {
        mData.editFilter[fnAt(slot)]->hide();
        mData.comboFilter[fnAt(slot)]->hide();
    }
    for (int k = 1; k <= 4; ++k)
        mData.labelCaptionFilter[fnAt(k)]->hide();
    for (auto& group : mData.labelValue)
        for (int index = 1; index <= 8; ++index)
            group[fnAt(index)]->hide();
}

void TMyFiltersPage::prSetFilterLf() { prShowKind(TFilterKind::LowPass); }
void TMyFiltersPage::prSetFilterHf() { prShowKind(TFilterKind::HighPass); }

// Band-pass, band-stop and smoothing filters are not calculated: nothing to show.
void TMyFiltersPage::prSetFilterPolos() { prHideFilterResult(); }
void TMyFiltersPage::prSetFilterZagr() { prHideFilterResult(); }
void TMyFiltersPage::prSetFilterSglazh() { prHideFilterResult(); }

void TMyFiltersPage::prShowKind(TFilterKind kind)
{
    const bool low = kind == TFilterKind::LowPass;
    QRadioButton* radio = low ? rbFilterLf : rbFilterHf;
    if (!radio->isChecked())
        radio->setChecked(true);
    prHideFilterResult();
    imageFilters->fillRect(fnPlaceRect(0, 0, imageFilters->width(), imageFilters->height(), TRect{}), PictureBackground);

    QLabel* heading = mData.labelTitleFilters;
    prSetLabelText(heading, fnText(low ? 405 : 415));
    heading->move(fnCentredLeft(PanelResultFilters->width(), heading->width()), 8);
    heading->show();
    imageFilters->setAccessibleName(heading->text());

    for (const TInputPlace& place : InputPlaces) {
        QLineEdit* edit = mData.editFilter[fnAt(place.slot)];
        QComboBox* combo = mData.comboFilter[fnAt(place.slot)];
        edit->move(place.left, InputTop);
        edit->show();
        combo->move(fnRight(edit) + 2, edit->y());
        combo->show();
        prDraw(place.iconX, IconY, IconWidth, IconHeight, edit->x() - 26, edit->y() + 4, imageFilters);
        QLabel* caption = mData.labelCaptionFilter[fnAt(static_cast<int>(place.input) + 1)];
        prSetLabelText(caption, fnText(place.caption));
        caption->move(edit->x() + fnRoundEven((fnRight(combo) - edit->x() - caption->width()) / 2.0), edit->y() - 16);
        caption->show();
        edit->setToolTip(caption->text());
        edit->setAccessibleName(caption->text());
        combo->setAccessibleName(caption->text());
    }
    for (const TPicture& p : Pictures)
        prDraw(low ? p.lowX : p.highX, low ? p.lowY : p.highY, p.w, p.h, p.dx, p.dy, imageFilters);
    prCalcFilter();
}

void TMyFiltersPage::prEditChange(int slot)
{
    QLineEdit* edit = mData.editFilter[fnAt(slot)];
    const QString before = edit->text();
    prEditNumberFilter(edit);
    if (edit->text() != before || mWriting)
        return;  // the filter's rewrite, or the page's own clearing, comes back here
    if (!rbFilterLf->isChecked() && !rbFilterHf->isChecked())
        return;
    if (edit->hasFocus() && (slot - 1) % 3 == 0) {
        const TFilterInput typed = fnSlotQuantity(slot);
        const TFilterTyping typing = prTrackGiven(mData.GivenOrder, typed, fnEditToFloat(edit));
        mWriting = true;
        for (int k = 0; k < FilterInputCount; ++k)
            if (typing.clear[fnAt(k)])
                prSetFieldText(fnEdit(static_cast<TFilterInput>(k)), QString());
        mWriting = false;
    }
    prCalcFilter();
}

void TMyFiltersPage::prComboChange() { prCalcFilter(); }

void TMyFiltersPage::prCalcFilter()
{
    TFilterFields fields;
    for (int k = 0; k < FilterInputCount; ++k) {
        const auto input = static_cast<TFilterInput>(k);
        fields.text[fnAt(k)] = fnEdit(input)->text().toStdString();
        fields.unit[fnAt(k)] = fnCombo(input)->currentIndex();
    }
    if (!rbFilterLf->isChecked() && !rbFilterHf->isChecked())
        return;
    const TFilterKind kind = rbFilterLf->isChecked() ? TFilterKind::LowPass : TFilterKind::HighPass;
    prPlaceFilterLabels(kind, ::prCalcFilter(mData.GivenOrder, fields, kind));
}

void TMyFiltersPage::prPlaceFilterLabels(TFilterKind kind, const TFilterSection& values)
{
    const auto place = [&](const TLabelPlace& p) {
        QLabel* label = mData.labelValue[fnAt(p.group - 'A')][fnAt(p.index)];
        prSetLabelText(label, fnQString(fnValueText(values, p)));
        label->move(p.left, p.top);
        label->show();
    };
    if (kind == TFilterKind::LowPass)
        for (const TLabelPlace& p : LowPassLabels)
            place(p);
    else
        for (const TLabelPlace& p : HighPassLabels)
            place(p);
}

void prCreateFilterPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, FilterPages, "Filter", TextCaption);
    if (!made)
        return;
    TMyFiltersPage* page = made.page;
    page->bmpFilters = fnSharedSheet(TPictureStore::ImageFlt00);
    page->prCreatePanelSelectFilters();
    page->prCreatePanelResultFilters();
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelSelectFilters->x());
    made.prShowSheet();
    host.prNewTextStatusBar(fnText(TextStatus));
}

TMyFiltersPage* fnFiltersPage(int pageIndex) { return FilterPages.fnAt(pageIndex); }

TFilterPageData* fnFilterRecord(int pageIndex)
{
    TMyFiltersPage* page = FilterPages.fnAt(pageIndex);
    return page ? &page->fnData() : nullptr;
}
