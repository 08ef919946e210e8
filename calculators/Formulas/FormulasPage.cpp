#include "calculators/Formulas/FormulasPage.h"

#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/UiText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace formulas;

namespace {

TMyPageList<TMyFormulasPage> FormulasPages;

const QColor PictureBackground(212, 208, 200);
const QColor ResultColour(255, 0, 0);

constexpr std::uint32_t TextCaption = 900;
constexpr std::uint32_t TextStatus = 901;
constexpr int SectionPanelWidth = 200;
constexpr int SectionPanelHeight = 250;
constexpr int ListPanelHeight = 250;
constexpr int EditWidth = 46;
constexpr int EditHeight = 14;
constexpr int TypingLimit = 6;
constexpr int ChoiceWidth = 240;
constexpr int IconWidth = 29;
constexpr int IconHeight = 19;
constexpr int SlotGap = 8;

std::size_t fnAt(int k) { return static_cast<std::size_t>(k - 1); }

// Slot icons of the series and parallel groups: resistors, inductors, capacitors.
constexpr QPoint GroupIcons[3][8] = {
    {{1, 341}, {1, 361}, {1, 381}, {1, 401}, {1, 421}, {1, 441}, {1, 461}, {1, 481}},
    {{61, 381}, {61, 401}, {61, 421}, {61, 441}, {61, 461}, {61, 481}, {91, 341}, {91, 361}},
    {{31, 361}, {31, 381}, {31, 401}, {31, 421}, {31, 441}, {31, 461}, {31, 481}, {61, 341}},
};
constexpr int GroupPictureY[3] = {1, 143, 285};

// Slot icons of single quantities.
constexpr QPoint IconF{84, 177};
constexpr QPoint IconC{54, 197};
constexpr QPoint IconL{54, 217};
constexpr QPoint IconV{84, 197};
constexpr QPoint IconLambda{84, 217};
constexpr QPoint IconT{54, 257};
constexpr QPoint IconQ{54, 237};
constexpr QPoint IconR{54, 177};
constexpr QPoint IconS{54, 277};
constexpr QPoint IconH{84, 237};
constexpr QPoint IconM{84, 257};
constexpr QPoint IconE{54, 297};

void prFillUnits(QComboBox* combo, const TSlotSpec& spec)
{
    prFillUnitCombo(combo, fnUnitList(spec.units).texts, spec.selected);
}

} // namespace

TMyFormulasPage::TMyFormulasPage(QWidget* tabSheet, TMyPageHost& host) : QObject(tabSheet), mSheet(tabSheet), mHost(&host) {}

int TMyFormulasPage::fnCurrentFormula() const
{
    const int section = rbElectroF && rbElectroF->isChecked() ? 2 : rbFizicaF && rbFizicaF->isChecked() ? 3 : 1;
    return fnFormulaId(section, mData.listFormulas ? mData.listFormulas->currentRow() : -1);
}

void TMyFormulasPage::prCreatePanelSelectRazdel()
{
    PanelSelectRazdel = fnNewPanel(mSheet, "PanelSelectRazdel");
    PanelSelectRazdel->setGeometry(10, 10, SectionPanelWidth, SectionPanelHeight);
    mData.labelTitleRazdel = fnNewLabel(PanelSelectRazdel, "labelTitleRazdel", fnText(902));
    mData.labelTitleRazdel->move(fnCentredLeft(PanelSelectRazdel->width(), mData.labelTitleRazdel->width()), 8);
    const int width = PanelSelectRazdel->width() - 10;
    rbRadioF = fnNewRadio(PanelSelectRazdel, "rbRadioF", 903, 8, fnBottom(mData.labelTitleRazdel) + 12, width);
    rbElectroF = fnNewRadio(PanelSelectRazdel, "rbElectroF", 904, 8, fnBottom(rbRadioF) + 8, width);
    rbFizicaF = fnNewRadio(PanelSelectRazdel, "rbFizicaF", 905, 8, fnBottom(rbElectroF) + 8, width);
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
    mData.labelTitleFormulas = fnNewLabel(PanelSelectFormulas, "labelTitleFormulas", fnText(906));
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
    PanelFormulas->setGeometry(PanelSelectFormulas->x(), fnBottom(PanelSelectFormulas) + 8, PanelSelectFormulas->width(),
                               sheet.height() - PanelSelectFormulas->y() - PanelSelectFormulas->height() - 15);
    imageFormulas = new TMyImageCanvas(PanelFormulas);
    imageFormulas->setObjectName("imageFormulas");
    imageFormulas->prSetSize(PanelFormulas->width(), PanelFormulas->height());
    imageFormulas->fillRect(fnPlaceRect(0, 0, PanelFormulas->width(), PanelFormulas->height(), TRect{}), PictureBackground);

    for (int k = 1; k <= FormulaSlots; ++k) {
        auto* edit = new QLineEdit(PanelFormulas);
        edit->setObjectName("editFormula" + QString::number(k));
        edit->setFrame(false);
        edit->setTextMargins(0, 0, 0, 0);
        edit->resize(EditWidth, EditHeight);
        edit->setText("0");
        prSetTypingLimit(edit, TypingLimit);
        edit->hide();
        connect(edit, &QLineEdit::textChanged, this, [this, k] { prEditChangeFormulas(k); });
        mData.editFormula[fnAt(k)] = edit;
    }
    for (int k = 1; k <= FormulaSlots; ++k) {
        auto* combo = new QComboBox(PanelFormulas);
        combo->setObjectName("comboFormula" + QString::number(k));
        combo->setEditable(false);
        combo->resize(52, KitComboHeight);
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
    imageFormulas->fillRect(fnPlaceRect(0, 0, imageFormulas->width(), imageFormulas->height(), TRect{}), PictureBackground);
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

void TMyFormulasPage::prPicture(int x, int y, int w, int h, int dx, int dy)
{
    const TRect source = fnPlaceRect(x, y, w, h, TRect{});
    imageFormulas->copyRect(fnPlaceRect(dx, dy, 0, 0, source), bmpFormulas, source);
}

void TMyFormulasPage::prShowSlot(int slot, int left, int top, QPoint icon, std::uint32_t hint)
{
    QLineEdit* edit = mData.editFormula[fnAt(slot)];
    QComboBox* combo = mData.comboFormula[fnAt(slot)];
    edit->move(left, top);
    edit->setEnabled(true);
    edit->show();
    combo->move(fnRight(edit) + 2, edit->y());
    const std::vector<TSlotSpec> specs = fnFormulaSlots(fnCurrentFormula());
    if (static_cast<std::size_t>(slot) <= specs.size())
        prFillUnits(combo, specs[fnAt(slot)]);
    combo->setEnabled(true);
    combo->show();
    prPicture(icon.x(), icon.y(), IconWidth, IconHeight, edit->x() - 32, edit->y() + 3);
    if (hint != 0) {
        edit->setToolTip(fnText(hint));
        edit->setAccessibleName(edit->toolTip());
        combo->setAccessibleName(edit->toolTip());
    }
}

void TMyFormulasPage::prShowResult(int label, int left, int top)
{
    mData.labelResult[fnAt(label)]->move(left, top);
    mData.labelResult[fnAt(label)]->show();
}

void TMyFormulasPage::prResetInputs()
{
    mWriting = true;
    for (QLineEdit* edit : mData.editFormula)
        prSetFieldText(edit, "0");
    mWriting = false;
    mData.GivenOrder.fill(0);
}

void TMyFormulasPage::prBuildFormula(int formula)
{
    const auto slot = [this](int k) { return mData.editFormula[fnAt(k)]; };
    const auto below = [&](int k) { return fnBottom(slot(k - 1)) + SlotGap; };
    switch (formula) {
    case FormulaId::Resonance:
        prSetHeading(907);
        prPicture(1, 40, 110, 136, 60, 38);
        prPicture(1, 1, 110, 38, 300, 38);
        prShowSlot(1, 320, 90, IconF, 924);
        prShowSlot(2, 320, slot(1)->y() + 30, IconC, 925);
        prShowSlot(3, 320, slot(2)->y() + 30, IconL, 926);
        prShowResult(1, -20, 0);
        break;
    case FormulaId::Wave: {
        prSetHeading(908);
        QLabel* note = mData.labelNote[0];
        prSetLabelText(note, fnText(916));
        note->move(10, fnBottom(mData.labelHeadingFormula) + 8);
        note->show();
        prShowSlot(1, note->x() + 32, fnBottom(note) + 8, IconV, 920);
        // The velocity follows the choice below it until the user's own is chosen.
        slot(1)->setEnabled(false);
        prFillUnitCombo(mData.comboFormula[0], {1016}, 0);
        mData.comboFormula[0]->setEnabled(false);
        int top = fnBottom(slot(1)) + 8;
        for (int k = 1; k <= 3; ++k) {
            QRadioButton* choice = mData.rbChoice[fnAt(k)];
            choice->setText(fnText(916 + static_cast<std::uint32_t>(k)));
            choice->setAccessibleName(choice->text());
            choice->move(note->x(), top);
            choice->show();
            top = fnBottom(choice) + 8;
        }
        mData.rbChoice[0]->setChecked(true);
        prShowSlot(2, 284, 43, IconLambda, 921);
        prShowSlot(3, slot(2)->x(), slot(2)->y() + 66, IconT, 922);
        prShowSlot(4, slot(3)->x(), slot(3)->y() + 33, IconF, 923);
        prPicture(1, 177, 52, 128, 408, 40);
        prPicture(1, 306, 52, 34, slot(2)->x(), slot(2)->y() + slot(4)->height() + 6);
        const int tops[] = {46, 79, 112, 145};
        for (int k = 1; k <= 4; ++k)
            prShowResult(k, 464, tops[k - 1]);
        break;
    }
    case FormulaId::Quality:
        prSetHeading(909);
        prPicture(121, 427, 141, 35, 60, 40);
        prShowSlot(1, 320, 46, IconQ, 927);
        mData.comboFormula[0]->hide();  // a quality factor has no unit
        prShowSlot(2, 320, below(2), IconF, 924);
        prShowSlot(3, 320, below(3), IconL, 926);
        prShowSlot(4, 320, below(4), IconR, 928);
        mData.comboFormula[3]->setEnabled(false);
        prShowResult(1, -20, 0);
        break;
    case FormulaId::Resistors:
    case FormulaId::Inductors:
    case FormulaId::Capacitors: {
        const int group = formula - FormulaId::Resistors;
        prSetHeading(911 + static_cast<std::uint32_t>(group));
        prPicture(121, GroupPictureY[group], 237, 141, 10, 40);
        for (int k = 1; k <= 8; ++k) {
            const int left = k <= 4 ? 282 : fnRight(mData.comboFormula[0]) + 42;
            const int top = k == 1 || k == 5 ? 40 : k <= 4 ? below(k) : slot(k - 4)->y();
            prShowSlot(k, left, top, GroupIcons[group][k - 1], 0);
        }
        prShowResult(1, 168, 162);
        prShowResult(2, 168, 49);
        break;
    }
    case FormulaId::Throw:
        prSetHeading(914);
        prPicture(359, 1, 237, 141, 10, 40);
        prShowSlot(1, 322, 40, IconS, 929);
        prShowSlot(2, 322, below(2), IconH, 930);
        prShowSlot(3, 322, below(3), IconV, 931);
        prShowSlot(4, 322, below(4), IconM, 932);
        prShowSlot(5, 322, below(5), IconE, 933);
        prShowResult(1, -20, 8);
        prShowResult(2, -20, 8);
        break;
    default: return;
    }
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
    QLineEdit* speed = mData.editFormula[0];
    QComboBox* unit = mData.comboFormula[0];
    mWriting = true;
    prSetFieldText(speed, QString::fromStdString(setting.text));
    mWriting = false;
    speed->setEnabled(setting.editable);
    prFillUnits(unit, {TUnitList::WaveSpeed, setting.unit});
    unit->setEnabled(setting.editable);
    prCalcFormula();
}

void TMyFormulasPage::prEditChangeFormulas(int slot)
{
    QLineEdit* edit = mData.editFormula[fnAt(slot)];
    const QString before = edit->text();
    prEditNumberFilter(edit);
    if (edit->text() != before || mWriting)
        return;  // the filter's rewrite, or the page's own write, comes back here
    if (edit->hasFocus())
        prSlotTyped(mData.GivenOrder, slot);
    prCalcFormula();
}

void TMyFormulasPage::prComboChange() { prCalcFormula(); }

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
    const TFormulaResults results = formulas::prCalcFormula(fields);

    mWriting = true;
    for (int k = 1; k <= FormulaSlots; ++k)
        if (const auto& text = results.writeBack[fnAt(k)])
            prSetFieldText(mData.editFormula[fnAt(k)], QString::fromStdString(*text));
    mWriting = false;
    const std::vector<TSlotSpec> specs = fnFormulaSlots(fields.formula);
    for (std::size_t k = 0; k < specs.size() && k < FormulaSlots; ++k) {
        QLabel* label = mData.labelResult[k];
        if (label->isHidden())
            continue;
        prSetLabelText(label, fnQString(results.label[k]));
        // A solved quantity's value stands right of its unit list.
        if (const int beside = results.besideSlot[k]) {
            const QComboBox* combo = mData.comboFormula[fnAt(beside)];
            label->move(fnRight(combo) + 8, combo->y() + fnRoundEven((combo->height() - label->height()) / 2.0));
        }
    }
}

void prCreateFormulasPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, FormulasPages, "Formulas", TextCaption);
    if (!made)
        return;
    TMyFormulasPage* page = made.page;
    page->bmpFormulas = fnSharedSheet(TPictureStore::ImageFormulas00);
    page->prCreatePanelSelectRazdel();
    page->prCreatePanelSelectFormulas();
    page->prCreatePanelFormulas();
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelSelectRazdel->x());
    made.prShowSheet();
    host.prNewTextStatusBar(fnText(TextStatus));
}

TMyFormulasPage* fnFormulasPage(int pageIndex) { return FormulasPages.fnAt(pageIndex); }

TFormulasPageData* fnFormulasRecord(int pageIndex)
{
    TMyFormulasPage* page = FormulasPages.fnAt(pageIndex);
    return page ? &page->fnData() : nullptr;
}
