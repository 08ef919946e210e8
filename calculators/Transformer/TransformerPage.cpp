#include "calculators/Transformer/TransformerPage.h"

#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageKit.h"
#include "common/core/Numbers.h"
#include "common/ui/PageHost.h"
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
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

namespace {

// Transformer pages by page index.
TMyPageList<TMyTrans> TransPages;

// Read-only fields and computed grid cells.
const QColor LockedColour(239, 237, 209);
// Picture background, shown until a drawing is on the canvas.
const QColor PictureBackground(212, 208, 200);

// Sizes of the pictures the panels are built around (the stores' picture sizes).
constexpr int InputPictureWidth = 180;
constexpr int InputPictureHeight = 220;
constexpr int CorePictureWidth = 560;
constexpr int CorePictureHeight = 220;

constexpr int ButtonWidth = KitButtonWidth;
constexpr int ButtonHeight = KitButtonHeight;
constexpr int ComboHeight = KitComboHeight;
constexpr int EditWidth = 20;
constexpr int EditHeight = 14;
constexpr int WideEditWidth = 30;
constexpr int GridRowHeight = 24;  // a cell, without its grid line
constexpr int GridLine = 1;

constexpr std::uint32_t TextCaption = 611;
constexpr std::uint32_t TextStatusOpened = 641;
constexpr std::uint32_t TextInputParam = 647;
constexpr std::uint32_t TextLaminationThickness = 648;
constexpr std::uint32_t TextTapeThickness = 649;
constexpr std::uint32_t TextFirstHeading = 619;  // row 0, columns 0-5
constexpr std::uint32_t TextFirstWinding = 625;  // column 0, rows 1-6
constexpr std::uint32_t TextCalc = 12;
constexpr std::uint32_t TextClose = 11;

const QPoint Hidden(-1, -1);

// Typing, F2 or a double click start editing the selected cell. (A click on the
// selected cell would arm a delayed edit that swallows keys typed meanwhile.)
constexpr QAbstractItemView::EditTriggers GridEditTriggers =
    QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed;

// Where each field of the core drawing sits, per drawing family (offsets on imageTrans).
struct TFieldPlace {
    TTransField field;
    QPoint ei;
    QPoint ui;
    QPoint toroid;
};
const TFieldPlace CoreFieldPlaces[] = {
    {TTransField::A, {189, 200}, {223, 200}, Hidden},
    {TTransField::H, {293, 188}, {289, 191}, {310, 125}},
    {TTransField::B, {38, 104}, {67, 97}, Hidden},
    {TTransField::C, {130, 200}, {164, 200}, Hidden},
    {TTransField::Dmax, Hidden, Hidden, {160, 42}},
    {TTransField::Dmin, Hidden, Hidden, {59, 155}},
    {TTransField::Sc, {467, 20}, {467, 20}, {476, 20}},
    {TTransField::Sw, {467, 56}, {467, 56}, {476, 56}},
    {TTransField::Pmax, {427, 145}, {427, 145}, {427, 145}},
    {TTransField::Ptr, {427, 181}, {427, 181}, {427, 181}},
};

// Electrical inputs on the input panel: field, top offset on its picture, hint text.
struct TInputPlace {
    TTransField field;
    int top;
    std::uint32_t hint;
};
const TInputPlace InputPlaces[] = {
    {TTransField::Vp, 23, 601}, {TTransField::F, 45, 602},  {TTransField::KPD, 66, 603}, {TTransField::Bi, 87, 604},
    {TTransField::J, 108, 605}, {TTransField::Kc, 129, 606}, {TTransField::Kw, 150, 607},
};
constexpr int InputEditLeft = 49;

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

QPoint fnPlaceFor(const TFieldPlace& place, TTransCoreKind kind)
{
    switch (kind) {
    case TTransCoreKind::LamEI:
    case TTransCoreKind::LentEI: return place.ei;
    case TTransCoreKind::LamUI:
    case TTransCoreKind::LentUI: return place.ui;
    case TTransCoreKind::Toroid: return place.toroid;
    }
    return Hidden;
}

bool fnIsResultField(TTransField field)
{
    return field == TTransField::Sc || field == TTransField::Sw || field == TTransField::Pmax ||
           field == TTransField::Ptr;
}

// Secondary voltages and currents: the only cells the user types into.
bool fnIsOpenCell(int col, int row)
{
    return (col == 1 || col == 2) && row >= TransFirstSecondaryRow && row < TransGridRows;
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
            const QModelIndex first = model()->index(TransFirstSecondaryRow, 1);
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
// an editor that keeps its text a number and stores every change.
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
        auto* editor = new QLineEdit(parent);
        editor->setObjectName("sgTransOutputEditor");
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignCenter);
        prAttachNumberFilter(editor);  // first, so the store below sees the filtered text
        QObject::connect(editor, &QLineEdit::textChanged, this, [this, editor] {
            if (!editor->property("loading").toBool())
                emit const_cast<TTransCellDelegate*>(this)->commitData(editor);
        });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        // Storing each change comes back here: leave the caret where the user has it.
        if (line->text() != text) {
            // The view registers the editor only after loading it: nothing to store yet.
            line->setProperty("loading", true);
            line->setText(text);
            line->setProperty("loading", false);
        }
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

void TMyTrans::prPublishEdits()
{
    // The published field of every engine field, in engine order.
    static constexpr QLineEdit* TMyTrans::*Published[TransFieldCount] = {
        &TMyTrans::editA,  &TMyTrans::editH,  &TMyTrans::editB,    &TMyTrans::editC,   &TMyTrans::editDmax,
        &TMyTrans::editDmin, &TMyTrans::editSc, &TMyTrans::editSw,  &TMyTrans::editPmax, &TMyTrans::editPtr,
        &TMyTrans::editVp, &TMyTrans::editF,  &TMyTrans::editKPD,  &TMyTrans::editBi,  &TMyTrans::editJ,
        &TMyTrans::editKc, &TMyTrans::editKw,
    };
    for (int i = 0; i < TransFieldCount; ++i)
        this->*Published[i] = mEdits[static_cast<std::size_t>(i)];
}

bool TMyTrans::fnIsEditBad(const QLineEdit* edit) const { return edit && edit->property("badMark").toBool(); }

QLineEdit* TMyTrans::prCreateEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFrame(false);
    edit->resize(EditWidth, EditHeight);
    edit->setMaxLength(3);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setText("0");
    edit->setProperty("badMark", false);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { prEditChangeTr(edit); });
    edit->installEventFilter(this);
    return edit;
}

void TMyTrans::prCreatePanelTransAndSerd()
{
    const int width = InputPictureWidth;
    const int radioWidth = width - 20;

    PanelTrans = fnNewPanel(mSheet, "PanelTrans");
    PanelTrans->setGeometry(10, 10, width, 0);
    rbTransSimple = fnNewRadio(PanelTrans, "rbTransSimple", 612, 4, 4, radioWidth);
    rbTransSimple->setChecked(true);
    rbTransSimple->setFocusPolicy(Qt::ClickFocus);
    rbTransAdv = fnNewRadio(PanelTrans, "rbTransAdv", 613, 4, fnBottom(rbTransSimple) + 4, radioWidth);
    rbTransAdv->setEnabled(false);  // one design mode only
    rbTransAdv->setFocusPolicy(Qt::ClickFocus);
    PanelTrans->resize(width, fnBottom(rbTransAdv) + 4);

    PanelSerd = fnNewPanel(mSheet, "PanelSerd");
    PanelSerd->setGeometry(PanelTrans->x(), fnBottom(PanelTrans) + 4, width, 0);
    const std::pair<QRadioButton**, std::pair<const char*, std::uint32_t>> kinds[] = {
        {&rbSerdLamEI, {"rbSerdLamEI", 614}},   {&rbSerdLentEI, {"rbSerdLentEI", 616}},
        {&rbSerdLamUI, {"rbSerdLamUI", 615}},   {&rbSerdLentUI, {"rbSerdLentUI", 617}},
        {&rbSerdO, {"rbSerdO", 618}},
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
    const int width = InputPictureWidth;
    const int height = InputPictureHeight;

    PanelTransInput = fnNewPanel(mSheet, "PanelTransInput");
    PanelTransInput->setGeometry(PanelSerd->x(), fnBottom(PanelSerd) + 4, PanelSerd->width(), height);

    imageTransInput = new TMyImageCanvas(PanelTransInput);
    imageTransInput->setObjectName("imageTransInput");
    imageTransInput->move(0, 0);
    imageTransInput->prSetSize(width, height);
    imageTransInput->fillRect(TRect{0, 0, width, height}, PictureBackground);
    if (!sheet.isNull())
        imageTransInput->drawSheet(sheet);
    const int imageLeft = imageTransInput->x();
    const int imageTop = imageTransInput->y();

    for (const auto& place : InputPlaces) {
        QLineEdit* edit = prCreateEdit(PanelTransInput, fnTransFieldName(place.field));
        edit->setGeometry(imageLeft + InputEditLeft, imageTop + place.top, WideEditWidth, EditHeight);
        edit->setMaxLength(5);
        edit->setToolTip(fnText(place.hint));
        edit->setAccessibleName(fnText(place.hint));
        mEdits[static_cast<std::size_t>(place.field)] = edit;
    }
    prPublishEdits();

    labelInputParam = fnNewLabel(PanelTransInput, "labelInputParam", fnText(TextInputParam));
    const int textWidth = labelInputParam->fontMetrics().horizontalAdvance(labelInputParam->text());
    labelInputParam->move(imageLeft + fnRoundEven((width - textWidth) / 2.0), imageTop + 4);

    const std::pair<QLabel**, std::pair<const char*, QLineEdit*>> units[] = {
        {&labelVolt, {"labelVolt", editVp}},
        {&labelHertz, {"labelHertz", editF}},
        {&labelTesla, {"labelTesla", editBi}},
        {&labelAmm2, {"labelAmm2", editJ}},
    };
    std::uint32_t unitText = 650;
    for (const auto& [label, nameEdit] : units) {
        const QLineEdit* edit = nameEdit.second;
        *label = fnNewLabel(PanelTransInput, nameEdit.first, fnText(unitText++));
        (*label)->move(edit->x() + edit->width() + 4, edit->y());
    }

    labelListThickness = fnNewLabel(PanelTransInput, "labelListThickness", fnText(TextLaminationThickness));
    labelListThickness->move(8, imageTop + 176);
    comboThickness = new QComboBox(PanelTransInput);
    comboThickness->setObjectName("comboThickness");
    comboThickness->setEditable(false);
    comboThickness->setGeometry(labelListThickness->x(), fnBottom(labelListThickness) + 4, 60, ComboHeight);
    comboThickness->setAccessibleName(labelListThickness->text());
    connect(comboThickness, &QComboBox::currentIndexChanged, this, &TMyTrans::prGetComboText);
}

void TMyTrans::prCreatePanelCoreShape()
{
    PanelCoreShape = fnNewPanel(mSheet, "PanelCoreShape");
    PanelCoreShape->setGeometry(PanelTrans->x() + PanelTrans->width() + 8, PanelTrans->y(), CorePictureWidth,
                                CorePictureHeight);
    imageTrans = new TMyImageCanvas(PanelCoreShape);
    imageTrans->setObjectName("imageTrans");
    imageTrans->move(0, 0);
    imageTrans->prSetSize(CorePictureWidth, CorePictureHeight);
    PanelCoreShape->resize(imageTrans->size());

    for (const auto& place : CoreFieldPlaces) {
        const char* name = fnTransFieldName(place.field);
        QLineEdit* edit = prCreateEdit(PanelCoreShape, name);
        // Short symbols: the drawing carries the captions.
        edit->setAccessibleName(QString::fromLatin1(name + 4));
        if (fnIsResultField(place.field)) {
            edit->setMaxLength(32767);  // results are written by the program and never cut
            edit->resize(WideEditWidth, EditHeight);
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::ClickFocus);
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, LockedColour);
            edit->setPalette(palette);
        }
        mEdits[static_cast<std::size_t>(place.field)] = edit;
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
    grid->setAccessibleName(fnText(TextCaption));
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
                item->setText(fnText(TextFirstHeading + static_cast<std::uint32_t>(col)));
            else if (col == 0)
                item->setText(fnText(TextFirstWinding + static_cast<std::uint32_t>(row - 1)));
            grid->setItem(row, col, item);
        }
    }
}

void TMyTrans::prCreateButtons()
{
    btnCalc = new QPushButton(fnText(TextCalc), mSheet);
    btnCalc->setObjectName("btnCalc");
    btnCalc->setAccessibleName(btnCalc->text());
    btnCalc->setIcon(fnStandardIcon(QStyle::SP_DialogApplyButton));
    btnCalc->resize(ButtonWidth, ButtonHeight);
    connect(btnCalc, &QPushButton::clicked, this, &TMyTrans::prCalcOnPage);

    btnClose = new TMyButton(fnText(TextClose), mSheet);
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
        fill = palette.color(QPalette::Button);  // the grid's fixed colour
    else if (row == 1 || col >= 3)
        fill = LockedColour;
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
        QLineEdit* edit = mEdits[static_cast<std::size_t>(i)];
        if (!edit)
            continue;
        const auto& source = fnTransEdit(fields, static_cast<TTransField>(i));
        const QString text = QString::fromStdString(source.text);
        if (edit->text() != text)
            edit->setText(text);
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
        ::prShowEditErr(fnTransEdit(fields, static_cast<TTransField>(i)));
        prShowFields(fields);
        return;
    }
}

void TMyTrans::prShowStrGrError() {}

double TMyTrans::fnGetStrGrNumber(int col, int row) { return ::fnGetStrGrNumber(fnGatherFields(), col, row); }

bool TMyTrans::fnTestZeroInput(const QString& group)
{
    TTransformerFields fields = fnGatherFields();
    const bool ok = ::fnTestZeroInput(fields, group.toStdString());
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

void TMyTrans::prCalcScSw() { prApplyStep(::prCalcScSw); }

void TMyTrans::prCalcPMax() { prApplyStep(::prCalcPMax); }

void TMyTrans::prCalcPtr() { prApplyStep(::prCalcPtr); }

void TMyTrans::prZeroWire() { prApplyStep(::prZeroWire); }

void TMyTrans::prZeroVA() { prApplyStep(::prZeroVA); }

void TMyTrans::prCalcOnPage()
{
    TTransformerFields fields = fnGatherFields();
    const std::uint32_t status = ::prCalcOnPage(fields);
    prShowFields(fields);
    mHost->prNewTextStatusBar(fnText(status));
}

void TMyTrans::prGetComboText()
{
    if (!comboThickness)
        return;
    TTransformerFields fields = fnGatherFields();
    ::prGetComboText(fields, comboThickness->currentIndex());
    prShowFields(fields);
}

void TMyTrans::prInitDataTrans()
{
    TTransformerFields fields = fnGatherFields();
    ::prInitDataTrans(fields);
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
        imageTrans->fillRect(TRect{0, 0, imageTrans->width(), imageTrans->height()}, PictureBackground);
        if (!sheet.isNull())
            imageTrans->drawSheet(sheet);
        if (radio)
            imageTrans->setAccessibleName(radio->text());
    }

    for (const auto& place : CoreFieldPlaces) {
        QLineEdit* edit = fnEdit(place.field);
        const QPoint at = fnPlaceFor(place, kind);
        if (at == Hidden) {
            edit->hide();
        } else {
            edit->move(imageTrans->x() + at.x(), imageTrans->y() + at.y());
            edit->show();
        }
    }

    labelListThickness->setText(fnText(fnIsLaminated(kind) ? TextLaminationThickness : TextTapeThickness));
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
    const auto made = fnBeginNewPage(host, TransPages, "Trans", TextCaption);
    if (!made)
        return;
    TMyTrans* page = made.page;
    page->prCreatePanelTransAndSerd();
    page->prCreatePanelTransInput();
    page->prCreatePanelCoreShape();
    page->prCreatePanelTransOutput();
    page->prCreateButtons();
    page->prTransRazmer();
    page->prInitDataTrans();
    host.prNewTextStatusBar(fnText(TextStatusOpened));
    made.prShowSheet();
}

TMyTrans* fnTransPage(int pageIndex) { return TransPages.fnAt(pageIndex); }
