// UI layer. What every calculator page is built from: panels, labels, radio
// buttons and the close button; the placement rules of the page tables
// (centring with halves to even, a unit list beside its field); the per-tab
// list of page objects.
#pragma once

#include "common/ui/PageHost.h"
#include "common/ui/UiText.h"

#include <QColor>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class TMyPageHost;

// The grey of every drawing's background (and of a sheet that failed to load).
inline const QColor KitPictureBackground(212, 208, 200);
// The pale yellow of a field or grid cell the program writes and the user cannot.
inline const QColor KitLockedColour(239, 237, 209);

// Heights the page tables are laid out with.
inline constexpr int KitRadioHeight = 17;
inline constexpr int KitComboHeight = 21;
inline constexpr int KitButtonWidth = 75;
inline constexpr int KitButtonHeight = 25;

// Nearest whole pixel, halves to even (the pages' centring rule).
int fnRoundEven(double value);
// Left edge that centres something `inner` wide in something `outer` wide.
int fnCentredLeft(int outer, int inner);
int fnBottom(const QWidget* widget);
int fnRight(const QWidget* widget);

// The pages are drawn on fixed light pictures with fixed field colours, so a
// tab sheet keeps a light palette of its own whatever the desktop's theme: a
// dark theme's light text on the light pictures could not be read.
QPalette fnPagePalette();

// A tab sheet: a page in the page palette, painted as the light style paints
// a tab's pane, so a dark desktop shows it exactly as a light one does.
class TMyTabSheet : public QWidget {
public:
    TMyTabSheet();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A raised panel.
QFrame* fnNewPanel(QWidget* parent, const QString& name);
// A label sized to its text; its accessible name is the text.
QLabel* fnNewLabel(QWidget* parent, const QString& name, const QString& text = QString());
// A radio button captioned with a catalogue text.
QRadioButton* fnNewRadio(QWidget* parent, const QString& name, std::uint32_t textId, int left, int top, int width);
// Sets a widget's font to a size in points at 96 dpi (8 pt = 11 px).
void prSetFontPoints(QWidget* widget, int points);
// Sets a label's text and sizes the label to it.
void prSetLabelText(QLabel* label, const QString& text);
// Sets the background a field's text is written on.
void prSetFieldColour(QLineEdit* edit, const QColor& colour);

// A push button that a double click presses once: the second press of a
// double click never reaches whatever took the button's place (closing a tab
// brings up the next one, whose button may sit right there - the help page's
// exit).
class TMyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A standard icon of the style, made once (the style draws its icons anew on
// every request).
QIcon fnStandardIcon(QStyle::StandardPixmap icon);

// The close button of a calculator page: caption text 11, the close glyph,
// closes the active tab. It stays `left` pixels from the sheet's left edge and
// 7 pixels above its bottom, whatever size the sheet gets.
QPushButton* fnNewCloseButton(QWidget* sheet, TMyPageHost& host, int left);

// Gives a narrow list the room its items need: a slimmer drop arrow and less
// padding than the desktop style's, the width and place unchanged.
void prGiveListTextRoom(QComboBox* combo);

// What Ctrl+C copies from a calculator's tab: the page's inputs and results
// as plain text, one quantity a line ("caption: value unit"), in the order
// the page shows them. A page hands the routine that writes it.
void prSetPageCopy(QWidget* sheet, std::function<QString()> text);
// The tab's text to copy; "" for a tab without one (the help page).
QString fnPageCopyText(const QWidget* sheet);
// One line of it; nothing for an empty value.
void prAddCopyLine(QStringList& lines, const QString& caption, const QString& value);
// A result label copies as "caption: text"; the caption names its quantity.
// An empty caption: the label names its quantity itself and copies as it reads.
void prSetCopyCaption(QLabel* label, const QString& caption);
// The lines of a sheet in reading order (top to bottom, then left to right):
// every shown field that holds a value, by its accessible name, with the unit
// list beside it; every shown label given a copy caption that holds a value.
QStringList fnSheetCopyLines(const QWidget* sheet);
// A result label's context menu: "Копировать" copies the value as shown.
void prAddCopyMenu(QLabel* label);

// A unit list: the catalogue texts in order, `selected` chosen; no typing.
QComboBox* fnNewUnitCombo(QWidget* parent, const QString& name, std::initializer_list<std::uint32_t> textIds,
                          int selected, int width = 52);
// Replaces a unit list's items (without firing its change signal).
void prFillUnitCombo(QComboBox* combo, std::initializer_list<std::uint32_t> textIds, int selected);
void prFillUnitCombo(QComboBox* combo, std::span<const std::uint32_t> textIds, int selected);
// A unit list beside its field: 2 px right of it, centred on it vertically.
void prPlaceBeside(QWidget* combo, const QWidget* edit);

// Every calculator keeps its page objects in a list indexed by page index;
// entries of tabs that belong to other calculators stay empty, and an entry
// empties itself when its page goes with its tab sheet.
template <typename Page>
class TMyPageList {
public:
    void prStore(int pageIndex, Page* page)
    {
        if (pageIndex < 0)
            return;
        if (mPages.size() < static_cast<std::size_t>(pageIndex) + 1)
            mPages.resize(static_cast<std::size_t>(pageIndex) + 1);
        mPages[static_cast<std::size_t>(pageIndex)] = page;
    }
    Page* fnAt(int pageIndex) const
    {
        if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= mPages.size())
            return nullptr;
        return mPages[static_cast<std::size_t>(pageIndex)].data();
    }

private:
    std::vector<QPointer<Page>> mPages;
};

// A page being built in the shell's order: the page object made on the new tab
// sheet, stored at the page index and named prefix + index, the sheet captioned
// and hidden while the widgets go on it; prShowSheet shows it again.
template <typename Page>
struct TMyNewPage {
    Page* page = nullptr;
    QWidget* sheet = nullptr;
    int index = -1;
    bool wasHidden = false;

    explicit operator bool() const { return page != nullptr; }
    void prShowSheet() const
    {
        if (!wasHidden)
            sheet->show();
    }
};

template <typename Page>
TMyNewPage<Page> fnBeginNewPage(TMyPageHost& host, TMyPageList<Page>& pages, const QString& prefix,
                                std::uint32_t captionId)
{
    TMyNewPage<Page> made;
    made.index = host.fnActivePageIndex();
    made.sheet = host.fnNewTabSheet();
    if (made.index < 0 || !made.sheet)
        return {};
    made.page = new Page(made.sheet, host);
    pages.prStore(made.index, made.page);
    made.page->setObjectName(prefix + QString::number(made.index));
    made.wasHidden = made.sheet->isHidden();
    made.sheet->hide();
    host.prSetPageCaption(made.index, fnText(captionId) + QString::number(made.index));
    return made;
}
