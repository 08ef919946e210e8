#include "calculators/Formulas/FormulasPage.h"

#include "calculators/Formulas/FormulasGeometry.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/SeriesList.h"
#include "common/ui/UiText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <vector>

using namespace formulas;
namespace geo = formulas::geometry;

namespace {

TMyPageList<TMyFormulasPage> FormulasPages;

const QColor ResultColour(255, 0, 0);

constexpr int SectionPanelWidth = 200;
constexpr int SectionPanelHeight = 250;
constexpr int ListPanelHeight = 250;
constexpr int TypingLimit = 6;
constexpr int ChoiceWidth = 240;

std::size_t fnAt(int k) { return static_cast<std::size_t>(k - 1); }

// How a slot shows: a field with the unit list the user picks from; a plain
// number, whose unit list is placed but stays hidden; a single unit, its list
// shown disabled; or the wave's velocity, which stands under the note and
// follows the choice under it.
enum class TSlotShow { Units, NoUnit, FixedUnit, VelocityChoice };

// One slot of a formula: where its field goes, the symbol left of it and its
// hint (0: none, the parts are named by their symbols alone).
struct TSlotLayout {
    TPoint place;
    TRect icon;
    std::uint32_t hint;
    TSlotShow show = TSlotShow::Units;
};

// A formula as the page lays it out: its heading, the pictures, its fields
// from slot 1 on, and where the result labels stand (a solved quantity's
// label is moved beside its unit list when it is solved).
struct TFormulaLayout {
    int formula;
    std::uint32_t heading;
    std::vector<geo::TPicture> pictures;
    std::vector<TSlotLayout> fields; // slot 1 first
    std::vector<TPoint> results;
};

// A solved quantity's label waits left of the area until it is placed.
constexpr TPoint SolvedLabel{-20, 0};
constexpr TPoint ThrowSolvedLabel{-20, 8};

// The velocity choices, in the order of TVelocity.
constexpr std::uint32_t VelocityChoices[] = {TextId::FormulasRadioWave, TextId::FormulasSound,
                                             TextId::FormulasOwnVelocity};

TFormulaLayout fnPartsLayout(int formula, std::uint32_t heading)
{
    const auto kind = static_cast<std::size_t>(formula - FormulaId::Resistors);
    TFormulaLayout layout{formula, heading, {geo::Parts[kind]}, {}, {geo::SumLabel, geo::ReciprocalLabel}};
    for (std::size_t k = 0; k < geo::PartFields.size(); ++k)
        layout.fields.push_back({geo::PartFields[k], geo::PartIcons[kind][k], 0});
    return layout;
}

const std::vector<TFormulaLayout>& fnLayouts()
{
    using S = TSlotShow;
    static const std::vector<TFormulaLayout> layouts = {
        {FormulaId::Resonance,
         TextId::FormulaResonance,
         {geo::LcTank, geo::LcFormula},
         {{geo::ResonanceFields[0], geo::IconF, TextId::FormulaHintFrequency},
          {geo::ResonanceFields[1], geo::IconC, TextId::FormulaHintCapacitance},
          {geo::ResonanceFields[2], geo::IconL, TextId::FormulaHintInductance}},
         {SolvedLabel}},
        {FormulaId::Wave,
         TextId::FormulaWave,
         {geo::WaveResults, geo::WaveFormula},
         {{{}, geo::IconV, TextId::FormulaHintVelocity, S::VelocityChoice},
          {geo::WaveFields[0], geo::IconLambda, TextId::FormulaHintWavelength},
          {geo::WaveFields[1], geo::IconT, TextId::FormulaHintPeriod},
          {geo::WaveFields[2], geo::IconF, TextId::FormulaHintWaveFrequency}},
         {geo::WaveResultLabels.begin(), geo::WaveResultLabels.end()}},
        {FormulaId::Quality,
         TextId::FormulaQuality,
         {geo::QualityFormula},
         {{geo::QualityFields[0], geo::IconQ, TextId::FormulaHintQuality, S::NoUnit},
          {geo::QualityFields[1], geo::IconF, TextId::FormulaHintFrequency},
          {geo::QualityFields[2], geo::IconL, TextId::FormulaHintInductance},
          {geo::QualityFields[3], geo::IconR, TextId::FormulaHintLossResistance, S::FixedUnit}},
         {SolvedLabel}},
        fnPartsLayout(FormulaId::Resistors, TextId::FormulaResistors),
        fnPartsLayout(FormulaId::Inductors, TextId::FormulaInductors),
        fnPartsLayout(FormulaId::Capacitors, TextId::FormulaCapacitors),
        {FormulaId::Throw,
         TextId::FormulaThrow,
         {geo::Throw},
         {{geo::ThrowFields[0], geo::IconS, TextId::FormulaHintDistance},
          {geo::ThrowFields[1], geo::IconH, TextId::FormulaHintHeight},
          {geo::ThrowFields[2], geo::IconV, TextId::FormulaHintSpeed},
          {geo::ThrowFields[3], geo::IconM, TextId::FormulaHintMass},
          {geo::ThrowFields[4], geo::IconE, TextId::FormulaHintEnergy}},
         {ThrowSolvedLabel, ThrowSolvedLabel}},
    };
    return layouts;
}

const TFormulaLayout* fnLayout(int formula)
{
    for (const TFormulaLayout& layout : fnLayouts())
        if (layout.formula == formula)
            return &layout;
    return nullptr;
}

void prFillUnits(QComboBox* combo, const TSlotSpec& spec)
{
    prFillUnitCombo(combo, fnUnitList(spec.units).texts, spec.selected);
}

} // namespace

TMyFormulasPage::TMyFormulasPage(QWidget* tabSheet, TMyPageHost& host)
    : QObject(tabSheet), mSheet(tabSheet), mHost(&host)
{
}

int TMyFormulasPage::fnCurrentFormula() const
{
    const int section = rbElectroF && rbElectroF->isChecked() ? 2 : rbFizicaF && rbFizicaF->isChecked() ? 3 : 1;
    return fnFormulaId(section, mData.listFormulas ? mData.listFormulas->currentRow() : -1);
}

TMyNumberField* TMyFormulasPage::fnField(int slot) const
{
    return static_cast<TMyNumberField*>(mData.editFormula[fnAt(slot)]);
}

void TMyFormulasPage::prCreatePanelSelectRazdel()
{
    PanelSelectRazdel = fnNewPanel(mSheet, "PanelSelectRazdel");
    PanelSelectRazdel->setGeometry(10, 10, SectionPanelWidth, SectionPanelHeight);
    mData.labelTitleRazdel = fnNewLabel(PanelSelectRazdel, "labelTitleRazdel", fnText(TextId::FormulasSectionTitle));
    mData.labelTitleRazdel->move(fnCentredLeft(PanelSelectRazdel->width(), mData.labelTitleRazdel->width()), 8);
    const int width = PanelSelectRazdel->width() - 10;
    rbRadioF = fnNewRadio(PanelSelectRazdel, "rbRadioF", TextId::FormulasSectionRadio, 8,
                          fnBottom(mData.labelTitleRazdel) + 12, width);
    rbElectroF = fnNewRadio(PanelSelectRazdel, "rbElectroF", TextId::FormulasSectionElectro, 8, fnBottom(rbRadioF) + 8,
                            width);
    rbFizicaF = fnNewRadio(PanelSelectRazdel, "rbFizicaF", TextId::FormulasSectionPhysics, 8, fnBottom(rbElectroF) + 8,
                           width);
    rbRadioF->setChecked(true);
    connect(rbRadioF, &QRadioButton::clicked, this, &TMyFormulasPage::prSetRadioF);
    connect(rbElectroF, &QRadioButton::clicked, this, &TMyFormulasPage::prSetElectroF);
    connect(rbFizicaF, &QRadioButton::clicked, this, &TMyFormulasPage::prSetFizicaF);
    PanelSelectRazdel->resize(PanelSelectRazdel->width(), fnBottom(rbFizicaF) + 8);
}

void TMyFormulasPage::prCreatePanelSelectFormulas()
{
    const QSize sheet = mHost->fnTabSheetSize();
    PanelSelectFormulas = fnNewPanel(mSheet, "PanelSelectFormulas");
    PanelSelectFormulas->setGeometry(fnRight(PanelSelectRazdel) + 8, PanelSelectRazdel->y(),
                                     sheet.width() - PanelSelectRazdel->width() - 2 * PanelSelectRazdel->x() - 8,
                                     ListPanelHeight);
    mData.labelTitleFormulas = fnNewLabel(PanelSelectFormulas, "labelTitleFormulas", fnText(TextId::FormulasListTitle));
    mData.labelTitleFormulas->move(fnCentredLeft(PanelSelectFormulas->width(), mData.labelTitleFormulas->width()), 8);
    auto* list = new QListWidget(PanelSelectFormulas);
    list->setObjectName("listFormulas");
    list->setAccessibleName(mData.labelTitleFormulas->text());
    const int top = fnBottom(mData.labelTitleFormulas) + 8;
    list->setGeometry(8, top, PanelSelectFormulas->width() - 16, PanelSelectFormulas->height() - top - 8);
    // A click or the arrow keys pick a formula.
    connect(list, &QListWidget::currentRowChanged, this, [this] {
        if (!mFilling)
            prSelectFormula();
    });
    mData.listFormulas = list;
}

void TMyFormulasPage::prCreatePanelFormulas()
{
    const QSize sheet = mHost->fnTabSheetSize();
    PanelFormulas = fnNewPanel(mSheet, "PanelFormulas");
    PanelFormulas->setGeometry(PanelSelectFormulas->x(), fnBottom(PanelSelectFormulas) + 8,
                               PanelSelectFormulas->width(),
                               sheet.height() - PanelSelectFormulas->y() - PanelSelectFormulas->height() - 15);
    imageFormulas = new TMyImageCanvas(PanelFormulas);
    imageFormulas->setObjectName("imageFormulas");
    imageFormulas->prSetSize(PanelFormulas->width(), PanelFormulas->height());
    imageFormulas->fillRect(fnRectAt(0, 0, PanelFormulas->width(), PanelFormulas->height()), KitPictureBackground);

    for (int k = 1; k <= FormulaSlots; ++k) {
        auto* edit = new TMyNumberField(PanelFormulas, "editFormula" + QString::number(k), TypingLimit);
        edit->setFrame(false);
        edit->setTextMargins(0, 0, 0, 0);
        edit->resize(geo::FieldWidth, geo::FieldHeight);
        edit->prWrite("0");
        edit->hide();
        connect(edit, &TMyNumberField::edited, this, [this, k](bool byUser) { prOnEdited(k, byUser); });
        mData.editFormula[fnAt(k)] = edit;
    }
    for (int k = 1; k <= FormulaSlots; ++k) {
        auto* combo = new QComboBox(PanelFormulas);
        combo->setObjectName("comboFormula" + QString::number(k));
        combo->setEditable(false);
        combo->resize(geo::UnitListWidth, KitComboHeight);
        combo->hide();
        connect(combo, &QComboBox::currentIndexChanged, this, &TMyFormulasPage::prComboChange);
        mData.comboFormula[fnAt(k)] = combo;
    }
    for (int k = 1; k <= FormulaSlots; ++k) {
        QLabel* result = fnNewLabel(PanelFormulas, "labelResult" + QString::number(k));
        QPalette palette = result->palette();
        palette.setColor(QPalette::WindowText, ResultColour);
        result->setPalette(palette);
        result->hide();
        prAddCopyMenu(result);
        mData.labelResult[fnAt(k)] = result;
        QLabel* note = fnNewLabel(PanelFormulas, "labelNote" + QString::number(k));
        note->hide();
        mData.labelNote[fnAt(k)] = note;
        auto* choice = new QRadioButton(PanelFormulas);
        choice->setObjectName("rbChoice" + QString::number(k));
        choice->resize(ChoiceWidth, KitRadioHeight);
        choice->hide();
        connect(choice, &QRadioButton::clicked, this, &TMyFormulasPage::prSetRbV);
        mData.rbChoice[fnAt(k)] = choice;
    }
    mData.labelHeadingFormula = fnNewLabel(PanelFormulas, "labelHeadingFormula");
    prSetFontPoints(mData.labelHeadingFormula, 12);
    prSetRadioF();
}

void TMyFormulasPage::prSetRadioF() { prFillFormulaList(1); }
void TMyFormulasPage::prSetElectroF() { prFillFormulaList(2); }
void TMyFormulasPage::prSetFizicaF() { prFillFormulaList(3); }

void TMyFormulasPage::prFillFormulaList(int section)
{
    QRadioButton* radio = section == 2 ? rbElectroF : section == 3 ? rbFizicaF : rbRadioF;
    if (!radio->isChecked())
        radio->setChecked(true);
    mFilling = true;
    mData.listFormulas->clear();
    for (const TFormulaEntry& entry : fnSectionFormulas(section))
        mData.listFormulas->addItem(fnText(entry.nameText));
    mData.listFormulas->setCurrentRow(0);
    mFilling = false;
    prSelectFormula();
}

void TMyFormulasPage::prSelectFormula()
{
    prClearFormulaArea();
    prBuildFormula(fnCurrentFormula());
}

void TMyFormulasPage::prClearFormulaArea()
{
    imageFormulas->fillRect(fnRectAt(0, 0, imageFormulas->width(), imageFormulas->height()), KitPictureBackground);
    for (int k = 1; k <= FormulaSlots; ++k) {
        QLineEdit* edit = mData.editFormula[fnAt(k)];
        edit->setEnabled(false);
        edit->hide();
        edit->setToolTip(QString());
        mData.comboFormula[fnAt(k)]->setEnabled(false);
        mData.comboFormula[fnAt(k)]->hide();
        prSetLabelText(mData.labelResult[fnAt(k)], QString());
        mData.labelResult[fnAt(k)]->hide();
        prSetLabelText(mData.labelNote[fnAt(k)], QString());
        mData.labelNote[fnAt(k)]->hide();
        mData.rbChoice[fnAt(k)]->hide();
    }
}

void TMyFormulasPage::prSetHeading(std::uint32_t text)
{
    QLabel* heading = mData.labelHeadingFormula;
    prSetLabelText(heading, fnText(text));
    heading->move(fnCentredLeft(PanelFormulas->width(), heading->width()), 8);
    heading->show();
    imageFormulas->setAccessibleName(heading->text());
}

void TMyFormulasPage::prDraw(const TRect& piece, TPoint at)
{
    imageFormulas->copyRect(fnPlaceRect(at.X, at.Y, 0, 0, piece), bmpFormulas, piece);
}

void TMyFormulasPage::prShowSlot(int slot, TPoint place, const TRect& icon, std::uint32_t hint)
{
    QLineEdit* edit = mData.editFormula[fnAt(slot)];
    QComboBox* combo = mData.comboFormula[fnAt(slot)];
    edit->move(place.X, place.Y);
    edit->setEnabled(true);
    edit->show();
    combo->move(edit->x() + geo::UnitListLeft, edit->y());
    const std::vector<TSlotSpec> specs = fnFormulaSlots(fnCurrentFormula());
    if (static_cast<std::size_t>(slot) <= specs.size())
        prFillUnits(combo, specs[fnAt(slot)]);
    combo->setEnabled(true);
    combo->show();
    prDraw(icon, TPoint{edit->x(), edit->y()} + geo::IconOffset);
    if (hint != 0) {
        edit->setToolTip(fnText(hint));
        edit->setAccessibleName(edit->toolTip());
        combo->setAccessibleName(edit->toolTip());
    }
}

void TMyFormulasPage::prShowVelocityChoice(const TRect& icon, std::uint32_t hint)
{
    QLabel* note = mData.labelNote[0];
    prSetLabelText(note, fnText(TextId::FormulasVelocityTitle));
    note->move(10, fnBottom(mData.labelHeadingFormula) + 8);
    note->show();
    prShowSlot(VelocitySlot, {note->x() + 32, fnBottom(note) + 8}, icon, hint);
    // The velocity follows the choice below it until the user's own is
    // chosen (prSetRbV writes it, its unit list and whether both are enabled).
    QLineEdit* velocity = mData.editFormula[fnAt(VelocitySlot)];
    int top = fnBottom(velocity) + 8;
    for (std::size_t k = 0; k < std::size(VelocityChoices); ++k) {
        QRadioButton* choice = mData.rbChoice[k];
        choice->setText(fnText(VelocityChoices[k]));
        choice->setAccessibleName(choice->text());
        choice->move(note->x(), top);
        choice->show();
        top = fnBottom(choice) + 8;
    }
    mData.rbChoice[0]->setChecked(true);
}

void TMyFormulasPage::prShowResult(int label, TPoint at)
{
    mData.labelResult[fnAt(label)]->move(at.X, at.Y);
    mData.labelResult[fnAt(label)]->show();
}

void TMyFormulasPage::prResetInputs()
{
    for (int k = 1; k <= FormulaSlots; ++k)
        fnField(k)->prWrite("0");
    mData.GivenOrder.fill(0);
}

void TMyFormulasPage::prBuildFormula(int formula)
{
    const TFormulaLayout* layout = fnLayout(formula);
    if (!layout)
        return;
    prSetHeading(layout->heading);
    for (const geo::TPicture& picture : layout->pictures)
        prDraw(picture.piece, picture.place);
    for (int slot = 1; slot <= static_cast<int>(layout->fields.size()); ++slot) {
        const TSlotLayout& s = layout->fields[fnAt(slot)];
        if (s.show == TSlotShow::VelocityChoice) {
            prShowVelocityChoice(s.icon, s.hint);
            continue;
        }
        prShowSlot(slot, s.place, s.icon, s.hint);
        QComboBox* combo = mData.comboFormula[fnAt(slot)];
        if (s.show == TSlotShow::NoUnit)
            combo->hide();
        else if (s.show == TSlotShow::FixedUnit)
            combo->setEnabled(false);
    }
    for (int label = 1; label <= static_cast<int>(layout->results.size()); ++label)
        prShowResult(label, layout->results[fnAt(label)]);
    prResetInputs();
    if (formula == FormulaId::Wave)
        prSetRbV();
    else
        prCalcFormula();
}

void TMyFormulasPage::prSetRbV()
{
    if (fnCurrentFormula() != FormulaId::Wave)
        return;
    TVelocity velocity = TVelocity::Radio;
    if (mData.rbChoice[1]->isChecked())
        velocity = TVelocity::Sound;
    else if (mData.rbChoice[2]->isChecked())
        velocity = TVelocity::Own;
    const TVelocitySetting setting = fnVelocitySetting(velocity);
    TMyNumberField* speed = fnField(VelocitySlot);
    QComboBox* unit = mData.comboFormula[fnAt(VelocitySlot)];
    speed->prWrite(QString::fromStdString(setting.text));
    speed->setEnabled(setting.editable);
    prFillUnits(unit, {TUnitList::WaveSpeed, setting.unit});
    unit->setEnabled(setting.editable);
    prCalcFormula();
}

void TMyFormulasPage::prEditChangeFormulas(int slot) { prOnEdited(slot, fnField(slot)->hasFocus()); }

void TMyFormulasPage::prOnEdited(int slot, bool byUser)
{
    if (byUser)
        prSlotTyped(mData.GivenOrder, slot);
    prCalcFormula();
}

void TMyFormulasPage::prComboChange() { prCalcFormula(); }

// The series list under the section panel, as on the filter page.
void TMyFormulasPage::prCreateSeriesList()
{
    mData.labelSeries = fnNewLabel(mSheet, "labelSeries", fnText(TextId::SeriesCaption));
    mData.labelSeries->move(PanelSelectRazdel->x() + 2, fnBottom(PanelSelectRazdel) + 12);
    mData.comboSeries = fnNewSeriesCombo(mSheet);
    mData.comboSeries->setGeometry(PanelSelectRazdel->x(), fnBottom(mData.labelSeries) + 3, 90, KitComboHeight);
    connect(mData.comboSeries, &QComboBox::currentIndexChanged, this, &TMyFormulasPage::prComboChange);
}

// What Ctrl+C calls result k of a formula: the total of parts in series or in
// parallel, the wave's quantities, or the quantity solved (its field's hint,
// without the note about the unit list).
QString TMyFormulasPage::fnResultCaption(int formula, int result, int besideSlot) const
{
    if (formula == FormulaId::Resistors || formula == FormulaId::Inductors || formula == FormulaId::Capacitors)
        return fnText(result == 1 ? TextId::FormulasSeriesTotal : TextId::FormulasParallelTotal);
    if (formula == FormulaId::Wave && result >= 1 && result <= 4)
        return fnText(TextId::FormulasWavelength + static_cast<std::uint32_t>(result - 1)); // 3502..3505
    if (besideSlot >= 1 && besideSlot <= FormulaSlots)
        return mData.editFormula[static_cast<std::size_t>(besideSlot - 1)]->toolTip().section(';', 0, 0);
    return mData.labelHeadingFormula->text();
}

void TMyFormulasPage::prCalcFormula()
{
    TFormulaFields fields;
    fields.formula = fnCurrentFormula();
    if (fields.formula == 0)
        return;
    for (int k = 1; k <= FormulaSlots; ++k) {
        fields.text[fnAt(k)] = mData.editFormula[fnAt(k)]->text().toStdString();
        fields.unit[fnAt(k)] = mData.comboFormula[fnAt(k)]->currentIndex();
    }
    fields.order = mData.GivenOrder;
    fields.series = fnChosenSeries(mData.comboSeries);
    const TFormulaResults results = formulas::prCalcFormula(fields);

    for (int k = 1; k <= FormulaSlots; ++k)
        if (const auto& text = results.writeBack[fnAt(k)])
            fnField(k)->prWrite(QString::fromStdString(*text));
    const std::vector<TSlotSpec> specs = fnFormulaSlots(fields.formula);
    for (std::size_t k = 0; k < specs.size() && k < FormulaSlots; ++k) {
        QLabel* label = mData.labelResult[k];
        if (label->isHidden())
            continue;
        prSetLabelText(label, fnQString(results.label[k]));
        label->setToolTip(results.exact[k].empty() ? QString()
                                                   : fnStandardTip(results.exact[k], results.deviationPercent[k]));
        prSetCopyCaption(label, fnResultCaption(fields.formula, static_cast<int>(k) + 1, results.besideSlot[k]));
        // A solved quantity's value stands right of its unit list.
        if (const int beside = results.besideSlot[k]) {
            const QComboBox* combo = mData.comboFormula[fnAt(beside)];
            label->move(fnRight(combo) + 8, combo->y() + fnRoundEven((combo->height() - label->height()) / 2.0));
        }
    }
}

void prCreateFormulasPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, FormulasPages, "Formulas", TextId::FormulasTab);
    if (!made)
        return;
    TMyFormulasPage* page = made.page;
    page->bmpFormulas = fnSharedSheet(TPictureStore::ImageFormulas00);
    page->prCreatePanelSelectRazdel();
    page->prCreatePanelSelectFormulas();
    page->prCreateSeriesList();
    page->prCreatePanelFormulas();
    prSetPageCopy(made.sheet, [page] {
        QStringList lines{page->fnData().labelHeadingFormula->text()};
        if (page->fnData().comboSeries->currentIndex() > 0)
            prAddCopyLine(lines, fnText(TextId::SeriesCaption).chopped(1), page->fnData().comboSeries->currentText());
        lines << fnSheetCopyLines(page->fnTabSheet());
        return lines.join('\n');
    });
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelSelectRazdel->x());
    made.prShowSheet();
    host.prNewTextStatusBar(fnText(TextId::StatusFormulas));
}

TMyFormulasPage* fnFormulasPage(int pageIndex) { return FormulasPages.fnAt(pageIndex); }

TFormulasPageData* fnFormulasRecord(int pageIndex)
{
    TMyFormulasPage* page = FormulasPages.fnAt(pageIndex);
    return page ? &page->fnData() : nullptr;
}
