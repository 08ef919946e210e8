#include "calculators/Filters/FiltersPage.h"

#include "calculators/Filters/FilterGeometry.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/SeriesList.h"
#include "common/ui/UiText.h"
#include "text/Quantities.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

using namespace filters;
namespace geo = filters::geometry;

namespace {

TMyPageList<TMyFiltersPage> FilterPages;

constexpr int SelectPanelWidth = 200;
constexpr int SelectPanelHeight = 250;
constexpr int EditWidth = 40;
constexpr int EditHeight = 14;
constexpr int TypingLimit = 5;

std::size_t fnAt(int k) { return static_cast<std::size_t>(k); }

// The four inputs: their slot (slots 1-3 list frequencies, 4-6 capacitances,
// 7-9 inductances, 10-12 resistances) and caption.
struct TInput {
    TFilterInput input;
    int slot;
    std::uint32_t caption;
};
constexpr TInput Inputs[] = {
    {TFilterInput::F, 1, TextId::FilterCaptionF},
    {TFilterInput::C, 4, TextId::FilterCaptionC},
    {TFilterInput::L, 7, TextId::FilterCaptionL},
    {TFilterInput::R, 10, TextId::FilterCaptionR},
};

TFilterInput fnSlotQuantity(int slot) { return static_cast<TFilterInput>((slot - 1) / 3); }

// Value labels: group A is the cut-off, B the capacitors, C the inductors,
// D the resistors.
char fnGroup(TFilterPart part)
{
    switch (part) {
    case TFilterPart::Capacitor: return 'B';
    case TFilterPart::Inductor: return 'C';
    case TFilterPart::Resistor: return 'D';
    }
    return 'A';
}

// The schematics' letter of a part.
char fnPartLetter(TFilterPart part)
{
    switch (part) {
    case TFilterPart::Capacitor: return 'C';
    case TFilterPart::Inductor: return 'L';
    case TFilterPart::Resistor: return 'R';
    }
    return '?';
}

} // namespace

TMyFiltersPage::TMyFiltersPage(QWidget* tabSheet, TMyPageHost& host) : QObject(tabSheet), mSheet(tabSheet), mHost(&host)
{
}

QLineEdit* TMyFiltersPage::fnEdit(TFilterInput input) const
{
    return mData.editFilter[fnAt(Inputs[static_cast<int>(input)].slot)];
}

QComboBox* TMyFiltersPage::fnCombo(TFilterInput input) const
{
    return mData.comboFilter[fnAt(Inputs[static_cast<int>(input)].slot)];
}

QLabel* TMyFiltersPage::fnValueLabel(char group, int index) const
{
    return mData.labelValue[fnAt(group - 'A')][fnAt(index)];
}

void TMyFiltersPage::prDraw(const TRect& piece, TPoint at, TMyImageCanvas* canvas)
{
    canvas->copyRect(fnPlaceRect(at.X, at.Y, 0, 0, piece), bmpFilters, piece);
}

void TMyFiltersPage::prCreatePanelSelectFilters()
{
    PanelSelectFilters = fnNewPanel(mSheet, "PanelSelectFilters");
    PanelSelectFilters->setGeometry(10, 10, SelectPanelWidth, SelectPanelHeight);
    imageSelectFilters = new TMyImageCanvas(PanelSelectFilters);
    imageSelectFilters->setObjectName("imageSelectFilters");
    imageSelectFilters->prSetSize(SelectPanelWidth, SelectPanelHeight);
    imageSelectFilters->fillRect(fnRectAt(0, 0, SelectPanelWidth, SelectPanelHeight), KitPictureBackground);

    mData.labelSelectFilters = fnNewLabel(PanelSelectFilters, "labelSelectFilters", fnText(TextId::FilterKindTitle));
    mData.labelSelectFilters->move(fnCentredLeft(PanelSelectFilters->width(), mData.labelSelectFilters->width()), 8);
    const int y0 = fnBottom(mData.labelSelectFilters) + 4;
    prDraw(geo::IconLowPass, {4, y0}, imageSelectFilters);
    rbFilterLf = fnNewRadio(PanelSelectFilters, "rbFilterLf", TextId::FilterLowPass, 40, y0 + 8,
                            PanelSelectFilters->width() - 42);
    prDraw(geo::IconHighPass, {4, y0 + 36}, imageSelectFilters);
    rbFilterHf = fnNewRadio(PanelSelectFilters, "rbFilterHf", TextId::FilterHighPass, 40, y0 + 44,
                            PanelSelectFilters->width() - 42);
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
    imageFilters->fillRect(fnRectAt(0, 0, imageFilters->width(), imageFilters->height()), KitPictureBackground);

    for (int slot = 1; slot <= 12; ++slot) {
        auto* edit = new TMyNumberField(PanelResultFilters, "editFilter" + QString::number(slot), TypingLimit);
        edit->setFrame(false);
        edit->setTextMargins(0, 0, 0, 0);
        edit->resize(EditWidth, EditHeight);
        edit->hide();
        connect(edit, &TMyNumberField::edited, this, [this, slot](bool byUser) { prOnEdited(slot, byUser); });
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
            prAddCopyMenu(label);
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
    for (std::size_t k = 0; k < mData.labelLcCutoff.size(); ++k) {
        QLabel* cutoff = fnNewLabel(PanelResultFilters, "labelLcCutoff" + QString::number(k + 1));
        prSetFontPoints(cutoff, 8);
        cutoff->hide();
        prAddCopyMenu(cutoff);
        mData.labelLcCutoff[k] = cutoff;
    }
    mData.GivenOrder.fill(FilterCode::None);
    prSetFilterLf();
}

// The series list stands on the sheet under the kind panel, its caption
// above it; nothing of the panels moves for it.
void TMyFiltersPage::prCreateSeriesList()
{
    mData.labelSeries = fnNewLabel(mSheet, "labelSeries", fnText(TextId::SeriesCaption));
    mData.labelSeries->move(PanelSelectFilters->x() + 2, fnBottom(PanelSelectFilters) + 12);
    mData.comboSeries = fnNewSeriesCombo(mSheet);
    mData.comboSeries->setGeometry(PanelSelectFilters->x(), fnBottom(mData.labelSeries) + 3, 90, KitComboHeight);
    connect(mData.comboSeries, &QComboBox::currentIndexChanged, this, &TMyFiltersPage::prComboChange);
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
    for (QLabel* cutoff : mData.labelLcCutoff)
        cutoff->hide();
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
    imageFilters->fillRect(fnRectAt(0, 0, imageFilters->width(), imageFilters->height()), KitPictureBackground);

    QLabel* heading = mData.labelTitleFilters;
    prSetLabelText(heading, fnText(low ? TextId::FilterLowPassTitle : TextId::FilterHighPassTitle));
    heading->move(fnCentredLeft(PanelResultFilters->width(), heading->width()), 8);
    heading->show();
    imageFilters->setAccessibleName(heading->text());

    for (std::size_t k = 0; k < std::size(Inputs); ++k) {
        const TInput& input = Inputs[k];
        QLineEdit* edit = mData.editFilter[fnAt(input.slot)];
        QComboBox* combo = mData.comboFilter[fnAt(input.slot)];
        edit->move(geo::InputLefts[k], geo::InputTop);
        edit->show();
        combo->move(fnRight(edit) + 2, edit->y());
        combo->show();
        prDraw(geo::InputIcons[k], TPoint{edit->x(), edit->y()} + geo::InputIconOffset, imageFilters);
        QLabel* caption = mData.labelCaptionFilter[k + 1];
        prSetLabelText(caption, fnText(input.caption));
        caption->move(edit->x() + fnCentredLeft(fnRight(combo) - edit->x(), caption->width()), edit->y() - 16);
        caption->show();
        edit->setToolTip(caption->text());
        edit->setAccessibleName(caption->text());
        combo->setAccessibleName(caption->text());
    }
    prDraw(low ? geo::ResponseLowPass : geo::ResponseHighPass, geo::ResponsePlace, imageFilters);
    prDraw(geo::Formulas, geo::FormulasPlace, imageFilters);
    for (const TSectionLayout& section : fnSectionLayouts(kind))
        prDraw(geo::fnSectionPiece(kind, section.shape), geo::SectionPlaces[static_cast<std::size_t>(section.shape)],
               imageFilters);
    prCalcFilter();
}

void TMyFiltersPage::prEditChange(int slot) { prOnEdited(slot, mData.editFilter[fnAt(slot)]->hasFocus()); }

void TMyFiltersPage::prOnEdited(int slot, bool byUser)
{
    if (!rbFilterLf->isChecked() && !rbFilterHf->isChecked())
        return;
    if (byUser && (slot - 1) % 3 == 0) {
        const TFilterTyping typing = prTrackGiven(mData.GivenOrder, fnSlotQuantity(slot),
                                                  fnEditToFloat(mData.editFilter[fnAt(slot)]));
        for (int k = 0; k < FilterInputCount; ++k)
            if (typing.clear[fnAt(k)])
                static_cast<TMyNumberField*>(fnEdit(static_cast<TFilterInput>(k)))->prWrite(QString());
    }
    prCalcFilter();
}

void TMyFiltersPage::prComboChange() { prCalcFilter(); }

QString TMyFiltersPage::fnCopyText() const
{
    if (!rbFilterLf->isChecked() && !rbFilterHf->isChecked())
        return {};
    const TFilterKind kind = rbFilterLf->isChecked() ? TFilterKind::LowPass : TFilterKind::HighPass;
    QStringList lines{mData.labelTitleFilters->text()};
    for (const TInput& input : Inputs) {
        const QLineEdit* edit = fnEdit(input.input);
        if (!edit->text().isEmpty())
            prAddCopyLine(lines, fnText(input.caption), edit->text() + " " + fnCombo(input.input)->currentText());
    }
    if (mData.comboSeries->currentIndex() > 0)
        prAddCopyLine(lines, fnText(TextId::SeriesCaption).chopped(1), mData.comboSeries->currentText());
    prAddCopyLine(lines, fnText(TextId::FilterCopyCutoff), fnValueLabel('A', 1)->text());
    // Each element by its section and its place in it: "LC, Т-звено, L1: 1,14 мкГн".
    for (const TSectionLayout& section : fnSectionLayouts(kind)) {
        const QString name = fnText(TextId::FilterCopyLcTwo + static_cast<std::uint32_t>(section.shape));
        for (int k = 0; k < section.count; ++k) {
            const TSectionElement& e = section.elements[fnAt(k)];
            const QString element = QChar(fnPartLetter(e.part)) + QString::number(k + 1);
            prAddCopyLine(lines, name + ", " + element, fnValueLabel(fnGroup(e.part), e.label)->text());
        }
        const auto shape = static_cast<std::size_t>(section.shape);
        if (shape < mData.labelLcCutoff.size() && mData.labelLcCutoff[shape]->isVisible())
            lines << name + ", " + mData.labelLcCutoff[shape]->text();
    }
    return lines.join('\n');
}

void TMyFiltersPage::prCalcFilter()
{
    if (!rbFilterLf->isChecked() && !rbFilterHf->isChecked())
        return;
    TFilterFields fields;
    for (int k = 0; k < FilterInputCount; ++k) {
        const auto input = static_cast<TFilterInput>(k);
        fields.text[fnAt(k)] = fnEdit(input)->text().toStdString();
        fields.unit[fnAt(k)] = fnCombo(input)->currentIndex();
    }
    const TFilterKind kind = rbFilterLf->isChecked() ? TFilterKind::LowPass : TFilterKind::HighPass;
    const std::optional<TESeries> series = fnChosenSeries(mData.comboSeries);
    if (!series) {
        prPlaceFilterLabels(kind, filters::prCalcFilter(mData.GivenOrder, fields, kind));
        prShowStandardParts(kind, nullptr);
        return;
    }
    const TFilterStandardView view = prCalcFilterStandard(mData.GivenOrder, fields, kind, *series);
    prPlaceFilterLabels(kind, view.shown);
    prShowStandardParts(kind, &view);
}

void TMyFiltersPage::prShowStandardParts(TFilterKind kind, const TFilterStandardView* view)
{
    for (const TSectionLayout& section : fnSectionLayouts(kind)) {
        for (int k = 0; k < section.count; ++k) {
            const TSectionElement& e = section.elements[fnAt(k)];
            QLabel* label = fnValueLabel(fnGroup(e.part), e.label);
            const bool rounded = view && !label->text().isEmpty();
            label->setToolTip(rounded ? fnStandardTip(view->exact.fnText(e.part, e.label),
                                                      view->deviationPercent.fnValue(e.part, e.label))
                                      : QString());
        }
    }
    // Under each LC schematic, centred on it: where the section built from
    // the drawer's parts really has its -3 dB point.
    for (std::size_t k = 0; k < mData.labelLcCutoff.size(); ++k) {
        QLabel* cutoff = mData.labelLcCutoff[k];
        const double hz = view ? view->lcCutoffHz[k] : 0;
        if (!(hz > 0)) {
            cutoff->hide();
            continue;
        }
        prSetLabelText(cutoff, fnText(TextId::FilterStandardCutoff).arg(fnQString(fnFormatFrequency(3, hz))));
        const TPoint place = geo::SectionPlaces[k];
        cutoff->move(place.X + fnCentredLeft(geo::SectionWidth, cutoff->width()), place.Y + geo::SectionHeight + 1);
        cutoff->show();
    }
}

// Each value goes beside its element: the section's place on the panel plus
// the label's place on the section's piece.
void TMyFiltersPage::prPlaceFilterLabels(TFilterKind kind, const TFilterSection& values)
{
    const auto place = [](QLabel* label, const std::string& text, TPoint at) {
        prSetLabelText(label, fnQString(text));
        label->move(at.X, at.Y);
        label->show();
    };
    place(fnValueLabel('A', 1), values.F, geo::ResponsePlace + geo::CutoffLabel);
    for (const TSectionLayout& section : fnSectionLayouts(kind)) {
        const TPoint origin = geo::SectionPlaces[static_cast<std::size_t>(section.shape)];
        const geo::TSectionPicture& picture = geo::fnSectionPicture(kind, section.shape);
        for (int k = 0; k < section.count; ++k) {
            const TSectionElement& e = section.elements[fnAt(k)];
            place(fnValueLabel(fnGroup(e.part), e.label), values.fnText(e.part, e.label),
                  origin + picture.labels[fnAt(k)]);
        }
    }
}

void prCreateFilterPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, FilterPages, "Filter", TextId::FilterTab);
    if (!made)
        return;
    TMyFiltersPage* page = made.page;
    page->bmpFilters = fnSharedSheet(TPictureStore::ImageFlt00);
    page->prCreatePanelSelectFilters();
    page->prCreateSeriesList();
    page->prCreatePanelResultFilters();
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelSelectFilters->x());
    prSetPageCopy(made.sheet, [page] { return page->fnCopyText(); });
    made.prShowSheet();
    host.prNewTextStatusBar(fnText(TextId::StatusFilter));
}

TMyFiltersPage* fnFiltersPage(int pageIndex) { return FilterPages.fnAt(pageIndex); }

TFilterPageData* fnFilterRecord(int pageIndex)
{
    TMyFiltersPage* page = FilterPages.fnAt(pageIndex);
    return page ? &page->fnData() : nullptr;
}
