#include "common/ui/PageKit.h"

#include "common/ui/PageHost.h"
#include "common/ui/UiText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Keeps a widget at the bottom-left of its sheet as the sheet gets its size.
class TMyBottomKeeper : public QObject {
public:
    TMyBottomKeeper(QWidget* widget, int left) : QObject(widget), mWidget(widget), mLeft(left)
    {
        widget->parentWidget()->installEventFilter(this);
        prPlace();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == mWidget->parentWidget() && event->type() == QEvent::Resize)
            prPlace();
        return false;
    }

private:
    void prPlace() { mWidget->move(mLeft, mWidget->parentWidget()->height() - mWidget->height() - 7); }

    QWidget* mWidget;
    int mLeft;
};

} // namespace

int fnRoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int fnCentredLeft(int outer, int inner) { return fnRoundEven((outer - inner) / 2.0); }

int fnBottom(const QWidget* widget) { return widget->y() + widget->height(); }

int fnRight(const QWidget* widget) { return widget->x() + widget->width(); }

QFrame* fnNewPanel(QWidget* parent, const QString& name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

QLabel* fnNewLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->adjustSize();
    return label;
}

QRadioButton* fnNewRadio(QWidget* parent, const QString& name, std::uint32_t textId, int left, int top, int width)
{
    auto* radio = new QRadioButton(fnText(textId), parent);
    radio->setObjectName(name);
    radio->setAccessibleName(radio->text());
    radio->setGeometry(left, top, width, KitRadioHeight);
    return radio;
}

void prSetFontPoints(QWidget* widget, int points)
{
    QFont font = widget->font();
    font.setPixelSize(fnRoundEven(points * 96.0 / 72.0));
    widget->setFont(font);
}

void prSetLabelText(QLabel* label, const QString& text)
{
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleName(text);
    }
    label->adjustSize();
}

void prSetFieldColour(QLineEdit* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

void TMyButton::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

QPalette fnPagePalette()
{
    // The style's own standard palette is its light one, independent of the
    // palette the desktop hands the application.
    return QApplication::style()->standardPalette();
}

namespace {

// The colour the style fills a tab's pane with under the page palette, found
// once by letting it draw one.
QColor fnPaneColour()
{
    static const QColor colour = [] {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(fnPagePalette().color(QPalette::Window));
        QPainter painter(&image);
        QStyleOptionTabWidgetFrame pane;
        pane.rect = image.rect();
        pane.palette = fnPagePalette();
        QApplication::style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter);
        painter.end();
        return QColor(image.pixel(8, 8));
    }();
    return colour;
}

} // namespace

TMyTabSheet::TMyTabSheet()
{
    setPalette(fnPagePalette());
    setAutoFillBackground(false);
}

void TMyTabSheet::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), fnPaneColour());
}

QIcon fnStandardIcon(QStyle::StandardPixmap icon)
{
    static QHash<int, QIcon> icons;
    auto found = icons.find(static_cast<int>(icon));
    if (found == icons.end())
        found = icons.insert(static_cast<int>(icon), QApplication::style()->standardIcon(icon));
    return found.value();
}

QPushButton* fnNewCloseButton(QWidget* sheet, TMyPageHost& host, int left)
{
    auto* button = new TMyButton(fnText(TextId::Close), sheet);
    button->setObjectName("btnClose");
    button->setAccessibleName(button->text());
    button->setIcon(fnStandardIcon(QStyle::SP_DialogCloseButton));
    button->resize(KitButtonWidth, KitButtonHeight);
    QObject::connect(button, &QPushButton::clicked, button, [&host] { host.prClosePage(); });
    new TMyBottomKeeper(button, left);
    return button;
}

namespace {

// The desktop style with a slimmer drop arrow for the page's narrowest lists
// (32 px, where the style's arrow left 7 px for a tolerance letter). It draws
// everything else as the style does, so the list keeps the page's colours.
class TMyNarrowListStyle : public QProxyStyle {
public:
    TMyNarrowListStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect frame = option->rect;
        const QRect arrow(frame.right() - ArrowWidth + 1, frame.top() + 1, ArrowWidth - 1, frame.height() - 2);
        switch (sub) {
        case SC_ComboBoxArrow: return arrow;
        case SC_ComboBoxEditField:
            return QRect(frame.left() + 3, frame.top() + 2, arrow.left() - frame.left() - 4, frame.height() - 4);
        default: return QProxyStyle::subControlRect(control, option, sub, widget);
        }
    }

private:
    static constexpr int ArrowWidth = 12;
};

} // namespace

void prGiveListTextRoom(QComboBox* combo)
{
    static TMyNarrowListStyle* const style = [] {
        auto* made = new TMyNarrowListStyle;
        made->setParent(qApp);
        return made;
    }();
    combo->setStyle(style);
}

namespace {

// Holds a page's copy routine on its tab sheet.
class TMyPageCopy : public QObject {
public:
    TMyPageCopy(QWidget* sheet, std::function<QString()> text) : QObject(sheet), mText(std::move(text))
    {
        setObjectName("pageCopy");
    }
    QString fnText() const { return mText ? mText() : QString(); }

private:
    std::function<QString()> mText;
};

} // namespace

void prSetPageCopy(QWidget* sheet, std::function<QString()> text) { new TMyPageCopy(sheet, std::move(text)); }

QString fnPageCopyText(const QWidget* sheet)
{
    if (!sheet)
        return {};
    for (QObject* child : sheet->children())
        if (auto* copy = dynamic_cast<TMyPageCopy*>(child))
            return copy->fnText();
    return {};
}

void prAddCopyLine(QStringList& lines, const QString& caption, const QString& value)
{
    if (!value.trimmed().isEmpty())
        lines << caption + ": " + value.trimmed();
}

void prSetCopyCaption(QLabel* label, const QString& caption) { label->setProperty("copyCaption", caption); }

QStringList fnSheetCopyLines(const QWidget* sheet)
{
    struct TLine {
        QPoint at;
        QString text;
    };
    std::vector<TLine> found;
    const auto place = [sheet](const QWidget* widget) { return widget->mapTo(sheet, QPoint(0, 0)); };
    const QList<QComboBox*> combos = sheet->findChildren<QComboBox*>();
    for (const QLineEdit* edit : sheet->findChildren<QLineEdit*>()) {
        if (!edit->isVisibleTo(sheet) || edit->text().isEmpty() || edit->accessibleName().isEmpty())
            continue;
        QString value = edit->text();
        // The unit list right beside the field, on its row.
        for (const QComboBox* combo : combos) {
            if (combo->parentWidget() != edit->parentWidget() || !combo->isVisibleTo(sheet))
                continue;
            const int gap = combo->x() - (edit->x() + edit->width());
            const bool row = combo->y() < edit->y() + edit->height() && edit->y() < combo->y() + combo->height();
            if (gap >= 0 && gap <= 8 && row)
                value += " " + combo->currentText();
        }
        found.push_back({place(edit), edit->accessibleName() + ": " + value});
    }
    for (const QLabel* label : sheet->findChildren<QLabel*>()) {
        const QVariant caption = label->property("copyCaption");
        if (!caption.isValid() || !label->isVisibleTo(sheet) || label->text().trimmed().isEmpty())
            continue;
        QString value = label->text().trimmed();
        if (value.startsWith("= "))
            value = value.mid(2);
        // A label that names its quantity itself ("точно: ...") copies as it reads.
        found.push_back({place(label), caption.toString().isEmpty() ? value : caption.toString() + ": " + value});
    }
    // Reading order; a row is what stands within a few pixels of one line.
    std::stable_sort(found.begin(), found.end(), [](const TLine& a, const TLine& b) {
        return std::abs(a.at.y() - b.at.y()) > 4 ? a.at.y() < b.at.y() : a.at.x() < b.at.x();
    });
    QStringList lines;
    for (const TLine& line : found)
        lines << line.text;
    return lines;
}

void prAddCopyMenu(QLabel* label)
{
    auto* copy = new QAction(fnText(TextId::CopyValue), label);
    QObject::connect(copy, &QAction::triggered, label, [label] { QApplication::clipboard()->setText(label->text()); });
    label->addAction(copy);
    // A menu that pops up and returns at once, as a field's own does: the
    // window's event loop keeps running while it is open.
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(label, &QWidget::customContextMenuRequested, label, [label](const QPoint& at) {
        if (label->text().isEmpty())
            return;
        auto* menu = new QMenu(label);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addActions(label->actions());
        menu->popup(label->mapToGlobal(at));
    });
}

QComboBox* fnNewUnitCombo(QWidget* parent, const QString& name, std::initializer_list<std::uint32_t> textIds,
                          int selected, int width)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->resize(width, KitComboHeight);
    prFillUnitCombo(combo, textIds, selected);
    return combo;
}

void prFillUnitCombo(QComboBox* combo, std::initializer_list<std::uint32_t> textIds, int selected)
{
    prFillUnitCombo(combo, std::span<const std::uint32_t>(textIds.begin(), textIds.size()), selected);
}

void prFillUnitCombo(QComboBox* combo, std::span<const std::uint32_t> textIds, int selected)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (std::uint32_t id : textIds)
        combo->addItem(fnText(id));
    combo->setCurrentIndex(selected);
    // A unit longer than the list's room in the desktop style ("kOhm" in
    // 52 px) gets the slimmer arrow; lists whose units fit stay as they are.
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const int room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
    for (int k = 0; k < combo->count(); ++k)
        if (combo->fontMetrics().horizontalAdvance(combo->itemText(k)) > room) {
            prGiveListTextRoom(combo);
            break;
        }
}

void prPlaceBeside(QWidget* combo, const QWidget* edit)
{
    combo->move(fnRight(edit) + 2, edit->y() - fnRoundEven((combo->height() - edit->height()) / 2.0));
}
