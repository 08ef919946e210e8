#include "app/MainForm.h"

#include "app/Calculators.h"
#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/PageKit.h"
#include "common/ui/PictureSheets.h"
#include "common/ui/UiText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include <cmath>
#include <string_view>

namespace {

// The fixed window: the drawings carry their fields at exact pixels, so the
// client area is fixed too (an outer size of about 780 x 556 with a frame).
constexpr int kClientWidth = 772;
constexpr int kClientHeight = 526;
constexpr int kStatusBarHeight = 18;
constexpr int kWindowLeft = 10;
constexpr int kWindowTop = 10;

// The help page's text lines and links: 10 points at 96 dpi.
constexpr int kHelpFontPixels = 13;

QFont fnWindowFont()
{
    // Tahoma 8 pt where it exists; elsewhere a sans with close metrics. The
    // font matcher walks the list itself: asking the font database about each
    // family first would load and resolve every installed family at start-up.
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

char fnSystemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QLabel* fnHelpLabel(QWidget* parent, const QString& text, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPixelSize(kHelpFontPixels);
    label->setFont(font);
    label->adjustSize();
    return label;
}

void prMakeLink(QLabel* label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus); // reachable with Tab, opened with Enter or Space
    label->setAccessibleName(label->text());
    label->adjustSize();
}

} // namespace

TMyFormMain::TMyFormMain(QWidget* parent) : QMainWindow(parent) { FormCreate(); }

TMyFormMain::~TMyFormMain() = default;

void TMyFormMain::FormCreate()
{
    setObjectName(QStringLiteral("MyFormMain"));
    prSetDecimalSeparator(fnSystemDecimalSeparator());

    // Fixed size, minimise but no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(fnWindowFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kWindowLeft, kWindowTop);
    setWindowTitle(fnText(TextId::WindowTitle));
    prLoadPictureResources();
    setWindowIcon(QIcon(QPixmap::fromImage(fnWindowIcon())));

    prCreateMainMenu();

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setUsesScrollButtons(true);
    setCentralWidget(PageControl);
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { prOnPageChange(); });

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFixedHeight(kStatusBarHeight);
    StatusBar->setSizeGripEnabled(false);
    // A label rather than showMessage(): menu status tips would wipe a message.
    mStatusLabel = new QLabel(StatusBar);
    mStatusLabel->setObjectName(QStringLiteral("StatusText"));
    StatusBar->addWidget(mStatusLabel, 1);
    setStatusBar(StatusBar);

    prCreateNewPage();
    PageControl->setTabText(0, fnText(TextId::HelpTab));
    prCreateHelpPage();
}

void TMyFormMain::prCreateMainMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    auto addEntry = [this](QMenu* menu, std::uint32_t textId, const char* name, auto handler) {
        QAction* action = menu->addAction(fnText(textId));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* fileMenu = bar->addMenu(fnText(TextId::MenuFile));
    fileMenu->setObjectName(QStringLiteral("menuFile"));
    addEntry(fileMenu, TextId::MenuExit, "menuExit", &TMyFormMain::prMenuExitClick)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* calcMenu = bar->addMenu(fnText(TextId::MenuCalculators));
    calcMenu->setObjectName(QStringLiteral("menuCalculators"));
    for (const TMyCalculator& calculator : fnCalculators())
        addEntry(calcMenu, calculator.menuText, calculator.actionName,
                 [this, &calculator] { prOpenCalculator(calculator); });

    QMenu* helpMenu = bar->addMenu(fnText(TextId::MenuHelp));
    helpMenu->setObjectName(QStringLiteral("menuHelp"));
    addEntry(helpMenu, TextId::MenuAbout, "menuHelpPage", &TMyFormMain::prMenuHelpClick)
        ->setShortcut(QKeySequence(Qt::Key_F1));

    // Ctrl+W closes the active calculator's tab as its close button does;
    // the help page stays. Ctrl+C copies the tab's quantities, except where
    // a field has a selection to copy (see eventFilter).
    auto* closeTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    closeTab->setObjectName(QStringLiteral("shortcutCloseTab"));
    connect(closeTab, &QShortcut::activated, this, [this] {
        if (fnActivePageIndex() > 0)
            prClosePage();
    });
    auto* copyTab = new QShortcut(QKeySequence::Copy, this);
    copyTab->setObjectName(QStringLiteral("shortcutCopyTab"));
    connect(copyTab, &QShortcut::activated, this, &TMyFormMain::prCopyPage);
    // One filter for the whole application: the fields' Ctrl+C, the help
    // sheet's resizes and the links' clicks and keys.
    qApp->installEventFilter(this);
}

int TMyFormMain::fnActivePageIndex() const
{
    if (!PageControl)
        return -1;
    const int index = PageControl->currentIndex();
    // With every tab closed the tab widget still names a (hidden) current tab.
    if (index < 0 || !PageControl->isTabVisible(index))
        return -1;
    return index;
}

QSize TMyFormMain::fnPageControlSize() const
{
    // Laid out at once, so a page built before the window is first shown
    // measures the same page control as one built later.
    if (layout())
        layout()->activate();
    return PageControl->size();
}

QSize TMyFormMain::fnTabSheetSize() const
{
    const QSize pageControl = fnPageControlSize();
    // Every sheet has the help sheet's size once the window has been laid out;
    // before that, the page control less its tab row and frame.
    if (isVisible() && PageControl->widget(0))
        return PageControl->widget(0)->size();
    return pageControl - QSize(4, PageControl->tabBar()->sizeHint().height() + 4);
}

void TMyFormMain::prSetPageCaption(int pageIndex, const QString& caption)
{
    PageControl->setTabText(pageIndex, caption);
}

QString TMyFormMain::fnStatusText() const { return mStatusLabel->text(); }

QString TMyFormMain::fnStatusSlot(int pageIndex) const
{
    return pageIndex >= 0 && pageIndex < StatusSlots.size() ? StatusSlots.at(pageIndex) : QString();
}

void TMyFormMain::prCreateNewPage()
{
    auto* sheet = new TMyTabSheet;
    const int index = PageControl->count();
    sheet->setObjectName(QStringLiteral("TabSheet%1").arg(index));
    // The slot exists before the tab becomes active, so the change handler can read it.
    while (StatusSlots.size() < index + 1)
        StatusSlots.append(QString());
    NewTabSheet = sheet;
    PageControl->addTab(sheet, QString());
    PageControl->show();
    PageControl->setCurrentIndex(index);
    prOnPageChange();
}

void TMyFormMain::prNewTextStatusBar(const QString& text)
{
    const int index = fnActivePageIndex();
    if (index >= 0 && index < StatusSlots.size())
        StatusSlots[index] = text;
    prOnPageChange();
}

void TMyFormMain::prOnPageChange()
{
    if (!mStatusLabel)
        return;
    const int index = fnActivePageIndex();
    // No tab left open: nothing to report, and no stale text either.
    mStatusLabel->setText(index >= 0 ? fnStatusSlot(index) : QString());
}

void TMyFormMain::prClosePage()
{
    const int index = fnActivePageIndex();
    if (index < 0)
        return;
    // The tab to the right takes the closed one's place; after the last tab
    // the new last visible tab does.
    int next = -1;
    for (int k = index + 1; k < PageControl->count() && next < 0; ++k)
        if (PageControl->isTabVisible(k))
            next = k;
    for (int k = index - 1; k >= 0 && next < 0; --k)
        if (PageControl->isTabVisible(k))
            next = k;
    if (next >= 0)
        PageControl->setCurrentIndex(next);
    PageControl->setTabVisible(index, false);
    if (next < 0)
        PageControl->hide(); // every tab closed: show an empty window, not a stale page
    prOnPageChange();
}

void TMyFormMain::prMenuExitClick() { close(); }

void TMyFormMain::prCopyPage()
{
    const int index = fnActivePageIndex();
    const QString text = index > 0 ? fnPageCopyText(PageControl->widget(index)) : QString();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void TMyFormMain::prOpenCalculator(const TMyCalculator& calculator)
{
    prCreateNewPage();
    calculator.create(*this);
}

void TMyFormMain::prOpenCalculator(const char* actionName)
{
    for (const TMyCalculator& calculator : fnCalculators())
        if (std::string_view(calculator.actionName) == actionName)
            prOpenCalculator(calculator);
}

// The menu's slots by name, for whoever drives the window from outside.
void TMyFormMain::prMenuTransformerClick() { prOpenCalculator("menuTransformer"); }
void TMyFormMain::prMenuCoilClick() { prOpenCalculator("menuCoil"); }
void TMyFormMain::prMenuFilterClick() { prOpenCalculator("menuFilter"); }
void TMyFormMain::prMenuLadderClick() { prOpenCalculator("menuLadder"); }
void TMyFormMain::prMenuColorMarkClick() { prOpenCalculator("menuColorMark"); }
void TMyFormMain::prMenuFormulasClick() { prOpenCalculator("menuFormulas"); }

void TMyFormMain::prMenuHelpClick()
{
    // A closed help tab comes back at its place in the row.
    PageControl->setTabVisible(0, true);
    PageControl->show();
    PageControl->setCurrentIndex(0);
    prNewTextStatusBar(fnText(TextId::StatusHelp));
}

void TMyFormMain::prOpenWebSite()
{
    // The address shown is the address opened.
    QDesktopServices::openUrl(QUrl(mWebLink->text()));
}

QUrl TMyFormMain::fnMailAddress(const QString& address, const QString& subject)
{
    // The subject is percent-encoded (UTF-8): blanks or Cyrillic left raw would
    // make an invalid address that mail programs refuse or mangle.
    const QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address, "@")
                               + "?subject=" + QUrl::toPercentEncoding(subject);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

void TMyFormMain::prSendEMail()
{
    QDesktopServices::openUrl(fnMailAddress(mMailLink->text(), fnText(TextId::MailSubject)));
}

void TMyFormMain::prCreateHelpPage()
{
    mHelpSheet = NewTabSheet;
    AboutBitmap = fnPictureFromStore(TPictureStore::ImageAbout, 2);

    mHelpPicture = new TMyImageCanvas(mHelpSheet);
    mHelpPicture->setObjectName(QStringLiteral("imageAbout"));

    mHelpLine1 = fnHelpLabel(mHelpSheet, fnText(TextId::HelpLine1), "labelAbout1");
    mHelpLine2 = fnHelpLabel(mHelpSheet, fnText(TextId::HelpLine2), "labelAbout2");
    mWebPrefix = fnHelpLabel(mHelpSheet, QStringLiteral("WWW:"), "labelWebPrefix");
    mWebLink = fnHelpLabel(mHelpSheet, fnText(TextId::WebAddress), "labelWeb");
    mMailPrefix = fnHelpLabel(mHelpSheet, QStringLiteral("E-mail:"), "labelMailPrefix");
    mMailLink = fnHelpLabel(mHelpSheet, fnText(TextId::MailAddress), "labelMail");
    prMakeLink(mWebLink);
    prMakeLink(mMailLink);

    mHelpLine1->move(450, 30);
    const int width2 = mHelpLine1->fontMetrics().horizontalAdvance(mHelpLine1->text());
    const int width3 = mHelpLine2->fontMetrics().horizontalAdvance(mHelpLine2->text());
    // Centre line 2 under line 1; halves round to even.
    const long shift = std::lrint((width2 - width3) / 2.0);
    mHelpLine2->move(mHelpLine1->x() + static_cast<int>(shift), mHelpLine1->y() + 20);
    mWebPrefix->move(mHelpLine1->x(), mHelpLine2->y() + 40);
    mWebLink->move(mWebPrefix->x() + mWebPrefix->width() + 4, mWebPrefix->y());
    mMailPrefix->move(mWebPrefix->x(), mWebPrefix->y() + 20);
    mMailLink->move(mMailPrefix->x() + mMailPrefix->width() + 4, mMailPrefix->y());

    mExitButton = new TMyButton(fnStandardIcon(QStyle::SP_DialogCloseButton), fnText(TextId::Exit), mHelpSheet);
    mExitButton->setObjectName(QStringLiteral("btnExit"));
    mExitButton->adjustSize();
    connect(mExitButton, &QPushButton::clicked, this, &TMyFormMain::prMenuExitClick);

    // The picture and the exit button follow the sheet's size, known only
    // once the page control has laid out its tabs (eventFilter sees its
    // resizes, and the links' clicks and keys).
    prPlaceHelpWidgets();
    mHelpPicture->lower();

    prNewTextStatusBar(fnText(TextId::StatusHelp));
}

void TMyFormMain::prPlaceHelpWidgets()
{
    const QSize sheet = mHelpSheet->size();
    mHelpPicture->move(0, 0);
    mHelpPicture->prSetSize(sheet.width(), sheet.height());
    mHelpPicture->fillRect(fnPlaceRect(0, 0, sheet.width(), sheet.height(), TRect{}), KitPictureBackground);
    const TRect source = fnPlaceRect(1, 1, 411, 237, TRect{});
    mHelpPicture->copyRect(fnPlaceRect(10, 10, 0, 0, source), AboutBitmap, source);
    mExitButton->move(mHelpSheet->geometry().left() + 6, sheet.height() - mExitButton->height() - 7);
}

void TMyFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (devicePixelRatio() > 1)
        prReadSheetsAt2xAhead();
}

bool TMyFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // A field of this window takes Ctrl+C for itself; with nothing selected in
    // it, the key goes to the tab's copy instead.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && isAncestorOf(edit) && !edit->hasSelectedText()) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (watched == mHelpSheet && event->type() == QEvent::Resize) {
        prPlaceHelpWidgets();
    } else if (watched == mWebLink || watched == mMailLink) {
        bool activate = false;
        if (event->type() == QEvent::MouseButtonRelease) {
            activate = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            activate = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        }
        if (activate) {
            watched == mWebLink ? prOpenWebSite() : prSendEMail();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
