#include "calculators/Transformer/TransformerPage.h"

#include "calculators/Transformer/TransformerGeometry.h"
#include "calculators/Transformer/TransformerPhysics.h"
#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/UiText.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

using namespace transformer;
namespace geo = transformer::geometry;

namespace {

// Transformer pages by page index.
TMyPageList<TMyTrans> TransPages;


constexpr int ButtonWidth = KitButtonWidth;
constexpr int ButtonHeight = KitButtonHeight;
constexpr int ComboHeight = KitComboHeight;
// Qt's length limit of the fields: a core dimension holds three characters, an
// electrical input five; a longer paste is cut to it.
constexpr int DimensionMaxLength = 3;
constexpr int InputMaxLength = 5;
constexpr int GridRowHeight = 24; // a cell, without its grid line
constexpr int GridLine = 1;

// Typing, F2 or a double click start editing the selected cell. (A click on the
// selected cell would arm a delayed edit that swallows keys typed meanwhile.)
constexpr QAbstractItemView::EditTriggers GridEditTriggers = QAbstractItemView::AnyKeyPressed
                                                             | QAbstractItemView::DoubleClicked
                                                             | QAbstractItemView::EditKeyPressed;

// The hint of each electrical input, its tooltip and accessible name.
std::uint32_t fnInputHint(TTransField field)
{
    switch (field) {
    case TTransField::Vp: return TextId::TransHintVp;
    case TTransField::F: return TextId::TransHintF;
    case TTransField::KPD: return TextId::TransHintKpd;
    case TTransField::Bi: return TextId::TransHintBi;
    case TTransField::J: return TextId::TransHintJ;
    case TTransField::Kc: return TextId::TransHintKc;
    case TTransField::Kw: return TextId::TransHintKw;
    default: return 0;
    }
}

TPictureStore fnCoreStore(TTransCoreKind kind)
{
    switch (kind) {
    case TTransCoreKind::LamEI: return TPictureStore::ImageTr01;
    case TTransCoreKind::LentEI: return TPictureStore::ImageTr02;
    case TTransCoreKind::LamUI: return TPictureStore::ImageTr03;
    case TTransCoreKind::LentUI: return TPictureStore::ImageTr04;
    case TTransCoreKind::Toroid: return TPictureStore::ImageTr05;
    }
    return TPictureStore::ImageTr01;
}

// The output grid: Qt's own headers hidden (row 0 and column 0 are ordinary
// cells) and only the page's open cells can be picked.
class TTransGrid : public QTableWidget {
public:
    TTransGrid(int rows, int cols, QWidget* parent) : QTableWidget(rows, cols, parent) {}

    // Asked whenever the user tries a cell; may switch cell editing on or off.
    std::function<bool(int col, int row)> selectCell;
    // Enter in a cell: the cell is stored, then the page recalculates, as
    // Enter in a field does.
    std::function<void()> enterPressed;

protected:
    bool fnTry(const QModelIndex& index) const
    {
        return index.isValid() && selectCell && selectCell(index.column(), index.row());
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        if (!currentIndex().isValid() || !fnIsOpenCell(currentIndex().column(), currentIndex().row())) {
            const QModelIndex first = model()->index(TransFirstSecondaryRow, TransColVoltV);
            return fnTry(first) ? first : QModelIndex();
        }
        const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
        if (next == currentIndex())
            return next;
        return fnTry(next) ? next : currentIndex();
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        QTableWidget::closeEditor(editor, hint);
        // Enter in the cell's editor submits it; Tab, Escape and clicks elsewhere do not.
        if (hint == QAbstractItemDelegate::SubmitModelCache && enterPressed)
            enterPressed();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
            && enterPressed) {
            enterPressed();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (!fnTry(indexAt(event->position().toPoint()))) {
            // A heading or a computed cell: the grid takes the focus, the pick is refused.
            setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
        QTableWidget::mousePressEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (!fnTry(indexAt(event->position().toPoint()))) {
            event->accept();
            return;
        }
        QTableWidget::mouseDoubleClickEvent(event);
    }
};

// Cells are drawn and edited by the page: centred text in the page's colours,
// a number field as the editor, every settled change stored at once.
class TTransCellDelegate : public QStyledItemDelegate {
public:
    TTransCellDelegate(TMyTrans* page, QObject* parent) : QStyledItemDelegate(parent), mPage(page) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        mPage->prOnDrawCell(painter, cell, index.column(), index.row());
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new TMyNumberField(parent, "sgTransOutputEditor");
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignCenter);
        QObject::connect(editor, &TMyNumberField::edited, this,
                         [this, editor] { emit const_cast<TTransCellDelegate*>(this)->commitData(editor); });
        return editor;
    }

    // The cell's text, as the program's write: the view registers the editor
    // only after loading it, so there is nothing to store yet. Storing each
    // change comes back here too: the caret stays where the user has it.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<TMyNumberField*>(editor)->prWrite(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        mPage->prTransOutputSetEditText(index.column(), index.row(), static_cast<QLineEdit*>(editor)->text());
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        editor->setGeometry(option.rect);
    }

private:
    TMyTrans* mPage;
};

} // namespace

TMyTrans::TMyTrans(QWidget* tabSheet, TMyPageHost& host) : QObject(tabSheet), mSheet(tabSheet), mHost(&host) {}

QLineEdit* TMyTrans::fnEdit(TTransField field) const { return mEdits[static_cast<std::size_t>(field)]; }

void TMyTrans::prPublishEdits()
{
    // The published field of every engine field, in engine order.
    static constexpr QLineEdit* TMyTrans::*Published[TransFieldCount] = {
        &TMyTrans::editA,    &TMyTrans::editH,  &TMyTrans::editB,   &TMyTrans::editC,    &TMyTrans::editDmax,
        &TMyTrans::editDmin, &TMyTrans::editSc, &TMyTrans::editSw,  &TMyTrans::editPmax, &TMyTrans::editPtr,
        &TMyTrans::editVp,   &TMyTrans::editF,  &TMyTrans::editKPD, &TMyTrans::editBi,   &TMyTrans::editJ,
        &TMyTrans::editKc,   &TMyTrans::editKw,
    };
    for (int i = 0; i < TransFieldCount; ++i)
        this->*Published[i] = mEdits[static_cast<std::size_t>(i)];
}

bool TMyTrans::fnIsEditBad(const QLineEdit* edit) const { return edit && edit->property("badMark").toBool(); }

// A core dimension's field; the number field keeps it a number as it is typed.
QLineEdit* TMyTrans::prCreateEdit(QWidget* parent, const QString& name)
{
    auto* edit = new TMyNumberField(parent, name);
    edit->setFrame(false);
    edit->resize(geo::DimensionFieldWidth, geo::FieldHeight);
    edit->setMaxLength(DimensionMaxLength);
    edit->setTextMargins(0, 0, 0, 0);
    edit->prWrite("0");
    edit->setProperty("badMark", false);
    edit->installEventFilter(this);
    return edit;
}

TMyNumberField* TMyTrans::fnNewField(QWidget* parent, TTransField field, const TRect& place)
{
    auto* edit = static_cast<TMyNumberField*>(prCreateEdit(parent, fnTransFieldName(field)));
    edit->setGeometry(place.Left, place.Top, fnWidth(place), fnHeight(place));
    mEdits[static_cast<std::size_t>(field)] = edit;
    return edit;
}

void TMyTrans::prCreatePanelTransAndSerd()
{
    const int width = geo::InputSheetWidth;
    const int radioWidth = width - 20;

    PanelTrans = fnNewPanel(mSheet, "PanelTrans");
    PanelTrans->setGeometry(10, 10, width, 0);
    rbTransSimple = fnNewRadio(PanelTrans, "rbTransSimple", TextId::TransSimple, 4, 4, radioWidth);
    rbTransSimple->setChecked(true);
    rbTransSimple->setFocusPolicy(Qt::ClickFocus);
    rbTransAdv = fnNewRadio(PanelTrans, "rbTransAdv", TextId::TransDetailed, 4, fnBottom(rbTransSimple) + 4,
                            radioWidth);
    rbTransAdv->setEnabled(false); // one design mode only
    rbTransAdv->setFocusPolicy(Qt::ClickFocus);
    PanelTrans->resize(width, fnBottom(rbTransAdv) + 4);

    PanelSerd = fnNewPanel(mSheet, "PanelSerd");
    PanelSerd->setGeometry(PanelTrans->x(), fnBottom(PanelTrans) + 4, width, 0);
    const std::pair<QRadioButton**, std::pair<const char*, std::uint32_t>> kinds[] = {
        {&rbSerdLamEI, {"rbSerdLamEI", TextId::TransLamEI}}, {&rbSerdLentEI, {"rbSerdLentEI", TextId::TransTapeEI}},
        {&rbSerdLamUI, {"rbSerdLamUI", TextId::TransLamUI}}, {&rbSerdLentUI, {"rbSerdLentUI", TextId::TransTapeUI}},
        {&rbSerdO, {"rbSerdO", TextId::TransToroid}},
    };
    int top = 4;
    for (const auto& [radio, nameText] : kinds) {
        *radio = fnNewRadio(PanelSerd, nameText.first, nameText.second, 4, top, radioWidth);
        top = fnBottom(*radio) + 4;
    }
    rbSerdLamEI->setChecked(true);
    connect(rbSerdLamEI, &QRadioButton::clicked, this, &TMyTrans::prSetEILam);
    connect(rbSerdLentEI, &QRadioButton::clicked, this, &TMyTrans::prSetEILenta);
    connect(rbSerdLamUI, &QRadioButton::clicked, this, &TMyTrans::prSetUILam);
    connect(rbSerdLentUI, &QRadioButton::clicked, this, &TMyTrans::prSetUILenta);
    connect(rbSerdO, &QRadioButton::clicked, this, &TMyTrans::prSetTor);
    PanelSerd->resize(width, fnBottom(rbSerdO) + 4);
}

void TMyTrans::prCreatePanelTransInput()
{
    const QImage sheet = fnSharedSheet(TPictureStore::ImageTr06);
    const int width = geo::InputSheetWidth;
    const int height = geo::InputSheetHeight;

    PanelTransInput = fnNewPanel(mSheet, "PanelTransInput");
    PanelTransInput->setGeometry(PanelSerd->x(), fnBottom(PanelSerd) + 4, PanelSerd->width(), height);

    imageTransInput = new TMyImageCanvas(PanelTransInput);
    imageTransInput->setObjectName("imageTransInput");
    imageTransInput->move(0, 0);
    imageTransInput->prSetSize(width, height);
    imageTransInput->fillRect(fnRectAt(0, 0, width, height), KitPictureBackground);
    if (!sheet.isNull())
        imageTransInput->drawSheet(sheet);
    const int imageLeft = imageTransInput->x();
    const int imageTop = imageTransInput->y();

    for (const auto& place : geo::InputFieldPlaces) {
        const TRect rect = geo::fnInputFieldRect(place);
        TMyNumberField* edit = fnNewField(
            PanelTransInput, place.field,
            fnRectAt(TPoint{imageLeft, imageTop} + fnTopLeft(rect), fnWidth(rect), fnHeight(rect)));
        edit->setMaxLength(InputMaxLength);
        edit->setToolTip(fnText(fnInputHint(place.field)));
        edit->setAccessibleName(fnText(fnInputHint(place.field)));
    }
    prPublishEdits();

    labelInputParam = fnNewLabel(PanelTransInput, "labelInputParam", fnText(TextId::TransInputTitle));
    const int textWidth = labelInputParam->fontMetrics().horizontalAdvance(labelInputParam->text());
    labelInputParam->move(imageLeft + fnRoundEven((width - textWidth) / 2.0), imageTop + geo::InputTitleTop);

    struct TUnitLabel {
        QLabel** label;
        const char* name;
        const QLineEdit* edit;
        std::uint32_t text;
    };
    const TUnitLabel units[] = {
        {&labelVolt, "labelVolt", editVp, TextId::TransUnitVolt},
        {&labelHertz, "labelHertz", editF, TextId::TransUnitHertz},
        {&labelTesla, "labelTesla", editBi, TextId::TransUnitTesla},
        {&labelAmm2, "labelAmm2", editJ, TextId::TransUnitCurrentDensity},
    };
    for (const TUnitLabel& unit : units) {
        *unit.label = fnNewLabel(PanelTransInput, unit.name, fnText(unit.text));
        (*unit.label)->move(imageLeft + geo::InputLabelLeft, unit.edit->y());
    }

    labelListThickness = fnNewLabel(PanelTransInput, "labelListThickness", fnText(TextId::TransLamThickness));
    labelListThickness->move(imageLeft + geo::ThicknessLabel.X, imageTop + geo::ThicknessLabel.Y);
    comboThickness = new QComboBox(PanelTransInput);
    comboThickness->setObjectName("comboThickness");
    comboThickness->setEditable(false);
    comboThickness->setGeometry(labelListThickness->x(), fnBottom(labelListThickness) + 4, geo::ThicknessListWidth,
                                ComboHeight);
    comboThickness->setAccessibleName(labelListThickness->text());
    connect(comboThickness, &QComboBox::currentIndexChanged, this, &TMyTrans::prGetComboText);
}

void TMyTrans::prCreatePanelCoreShape()
{
    PanelCoreShape = fnNewPanel(mSheet, "PanelCoreShape");
    PanelCoreShape->setGeometry(PanelTrans->x() + PanelTrans->width() + 8, PanelTrans->y(), geo::CoreSheetWidth,
                                geo::CoreSheetHeight);
    imageTrans = new TMyImageCanvas(PanelCoreShape);
    imageTrans->setObjectName("imageTrans");
    imageTrans->move(0, 0);
    imageTrans->prSetSize(geo::CoreSheetWidth, geo::CoreSheetHeight);
    PanelCoreShape->resize(imageTrans->size());

    // Placed on the drawing of the kind shown (prSetCoreKind).
    for (const auto& place : geo::CoreFieldPlaces) {
        TMyNumberField* edit = fnNewField(PanelCoreShape, place.field, geo::fnFieldRect(place.field, TPoint{}));
        // Short symbols: the drawing carries the captions.
        edit->setAccessibleName(QString::fromLatin1(fnTransFieldName(place.field) + 4));
        if (fnIsResultField(place.field)) {
            edit->setMaxLength(32767); // results are written by the program and never cut
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::ClickFocus);
            prSetFieldColour(edit, KitLockedColour);
        }
    }
    prPublishEdits();
}

void TMyTrans::prCreatePanelTransOutput()
{
    PanelTransOutput = fnNewPanel(mSheet, "PanelTransOutput");
    PanelTransOutput->setGeometry(PanelCoreShape->x(), fnBottom(PanelCoreShape) + 4, PanelCoreShape->width(), 0);

    // Made empty and given its cells once Qt's own headers are hidden: the
    // headers would otherwise measure every section for nothing.
    auto* grid = new TTransGrid(0, 0, PanelTransOutput);
    sgTransOutput = grid;
    grid->setObjectName("sgTransOutput");
    grid->setAccessibleName(fnText(TextId::TransTab));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setRowCount(TransGridRows);
    grid->setColumnCount(TransGridCols);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setShowGrid(true);
    grid->setGridStyle(Qt::SolidLine);
    grid->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->setLineWidth(2);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setEditTriggers(GridEditTriggers);
    grid->setItemDelegate(new TTransCellDelegate(this, grid));
    grid->selectCell = [this](int col, int row) { return prTransOutputSelectCell(col, row); };
    grid->enterPressed = [this] { prCalcOnPage(); };
    // Leaving the grid, from the grid itself or from its cell editor, drops the
    // selection; a window losing activation (no new focus) is not leaving.
    connect(qApp, &QApplication::focusChanged, grid, [this, grid](QWidget* old, QWidget* now) {
        if (old && now && (old == grid || grid->isAncestorOf(old)) && now != grid && !grid->isAncestorOf(now))
            prOnExitStringGrid();
    });

    for (int row = 0; row < TransGridRows; ++row) {
        for (int col = 0; col < TransGridCols; ++col) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (fnIsOpenCell(col, row))
                flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
            item->setFlags(flags);
            if (row == 0)
                item->setText(fnText(TextId::TransGridWinding + static_cast<std::uint32_t>(col))); // 619..624
            else if (col == 0)
                item->setText(fnText(TextId::TransGridPrimary + static_cast<std::uint32_t>(row - 1))); // 625..630
            grid->setItem(row, col, item);
        }
    }
}

void TMyTrans::prCreateButtons()
{
    btnCalc = new QPushButton(fnText(TextId::Calculate), mSheet);
    btnCalc->setObjectName("btnCalc");
    btnCalc->setAccessibleName(btnCalc->text());
    btnCalc->setIcon(fnStandardIcon(QStyle::SP_DialogApplyButton));
    btnCalc->resize(ButtonWidth, ButtonHeight);
    connect(btnCalc, &QPushButton::clicked, this, &TMyTrans::prCalcOnPage);

    btnClose = new TMyButton(fnText(TextId::Close), mSheet);
    btnClose->setObjectName("btnClose");
    btnClose->setAccessibleName(btnClose->text());
    btnClose->setIcon(fnStandardIcon(QStyle::SP_DialogCloseButton));
    btnClose->resize(ButtonWidth, ButtonHeight);
    connect(btnClose, &QPushButton::clicked, this, [this] { mHost->prClosePage(); });
}

void TMyTrans::prRazmerPanelTransOutput()
{
    auto* grid = sgTransOutput;
    const int width = PanelTransOutput->width() - 8;
    const int height = TransGridRows * (GridRowHeight + GridLine) + 4;
    grid->setGeometry(4, 4, width, height);
    PanelTransOutput->resize(PanelTransOutput->width(), height + 8);

    // Columns 1-5 as wide as the widest of their headings; column 0 takes the rest.
    const QFontMetrics metrics(grid->font());
    int headingWidth = 0;
    for (int col = 1; col < TransGridCols; ++col)
        headingWidth = std::max(headingWidth, metrics.horizontalAdvance(grid->item(0, col)->text()));
    int windingWidth = 0;
    for (int row = 0; row < TransGridRows; ++row)
        windingWidth = std::max(windingWidth, metrics.horizontalAdvance(grid->item(row, 0)->text()));
    const int valueColumn = headingWidth + 8;
    const int firstColumn = std::max(windingWidth + 8, width - 5 * valueColumn - 10);

    // A Qt section holds its cell and the grid line after it.
    grid->horizontalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setColumnWidth(0, firstColumn + GridLine);
    for (int col = 1; col < TransGridCols; ++col)
        grid->setColumnWidth(col, valueColumn + GridLine);
    for (int row = 0; row < TransGridRows; ++row)
        grid->setRowHeight(row, GridRowHeight + GridLine);
}

void TMyTrans::prTransRazmer()
{
    prRazmerPanelTransOutput();
    btnCalc->move(PanelTransInput->x(), fnBottom(PanelTransInput) + 8);
    btnClose->move(btnCalc->x(), fnBottom(btnCalc) + 8);
    prSetEILam();
}

bool TMyTrans::prTransOutputSelectCell(int col, int row)
{
    const bool allowed = fnIsOpenCell(col, row);
    // Trying a closed cell also stops typing into the cell still selected,
    // until an open one is picked again.
    sgTransOutput->setEditTriggers(allowed ? GridEditTriggers : QAbstractItemView::NoEditTriggers);
    return allowed;
}

void TMyTrans::prOnDrawCell(QPainter* painter, const QStyleOptionViewItem& option, int col, int row)
{
    const QPalette& palette = sgTransOutput->palette();
    QColor fill;
    if (row == 0 || col == 0)
        fill = palette.color(QPalette::Button); // the grid's fixed colour
    else if (row == TransPrimaryRow || col >= TransColTurns)
        fill = KitLockedColour;
    else
        fill = palette.color(QPalette::Base);
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setFont(option.font);
    // Selected and focused cells keep the normal text colour.
    painter->setPen(palette.color(QPalette::WindowText));
    const QString text = sgTransOutput->item(row, col) ? sgTransOutput->item(row, col)->text() : QString();
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, text);
    if ((option.state & QStyle::State_HasFocus) && fnIsOpenCell(col, row)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(sgTransOutput);
        focus.rect = option.rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = fill;
        sgTransOutput->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, sgTransOutput);
    }
    painter->restore();
}

void TMyTrans::prOnExitStringGrid()
{
    sgTransOutput->clearSelection();
    sgTransOutput->setCurrentIndex(QModelIndex());
}

void TMyTrans::prEditChangeTr(QLineEdit* edit) { prEditNumberFilter(edit); }

void TMyTrans::prEditOnEnter(QLineEdit* edit) { prSetEditMark(edit, false); }

void TMyTrans::prTransOutputSetEditText(int col, int row, const QString& value)
{
    if (!fnIsOpenCell(col, row))
        return;
    QTableWidgetItem* item = sgTransOutput->item(row, col);
    if (!item)
        return;
    QString text = value;
    if (!fnIsNumberText(text.toStdU16String())) {
        // Whatever got past the typing filter (a paste) is cut back from its end,
        // as the filter does with the character before the caret, to a number.
        while (!text.isEmpty() && !fnIsNumberText(text.toStdU16String()))
            text.chop(1);
        if (text.isEmpty() && !value.isEmpty())
            text = "0";
    }
    text = text.trimmed();
    if (item->text() != text)
        item->setText(text);
}

TTransformerFields TMyTrans::fnGatherFields() const
{
    TTransformerFields fields;
    fields.kind = mKind;
    for (int i = 0; i < TransFieldCount; ++i) {
        const QLineEdit* edit = mEdits[static_cast<std::size_t>(i)];
        auto& target = fnTransEdit(fields, static_cast<TTransField>(i));
        target.text = edit ? edit->text().toStdString() : std::string();
        target.bad = fnIsEditBad(edit);
    }
    for (int row = 0; row < TransGridRows; ++row)
        for (int col = 0; col < TransGridCols; ++col) {
            const QTableWidgetItem* item = sgTransOutput ? sgTransOutput->item(row, col) : nullptr;
            fields.grid[row][col] = item ? item->text().toStdString() : std::string();
        }
    return fields;
}

void TMyTrans::prShowFields(const TTransformerFields& fields)
{
    for (int i = 0; i < TransFieldCount; ++i) {
        TMyNumberField* edit = mEdits[static_cast<std::size_t>(i)];
        if (!edit)
            continue;
        const auto& source = fnTransEdit(fields, static_cast<TTransField>(i));
        edit->prWrite(QString::fromStdString(source.text));
        prSetEditMark(edit, source.bad);
    }
    if (!sgTransOutput)
        return;
    for (int row = 1; row < TransGridRows; ++row)
        for (int col = 1; col < TransGridCols; ++col) {
            QTableWidgetItem* item = sgTransOutput->item(row, col);
            const QString text = QString::fromStdString(fields.grid[row][col]);
            if (item && item->text() != text)
                item->setText(text);
        }
    for (int row = TransPrimaryRow; row < TransGridRows; ++row)
        if (QTableWidgetItem* item = sgTransOutput->item(row, TransColWireDiameterMm))
            item->setToolTip(fnWireTip(fnTextToFloat(fields.grid[row][TransColWireDiameterMm]),
                                       fnTextToFloat(fields.grid[row][TransColCurrentA])));
}

QString TMyTrans::fnCopyText() const
{
    QStringList lines;
    for (const QRadioButton* kind : mSheet->findChildren<QRadioButton*>())
        if (kind->isChecked() && kind->isVisibleTo(mSheet))
            lines << kind->text();
    lines << fnSheetCopyLines(mSheet);
    // The windings, a line each: heading and value of every cell that holds one.
    for (int row = TransPrimaryRow; row < TransGridRows; ++row) {
        QStringList cells;
        for (int col = TransColVoltV; col < TransGridCols; ++col) {
            const QString value = sgTransOutput->item(row, col)->text();
            if (!value.isEmpty() && fnTextToFloat(value.toStdString()) != 0)
                cells << sgTransOutput->item(0, col)->text() + " = " + value;
        }
        prAddCopyLine(lines, sgTransOutput->item(row, 0)->text(), cells.join("; "));
    }
    return lines.join('\n');
}

// What a winding's wire diameter points to in the drawer: the IEC 60317
// size, or strands of the largest in parallel, and the AWG gauge, each with
// the current density it gives at the winding's current as the grid shows it.
QString TMyTrans::fnWireTip(double diameterMm, double currentA)
{
    if (!(diameterMm > 0))
        return {};
    const TWireChoice wire = fnWireChoice(diameterMm, currentA);
    const auto number = [](const std::string& text) { return QString::fromStdString(text); };
    QStringList lines;
    if (wire.iecMm > 0)
        lines << fnText(TextId::TransWireIec)
                     .arg(number(fnFixedText(wire.iecMm, 3)), number(fnFloatToText(3, wire.iecDensityAmm2)));
    else if (wire.strands > 0) // none for a diameter no bundle of drawer wire reaches
        lines << fnText(TextId::TransWireStrands)
                     .arg(QString::number(wire.strands), number(fnFloatToText(3, wire.strandsDensityAmm2)));
    if (wire.awg >= 0)
        lines << fnText(TextId::TransWireAwg)
                     .arg(QString::number(wire.awg), number(fnFixedText(wire.awgMm, 3)),
                          number(fnFloatToText(3, wire.awgDensityAmm2)));
    else
        lines << fnText(TextId::TransWireNoAwg);
    return lines.join('\n');
}

void TMyTrans::prSetEditMark(QLineEdit* edit, bool bad)
{
    if (!edit || (fnIsEditBad(edit) == bad && edit->property("badMarkShown").isValid()))
        return;
    edit->setProperty("badMark", bad);
    edit->setProperty("badMarkShown", true);
    QFont font = edit->font();
    font.setBold(bad);
    font.setStrikeOut(bad);
    edit->setFont(font);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, bad ? QColor(Qt::red) : mSheet->palette().color(QPalette::WindowText));
    edit->setPalette(palette);
}

void TMyTrans::prShowEditErr(QLineEdit* edit)
{
    for (int i = 0; i < TransFieldCount; ++i) {
        if (mEdits[static_cast<std::size_t>(i)] != edit)
            continue;
        TTransformerFields fields = fnGatherFields();
        transformer::prShowEditErr(fnTransEdit(fields, static_cast<TTransField>(i)));
        prShowFields(fields);
        return;
    }
}

void TMyTrans::prShowStrGrError() {}

double TMyTrans::fnGetStrGrNumber(int col, int row)
{
    return transformer::fnGetStrGrNumber(fnGatherFields(), col, row);
}

bool TMyTrans::fnTestZeroInput(const QString& group)
{
    TTransformerFields fields = fnGatherFields();
    const bool ok = transformer::fnTestZeroInput(fields, group.toStdString());
    prShowFields(fields);
    return ok;
}

// One engine step on the page's current texts, and its results shown.
void TMyTrans::prApplyStep(void (*step)(TTransformerFields&))
{
    TTransformerFields fields = fnGatherFields();
    step(fields);
    prShowFields(fields);
}

void TMyTrans::prCalcScSw() { prApplyStep(transformer::prCalcScSw); }

void TMyTrans::prCalcPMax() { prApplyStep(transformer::prCalcPMax); }

void TMyTrans::prCalcPtr() { prApplyStep(transformer::prCalcPtr); }

void TMyTrans::prZeroWire() { prApplyStep(transformer::prZeroWire); }

void TMyTrans::prZeroVA() { prApplyStep(transformer::prZeroVA); }

void TMyTrans::prCalcOnPage()
{
    TTransformerFields fields = fnGatherFields();
    const std::uint32_t status = transformer::prCalcOnPage(fields);
    prShowFields(fields);
    mHost->prNewTextStatusBar(fnText(status));
}

void TMyTrans::prGetComboText()
{
    if (!comboThickness)
        return;
    TTransformerFields fields = fnGatherFields();
    transformer::prGetComboText(fields, comboThickness->currentIndex());
    prShowFields(fields);
}

void TMyTrans::prInitDataTrans()
{
    TTransformerFields fields = fnGatherFields();
    transformer::prInitDataTrans(fields);
    prShowFields(fields);
}

void TMyTrans::prSetEILam() { prSetCoreKind(TTransCoreKind::LamEI); }
void TMyTrans::prSetUILam() { prSetCoreKind(TTransCoreKind::LamUI); }
void TMyTrans::prSetEILenta() { prSetCoreKind(TTransCoreKind::LentEI); }
void TMyTrans::prSetUILenta() { prSetCoreKind(TTransCoreKind::LentUI); }
void TMyTrans::prSetTor() { prSetCoreKind(TTransCoreKind::Toroid); }

void TMyTrans::prSetCoreKind(TTransCoreKind kind)
{
    mKind = kind;
    QRadioButton* radio = kind == TTransCoreKind::LamEI    ? rbSerdLamEI
                          : kind == TTransCoreKind::LentEI ? rbSerdLentEI
                          : kind == TTransCoreKind::LamUI  ? rbSerdLamUI
                          : kind == TTransCoreKind::LentUI ? rbSerdLentUI
                                                           : rbSerdO;
    if (radio && !radio->isChecked())
        radio->setChecked(true);

    // The picture shows the sheet shared by every transformer page.
    {
        const QImage sheet = fnSharedSheet(fnCoreStore(kind));
        imageTrans->fillRect(fnRectAt(0, 0, imageTrans->width(), imageTrans->height()), KitPictureBackground);
        if (!sheet.isNull())
            imageTrans->drawSheet(sheet);
        if (radio)
            imageTrans->setAccessibleName(radio->text());
    }

    for (const auto& place : geo::CoreFieldPlaces) {
        QLineEdit* edit = fnEdit(place.field);
        const TPoint at = geo::fnCoreFieldPlace(place, kind);
        if (at == geo::Hidden) {
            edit->hide();
        } else {
            edit->move(imageTrans->x() + at.X, imageTrans->y() + at.Y);
            edit->show();
        }
    }

    labelListThickness->setText(fnText(fnIsLaminated(kind) ? TextId::TransLamThickness : TextId::TransTapeThickness));
    labelListThickness->adjustSize();
    comboThickness->setAccessibleName(labelListThickness->text());

    {
        const QSignalBlocker quiet(comboThickness);
        comboThickness->clear();
        for (const auto& entry : fnThicknessList(kind))
            comboThickness->addItem(QString::fromLatin1(entry.text));
        comboThickness->setCurrentIndex(0);
    }
    prGetComboText();
    prCalcOnPage();
}

bool TMyTrans::prEditEnter(QLineEdit* edit, int key)
{
    if (!edit || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return false;
    prCalcOnPage();
    return true;
}

QLineEdit* TMyTrans::fnEditByWidget(QObject* object) const
{
    for (QLineEdit* edit : mEdits)
        if (edit == object)
            return edit;
    return nullptr;
}

bool TMyTrans::eventFilter(QObject* watched, QEvent* event)
{
    if (QLineEdit* edit = fnEditByWidget(watched)) {
        if (event->type() == QEvent::FocusIn)
            prEditOnEnter(edit);
        else if (event->type() == QEvent::KeyPress)
            return prEditEnter(edit, static_cast<QKeyEvent*>(event)->key());
    }
    return QObject::eventFilter(watched, event);
}

void prCreateTransPage(TMyPageHost& host)
{
    // Built out of sight, shown once the first design and the defaults are in.
    const auto made = fnBeginNewPage(host, TransPages, "Trans", TextId::TransTab);
    if (!made)
        return;
    TMyTrans* page = made.page;
    page->prCreatePanelTransAndSerd();
    page->prCreatePanelTransInput();
    page->prCreatePanelCoreShape();
    page->prCreatePanelTransOutput();
    page->prCreateButtons();
    prSetPageCopy(made.sheet, [page] { return page->fnCopyText(); });
    page->prTransRazmer();
    page->prInitDataTrans();
    host.prNewTextStatusBar(fnText(TextId::StatusTransOpened));
    made.prShowSheet();
}

TMyTrans* fnTransPage(int pageIndex) { return TransPages.fnAt(pageIndex); }
