// The random-UI soak: one real window driven by a seeded random user who
// opens and closes calculators, switches tabs, clicks anywhere on the active
// page, types keys (Cyrillic too), pastes, and picks list, unit and grid
// entries. After every action nothing may show "nan" or "inf", no stray or
// modal window may be open, and the sanitizers must stay quiet. The same seed
// always plays the same actions, so a failure names its seed and the last
// actions and replays with
//   QF_SOAK_SEED=<seed> QF_SOAK_ACTIONS=<actions> quillfern_soak_tests
#include "UiTestSupport.h"

#include "calculators/ColorMark/ColorMarkPage.h"
#include "calculators/Transformer/TransformerPage.h"
#include "common/ui/ImageCanvas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <random>
#include <string>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define QF_SOAK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QF_SOAK_SANITIZED 1
#endif
#endif
#ifdef QF_SOAK_SANITIZED
#include <dlfcn.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// CI plays this seed; QF_SOAK_SEED and QF_SOAK_ACTIONS choose another run.
constexpr std::uint32_t DefaultSeed = 1;
constexpr int DefaultActions = 3000;

// Visible calculator tabs above which opening one closes one instead.
constexpr int MaxOpenTabs = 12;
// Actions kept for the failure report.
constexpr std::size_t LogDepth = 20;

std::uint64_t fnEnvNumber(const char* name, std::uint64_t fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    return ok ? number : fallback;
}

// The run in progress, for the report printed when the process dies.
struct TSoakTrace {
    std::uint32_t seed = 0;
    int action = 0;
    std::deque<std::string> log;
};
TSoakTrace* ActiveTrace = nullptr;

void prPrintTrace()
{
    if (!ActiveTrace)
        return;
    std::fprintf(stderr, "\nSoak died: seed %u, action %d. Last actions:\n", ActiveTrace->seed, ActiveTrace->action);
    for (const std::string& line : ActiveTrace->log)
        std::fprintf(stderr, "  %s\n", line.c_str());
    std::fflush(stderr);
}

void prOnFatalSignal(int signal)
{
    prPrintTrace();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A sanitizer report, crash or abort prints the seed and the last actions too.
void prInstallDeathReport()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
#ifdef QF_SOAK_SANITIZED
    __sanitizer_set_death_callback(prPrintTrace);
    // g++ loads UBSan as a runtime of its own, which keeps its own callback.
    if (void* ubsan = dlopen("libubsan.so.1", RTLD_NOW | RTLD_NOLOAD)) {
        using TSetCallback = void (*)(void (*)());
        if (auto set = reinterpret_cast<TSetCallback>(dlsym(ubsan, "__sanitizer_set_death_callback")))
            set(prPrintTrace);
    }
#endif
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
        std::signal(signal, prOnFatalSignal);
}

// The offscreen platform says this for every popup shown; one line per popup
// would bury the report.
QtMessageHandler PreviousMessageHandler = nullptr;
void prQuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (PreviousMessageHandler)
        PreviousMessageHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Tooltips come from real-time hover timers; swallowing them keeps a run
// independent of how fast the machine is.
class TNoToolTips : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
    }
};

QString fnWidgetName(const QObject* object)
{
    if (!object)
        return QStringLiteral("-");
    if (!object->objectName().isEmpty())
        return object->objectName();
    // An unnamed part (a viewport, a cell editor, a scroll button) is named by its owner.
    QString name = QString::fromLatin1(object->metaObject()->className());
    for (const QObject* up = object->parent(); up; up = up->parent())
        if (!up->objectName().isEmpty())
            return name + " in " + up->objectName();
    return name;
}

bool fnShowsNanOrInf(const QString& text)
{
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
           || text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

// The visible widgets under `root`, parents before children, in creation order.
void prCollectVisible(QWidget* root, QList<QWidget*>& out)
{
    for (QObject* child : root->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || !widget->isVisible())
            continue;
        out.append(widget);
        prCollectVisible(widget, out);
    }
}

class TSoakMonkey {
public:
    TSoakMonkey(TMyFormMain& form, std::uint32_t seed) : mForm(form), mRandom(seed)
    {
        mTrace.seed = seed;
        mPages = form.fnPageControl();
    }
    ~TSoakMonkey()
    {
        if (ActiveTrace == &mTrace)
            ActiveTrace = nullptr;
    }

    // Plays up to `actions` actions; false at the first failed check.
    bool fnRun(int actions)
    {
        ActiveTrace = &mTrace;
        // Nothing carried over from an earlier run may change this one.
        QGuiApplication::clipboard()->clear();
        prSettle();
        for (int k = 1; k <= actions; ++k) {
            mTrace.action = k;
            mDone = k;
            prAct();
            prAnswerPopups();
            prSettle();
            prKeepWindowActive();
            prLogFocus();
            const QString problem = fnCheck();
            if (!problem.isEmpty()) {
                prFail(problem);
                return false;
            }
        }
        prDigest(fnVisibleTexts());
        ActiveTrace = nullptr;
        return true;
    }

    const QString& fnFailure() const { return mFailure; }
    // A digest of every action played and the texts left on the window.
    std::uint64_t fnDigest() const { return mDigest; }
    int fnActionsDone() const { return mDone; }
    int fnPagesMade() const { return mPagesMade; }
    int fnPeakOpenTabs() const { return mPeakOpenTabs; }
    // Context menus and opened unit lists the run answered.
    int fnMenusAnswered() const { return mMenusAnswered; }
    int fnListsAnswered() const { return mListsAnswered; }

    // Every text the window shows: where (a widget's name) and what.
    QList<std::pair<QString, QString>> fnVisibleTextList() const
    {
        QList<std::pair<QString, QString>> texts{{QStringLiteral("title"), mForm.windowTitle()}};
        QTabBar* bar = mPages->tabBar();
        if (mPages->isVisible())
            for (int i = 0; i < mPages->count(); ++i)
                if (mPages->isTabVisible(i))
                    texts.append({QString("tab %1").arg(i), bar->tabText(i)});
        QList<QWidget*> widgets;
        prCollectVisible(&mForm, widgets);
        for (QWidget* widget : widgets) {
            const QString name = fnWidgetName(widget);
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts.append({name, label->text()});
            else if (auto* edit = qobject_cast<QLineEdit*>(widget))
                texts.append({name, edit->text()});
            else if (auto* combo = qobject_cast<QComboBox*>(widget))
                texts.append({name, combo->currentText()});
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts.append({name, button->text()});
            else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
                for (int row = 0; row < table->rowCount(); ++row)
                    for (int col = 0; col < table->columnCount(); ++col)
                        if (const QTableWidgetItem* item = table->item(row, col))
                            texts.append({name + QString(" cell %1,%2").arg(col).arg(row), item->text()});
            } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
                for (int row = 0; row < list->count(); ++row)
                    texts.append({name + QString(" entry %1").arg(row), list->item(row)->text()});
            }
        }
        return texts;
    }

    QString fnVisibleTexts() const
    {
        QStringList lines;
        for (const auto& [where, text] : fnVisibleTextList())
            lines << where + ": " + text;
        return lines.join('\n');
    }

private:
    // ---- choosing and logging ----------------------------------------------

    int fnBelow(int n) { return n <= 0 ? 0 : static_cast<int>(mRandom() % static_cast<std::uint32_t>(n)); }
    bool fnChance(int percent) { return fnBelow(100) < percent; }
    template <typename T>
    T fnPick(const QList<T>& items)
    {
        return items.at(fnBelow(static_cast<int>(items.size())));
    }

    void prDigest(const QString& text)
    {
        for (char16_t c : text.toStdU16String()) {
            mDigest ^= c;
            mDigest *= 1099511628211ull;
        }
    }

    void prLog(const QString& what)
    {
        const QString line = QString("#%1 [%2] %3").arg(mTrace.action).arg(fnActivePageName(), what);
        prDigest(line);
        mTrace.log.push_back(line.toStdString());
        if (mTrace.log.size() > LogDepth)
            mTrace.log.pop_front();
        // A run that hangs prints no report: QF_SOAK_TRACE shows each action as it starts.
        static const bool trace = qEnvironmentVariableIsSet("QF_SOAK_TRACE");
        if (trace) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
            std::fflush(stderr);
        }
    }

    // The offscreen platform activates the popups it shows, and a unit list
    // closed by a double click's second press leaves its hidden popup active.
    // A desktop keeps the window active throughout, and pages ask their
    // fields' hasFocus(), which needs an active window.
    void prKeepWindowActive()
    {
        if (QApplication::activeWindow() == &mForm || !mForm.isVisible())
            return;
        prLog("window activated again after " + fnWidgetName(QApplication::activeWindow()));
        mForm.activateWindow();
        prSettle();
    }

    // What the focused field holds after the action: the log then shows what each key did.
    void prLogFocus()
    {
        auto* edit = qobject_cast<QLineEdit*>(mForm.focusWidget());
        if (!edit || mTrace.log.empty())
            return;
        const QString state = QString("  -> %1 '%2'").arg(fnWidgetName(edit), edit->text().left(60));
        prDigest(state);
        mTrace.log.back() += state.toStdString();
    }

    void prFail(const QString& why)
    {
        QString report = QString("Soak failed: seed %1, action %2: %3\nReplay: QF_SOAK_SEED=%1 QF_SOAK_ACTIONS=%2\n"
                                 "Last actions:\n")
                             .arg(mTrace.seed)
                             .arg(mTrace.action)
                             .arg(why);
        for (const std::string& line : mTrace.log)
            report += "  " + QString::fromStdString(line) + '\n';
        mFailure = report;
        ActiveTrace = nullptr;
    }

    // ---- the window as the user sees it ------------------------------------

    QWidget* fnActiveSheet() const
    {
        const int index = mForm.fnActivePageIndex();
        return index >= 0 && mPages->isVisible() ? mPages->widget(index) : nullptr;
    }

    QString fnActivePageName() const
    {
        const QWidget* sheet = fnActiveSheet();
        if (!sheet)
            return QStringLiteral("no tab");
        if (sheet == mPages->widget(0))
            return QStringLiteral("help");
        for (const QObject* child : sheet->children())
            if (!child->isWidgetType() && !child->objectName().isEmpty())
                return child->objectName();
        return sheet->objectName();
    }

    QList<int> fnVisibleTabs(bool withHelp) const
    {
        QList<int> tabs;
        if (!mPages->isVisible())
            return tabs;
        for (int i = withHelp ? 0 : 1; i < mPages->count(); ++i)
            if (mPages->isTabVisible(i))
                tabs.append(i);
        return tabs;
    }

    QList<QWidget*> fnPageWidgets() const
    {
        QList<QWidget*> widgets;
        if (QWidget* sheet = fnActiveSheet())
            prCollectVisible(sheet, widgets);
        return widgets;
    }

    template <typename T>
    QList<T*> fnPageWidgetsOf(bool enabledOnly) const
    {
        QList<T*> found;
        for (QWidget* widget : fnPageWidgets())
            if (auto* typed = qobject_cast<T*>(widget); typed && (!enabledOnly || typed->isEnabled()))
                found.append(typed);
        return found;
    }

    static bool fnIsExitButton(const QWidget* widget)
    {
        // The help page's exit button ends the program, which the soak does not test.
        for (; widget; widget = widget->parentWidget())
            if (widget->objectName() == QLatin1String("btnExit"))
                return true;
        return false;
    }

    // ---- input through the window, as the platform delivers it -------------

    void prSettle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A click at `local` of `widget`, delivered to whatever the window has there.
    void prClick(QWidget* widget, QPoint local, Qt::MouseButton button, bool twice, const QString& why)
    {
        const QPoint at = widget->mapTo(&mForm, local);
        QWidget* hit = mForm.childAt(at);
        if (fnIsExitButton(hit)) {
            prLog(why + ": not on the exit button");
            return;
        }
        const char* kind = twice ? "double" : button == Qt::LeftButton ? "left" : "right";
        prLog(QString("%1: %2 click at (%3,%4) of %5, on %6")
                  .arg(why, QLatin1String(kind))
                  .arg(local.x())
                  .arg(local.y())
                  .arg(fnWidgetName(widget), fnWidgetName(hit)));
        if (twice) {
            QTest::mouseDClick(mForm.windowHandle(), button, {}, at);
            // A field arms a triple click for the double-click interval; let it lapse,
            // so the next click means the same whatever the machine's speed.
            QTest::qWait(2 * QApplication::doubleClickInterval());
        } else
            QTest::mouseClick(mForm.windowHandle(), button, {}, at);
    }

    void prClickInside(QWidget* widget, Qt::MouseButton button, bool twice, const QString& why)
    {
        prClick(widget, QPoint(fnBelow(widget->width()), fnBelow(widget->height())), button, twice, why);
    }

    // A key as the platform sends it: the window routes it to the focus or the open popup.
    void prKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::sendKeyEvent(QTest::Click, mForm.windowHandle(), key, text, modifiers);
    }

    void prTypeText(const QString& text)
    {
        for (QChar c : text) {
            const QChar upper = c.toUpper();
            prKey(static_cast<Qt::Key>(upper.unicode()), QString(c));
        }
    }

    static QString fnKeyName(Qt::Key key) { return QKeySequence(key).toString(); }

    Qt::MouseButton fnButton() { return fnChance(85) ? Qt::LeftButton : Qt::RightButton; }

    // ---- actions -----------------------------------------------------------

    void prAct()
    {
        struct TWeighted {
            int weight;
            void (TSoakMonkey::*act)();
        };
        static const TWeighted Actions[] = {
            {20, &TSoakMonkey::prOpenCalculator}, {8, &TSoakMonkey::prHelpCommand},
            {40, &TSoakMonkey::prSwitchTab},      {15, &TSoakMonkey::prCloseActiveTab},
            {230, &TSoakMonkey::prClickAnywhere}, {120, &TSoakMonkey::prClickControl},
            {50, &TSoakMonkey::prClickMarking},   {50, &TSoakMonkey::prGridCell},
            {220, &TSoakMonkey::prPressKey},      {130, &TSoakMonkey::prTypeNumber},
            {50, &TSoakMonkey::prPaste},          {67, &TSoakMonkey::prChooseInCombo},
            {25, &TSoakMonkey::prFillPage},
        };
        int total = 0;
        for (const TWeighted& action : Actions)
            total += action.weight;
        int roll = fnBelow(total);
        for (const TWeighted& action : Actions) {
            if (roll < action.weight) {
                (this->*action.act)();
                return;
            }
            roll -= action.weight;
        }
    }

    void prOpenCalculator()
    {
        const int open = static_cast<int>(fnVisibleTabs(false).size());
        mPeakOpenTabs = std::max(mPeakOpenTabs, open);
        if (open >= MaxOpenTabs) {
            // Enough tabs: close one of them instead.
            const int tab = fnPick(fnVisibleTabs(false));
            prLog(QString("too many tabs: to tab %1").arg(tab));
            mPages->setCurrentIndex(tab);
            prSettle();
            prCloseActiveTab();
            return;
        }
        struct TKind {
            const char* action;
            void (TMyFormMain::*slot)();
        };
        static const TKind Kinds[] = {
            {"menuTransformer", &TMyFormMain::prMenuTransformerClick},
            {"menuCoil", &TMyFormMain::prMenuCoilClick},
            {"menuFilter", &TMyFormMain::prMenuFilterClick},
            {"menuColorMark", &TMyFormMain::prMenuColorMarkClick},
            {"menuFormulas", &TMyFormMain::prMenuFormulasClick},
            {"menuLadder", &TMyFormMain::prMenuLadderClick},
        };
        const TKind& kind = Kinds[fnBelow(static_cast<int>(std::size(Kinds)))];
        ++mPagesMade;
        if (fnChance(50)) {
            prLog(QString("open %1 from the menu").arg(QLatin1String(kind.action)));
            mForm.findChild<QAction*>(QLatin1String(kind.action))->trigger();
        } else {
            prLog(QString("open %1 by its handler").arg(QLatin1String(kind.action)));
            (mForm.*kind.slot)();
        }
    }

    void prHelpCommand()
    {
        if (fnChance(50)) {
            prLog(QStringLiteral("help from the menu"));
            mForm.findChild<QAction*>(QStringLiteral("menuHelpPage"))->trigger();
        } else {
            prLog(QStringLiteral("help by its handler"));
            mForm.prMenuHelpClick();
        }
    }

    void prSwitchTab()
    {
        const QList<int> tabs = fnVisibleTabs(true);
        if (tabs.isEmpty()) {
            prHelpCommand();
            return;
        }
        QTabBar* bar = mPages->tabBar();
        const int tab = fnPick(tabs);
        const int way = fnBelow(10);
        if (way < 4) {
            const QRect place = bar->tabRect(tab);
            if (bar->rect().contains(place.center())) {
                prClick(bar, place.center(), Qt::LeftButton, false, QString("tab %1").arg(tab));
                return;
            }
        } else if (way < 6) {
            // Anywhere on the tab row, the scroll arrows included.
            prClickInside(bar, Qt::LeftButton, false, QStringLiteral("tab row"));
            return;
        }
        prLog(QString("to tab %1").arg(tab));
        mPages->setCurrentIndex(tab);
    }

    void prCloseActiveTab()
    {
        QWidget* sheet = fnActiveSheet();
        QPushButton* close = nullptr;
        if (sheet)
            for (auto* button : sheet->findChildren<QPushButton*>(QStringLiteral("btnClose")))
                if (button->isVisible())
                    close = button;
        if (!close) {
            // The help page has no close button: close another tab.
            const QList<int> tabs = fnVisibleTabs(false);
            if (tabs.isEmpty()) {
                prLog(QStringLiteral("nothing to close"));
                return;
            }
            const int tab = fnPick(tabs);
            prLog(QString("to tab %1 to close it").arg(tab));
            mPages->setCurrentIndex(tab);
            prSettle();
            sheet = fnActiveSheet();
            for (auto* button : sheet->findChildren<QPushButton*>(QStringLiteral("btnClose")))
                if (button->isVisible())
                    close = button;
            if (!close)
                return;
        }
        prClickInside(close, Qt::LeftButton, false, QStringLiteral("close"));
    }

    void prClickAnywhere()
    {
        const QList<QWidget*> widgets = fnPageWidgets();
        if (widgets.isEmpty()) {
            // Every tab closed: the empty client area (never the menu bar).
            const int top = mForm.menuBar()->height();
            prClick(&mForm, QPoint(fnBelow(mForm.width()), top + fnBelow(mForm.height() - top)), fnButton(), false,
                    QStringLiteral("empty window"));
            return;
        }
        QWidget* widget = fnPick(widgets);
        const bool twice = fnChance(10);
        prClickInside(widget, twice ? Qt::LeftButton : fnButton(), twice, QStringLiteral("anywhere"));
    }

    // Radio buttons, check boxes, list entries and push buttons (not closing ones).
    void prClickControl()
    {
        QList<QWidget*> controls;
        QList<QRect> places;
        for (QWidget* widget : fnPageWidgets()) {
            if (!widget->isEnabled())
                continue;
            if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)
                || (qobject_cast<QPushButton*>(widget) && widget->objectName() != QLatin1String("btnClose")
                    && !fnIsExitButton(widget))) {
                controls.append(widget);
                places.append(widget->rect());
            } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
                for (int row = 0; row < list->count(); ++row) {
                    const QRect item = list->visualItemRect(list->item(row));
                    if (list->viewport()->rect().intersects(item)) {
                        controls.append(list->viewport());
                        places.append(item & list->viewport()->rect());
                    }
                }
            }
        }
        if (controls.isEmpty()) {
            prClickAnywhere();
            return;
        }
        const int k = fnBelow(static_cast<int>(controls.size()));
        const QRect place = places.at(k);
        const QPoint at(place.left() + fnBelow(place.width()), place.top() + fnBelow(place.height()));
        const bool twice = fnChance(8);
        prClick(controls.at(k), at, twice ? Qt::LeftButton : fnButton(), twice, QStringLiteral("control"));
    }

    // Chart cells and the reset area of a marking page's picture.
    void prClickMarking()
    {
        TMyColorMarkPage* page = fnColorMarkPage(mForm.fnActivePageIndex());
        if (!page || !page->imagePanelResult->isVisible()) {
            prClickAnywhere();
            return;
        }
        const TMarkPlaces& places = page->fnPlaces();
        TRect place = places.reset;
        QString what = QStringLiteral("reset area");
        if (fnChance(85)) {
            const int row = 1 + fnBelow(MarkRows);
            const int band = 1 + fnBelow(MarkBands);
            place = places.cell[static_cast<std::size_t>(row)][static_cast<std::size_t>(band)];
            what = QString("chart row %1 band %2").arg(row).arg(band);
        }
        const QPoint at(place.Left + fnBelow(place.Right - place.Left), place.Top + fnBelow(place.Bottom - place.Top));
        prClick(page->imagePanelResult, at, fnChance(90) ? Qt::LeftButton : Qt::RightButton, fnChance(5), what);
    }

    // A cell of the transformer's winding grid: picked, then perhaps typed into.
    void prGridCell()
    {
        TMyTrans* page = fnTransPage(mForm.fnActivePageIndex());
        if (!page || !page->sgTransOutput->isVisible()) {
            prTypeNumber();
            return;
        }
        QTableWidget* grid = page->sgTransOutput;
        const bool open = fnChance(75);
        const int row = open ? TransFirstSecondaryRow + fnBelow(grid->rowCount() - TransFirstSecondaryRow)
                             : fnBelow(grid->rowCount());
        const int col = open ? 1 + fnBelow(2) : fnBelow(grid->columnCount());
        const QRect cell = grid->visualRect(grid->model()->index(row, col)) & grid->viewport()->rect();
        if (cell.isEmpty())
            return;
        const QPoint at(cell.left() + fnBelow(cell.width()), cell.top() + fnBelow(cell.height()));
        prClick(grid->viewport(), at, Qt::LeftButton, fnChance(25), QString("grid cell %1,%2").arg(col).arg(row));
        if (fnChance(60)) {
            const QString number = fnRandomNumberText();
            prLog("type " + number);
            prTypeText(number);
            static const Qt::Key Ends[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Down, Qt::Key_Up};
            const Qt::Key end = Ends[fnBelow(5)];
            prLog("then " + fnKeyName(end));
            prKey(end, end == Qt::Key_Return ? "\r" : end == Qt::Key_Tab ? "\t" : QString());
        }
    }

    // One key to the focused widget.
    void prPressKey()
    {
        QWidget* focus = mForm.focusWidget();
        struct TNamedKey {
            Qt::Key key;
            const char* text;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        };
        static const TNamedKey Controls[] = {
            {Qt::Key_Return, "\r", Qt::NoModifier, "Enter"},
            {Qt::Key_Enter, "\r", Qt::KeypadModifier, "keypad Enter"},
            {Qt::Key_Tab, "\t", Qt::NoModifier, "Tab"},
            {Qt::Key_Backtab, "", Qt::ShiftModifier, "Shift+Tab"},
            {Qt::Key_Backspace, "\b", Qt::NoModifier, "Backspace"},
            {Qt::Key_Delete, "\x7f", Qt::NoModifier, "Delete"},
            {Qt::Key_Left, "", Qt::NoModifier, "Left"},
            {Qt::Key_Right, "", Qt::NoModifier, "Right"},
            {Qt::Key_Up, "", Qt::NoModifier, "Up"},
            {Qt::Key_Down, "", Qt::NoModifier, "Down"},
            {Qt::Key_Home, "", Qt::NoModifier, "Home"},
            {Qt::Key_End, "", Qt::NoModifier, "End"},
            {Qt::Key_End, "", Qt::ShiftModifier, "Shift+End"},
            {Qt::Key_Home, "", Qt::ShiftModifier, "Shift+Home"},
            {Qt::Key_PageUp, "", Qt::NoModifier, "PageUp"},
            {Qt::Key_PageDown, "", Qt::NoModifier, "PageDown"},
            {Qt::Key_Space, " ", Qt::NoModifier, "Space"},
            {Qt::Key_Escape, "\x1b", Qt::NoModifier, "Escape"},
            {Qt::Key_F2, "", Qt::NoModifier, "F2"},
            {Qt::Key_A, "", Qt::ControlModifier, "Ctrl+A"},
            {Qt::Key_Z, "", Qt::ControlModifier, "Ctrl+Z"},
            {Qt::Key_Z, "", Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
            {Qt::Key_C, "", Qt::ControlModifier, "Ctrl+C"},
            {Qt::Key_X, "", Qt::ControlModifier, "Ctrl+X"},
            {Qt::Key_V, "", Qt::ControlModifier, "Ctrl+V"},
            {Qt::Key_Tab, "", Qt::ControlModifier, "Ctrl+Tab"},
            {Qt::Key_W, "", Qt::ControlModifier, "Ctrl+W"},
            {Qt::Key_F1, "", Qt::NoModifier, "F1"},
        };
        const int kind = fnBelow(100);
        QString text;
        if (kind < 30)
            text = QChar('0' + fnBelow(10));
        else if (kind < 38)
            text = fnChance(50) ? QStringLiteral(",") : QStringLiteral(".");
        else if (kind < 43)
            text = fnChance(50) ? QStringLiteral("-") : QStringLiteral("+");
        else if (kind < 47)
            text = fnChance(70) ? QStringLiteral("e") : QStringLiteral("E");
        else if (kind < 54)
            text = fnRandomLatin();
        else if (kind < 61)
            text = fnRandomCyrillic();
        if (!text.isEmpty()) {
            prLog(QString("key '%1' to %2").arg(text, fnWidgetName(focus)));
            prTypeText(text);
            return;
        }
        const TNamedKey& key = Controls[fnBelow(static_cast<int>(std::size(Controls)))];
        if (key.key == Qt::Key_Space && fnIsExitButton(focus)) {
            prLog(QStringLiteral("not Space on the exit button"));
            return;
        }
        prLog(QString("key %1 to %2").arg(QLatin1String(key.name), fnWidgetName(focus)));
        prKey(key.key, QString::fromLatin1(key.text), key.modifiers);
    }

    QList<QLineEdit*> fnFields() const
    {
        QList<QLineEdit*> fields;
        for (QLineEdit* edit : fnPageWidgetsOf<QLineEdit>(true))
            if (!edit->isReadOnly())
                fields.append(edit);
        return fields;
    }

    // Focuses a field by clicking it (or keeps the focused one); null when the page has none.
    QLineEdit* fnFocusField()
    {
        auto* focused = qobject_cast<QLineEdit*>(mForm.focusWidget());
        // QLineEdit::insert writes into a read-only field too, which no user can.
        if (focused && focused->window() == &mForm && !focused->isReadOnly() && fnChance(40))
            return focused;
        const QList<QLineEdit*> fields = fnFields();
        if (fields.isEmpty())
            return nullptr;
        QLineEdit* edit = fnPick(fields);
        // A double click selects a word; a single one places the caret.
        prClickInside(edit, Qt::LeftButton, fnChance(20), QStringLiteral("field"));
        focused = qobject_cast<QLineEdit*>(mForm.focusWidget());
        return focused && !focused->isReadOnly() ? focused : nullptr;
    }

    void prTypeNumber()
    {
        QLineEdit* edit = fnFocusField();
        if (!edit) {
            prPressKey();
            return;
        }
        if (fnChance(60)) {
            prLog(QStringLiteral("select all"));
            prKey(Qt::Key_A, QString(), Qt::ControlModifier);
        }
        const QString number = fnRandomNumberText();
        prLog(QString("type %1 into %2").arg(number, fnWidgetName(edit)));
        prTypeText(number);
        if (fnChance(25)) {
            const bool enter = fnChance(50);
            prLog(enter ? QStringLiteral("then Enter") : QStringLiteral("then Tab"));
            prKey(enter ? Qt::Key_Return : Qt::Key_Tab, enter ? "\r" : "\t");
        }
    }

    // Every field of the page typed over, as a user does who enters a whole
    // design: calculations run with all inputs given, extremes included.
    void prFillPage()
    {
        const QList<QLineEdit*> fields = fnFields();
        if (fields.isEmpty()) {
            prClickControl();
            return;
        }
        prLog(QString("fill %1 fields").arg(fields.size()));
        // An earlier entry may change the view, and a grid's cell editor goes when it loses the focus.
        QList<QPointer<QLineEdit>> guarded(fields.begin(), fields.end());
        for (QLineEdit* edit : guarded) {
            if (!edit || !edit->isVisible() || !edit->isEnabled() || edit->isReadOnly())
                continue;
            prClickInside(edit, Qt::LeftButton, false, QStringLiteral("field"));
            if (mForm.focusWidget() != edit)
                continue;
            prKey(Qt::Key_A, QString(), Qt::ControlModifier);
            const QString number = fnRandomNumberText();
            prLog("type " + number);
            prTypeText(number);
        }
    }

    // A paste: the text goes in as a paste does, through the field's limits and filters.
    void prPaste()
    {
        QLineEdit* edit = fnFocusField();
        if (!edit) {
            prPressKey();
            return;
        }
        const QString text = fnRandomPasteText();
        if (fnChance(25)) {
            // Through the clipboard and the paste key.
            prLog(QString("clipboard %1 chars '%2', Ctrl+V into %3")
                      .arg(text.size())
                      .arg(text.left(60), fnWidgetName(edit)));
            QGuiApplication::clipboard()->setText(text);
            prKey(Qt::Key_V, QString(), Qt::ControlModifier);
            return;
        }
        prLog(QString("paste %1 chars '%2' into %3").arg(text.size()).arg(text.left(60), fnWidgetName(edit)));
        edit->insert(text);
    }

    void prChooseInCombo()
    {
        const QList<QComboBox*> combos = fnPageWidgetsOf<QComboBox>(true);
        if (combos.isEmpty()) {
            prClickControl();
            return;
        }
        QComboBox* combo = fnPick(combos);
        const int way = fnBelow(10);
        if (way < 5) {
            const int index = fnBelow(combo->count());
            prLog(QString("choose %1 in %2").arg(index).arg(fnWidgetName(combo)));
            combo->setCurrentIndex(index);
        } else if (way < 7) {
            // The list opens; the popup answer picks an entry or dismisses it.
            prClickInside(combo, Qt::LeftButton, false, QStringLiteral("unit list"));
        } else {
            static const Qt::Key Keys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                           Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
            combo->setFocus(Qt::TabFocusReason);
            if (fnChance(70)) {
                const Qt::Key key = Keys[fnBelow(6)];
                prLog(QString("%1 to %2").arg(fnKeyName(key), fnWidgetName(combo)));
                prKey(key, QString());
            } else {
                const QString letter = fnChance(50) ? QString(fnRandomCyrillic()) : QString(fnRandomLatin());
                prLog(QString("key '%1' to %2").arg(letter, fnWidgetName(combo)));
                prTypeText(letter);
            }
        }
    }

    // Unit lists and context menus opened by an action: an entry picked with the keys, or dismissed.
    void prAnswerPopups()
    {
        for (int round = 0; round < 4; ++round) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                return;
            ++(qobject_cast<QMenu*>(popup) ? mMenusAnswered : mListsAnswered);
            if (fnChance(35)) {
                prLog("popup " + fnWidgetName(popup) + ": Escape");
                prKey(Qt::Key_Escape, "\x1b");
            } else {
                const int steps = fnBelow(6);
                prLog(QString("popup %1: Down %2, Enter").arg(fnWidgetName(popup)).arg(steps));
                for (int k = 0; k < steps; ++k)
                    prKey(Qt::Key_Down, QString());
                prKey(Qt::Key_Return, "\r");
            }
            prSettle();
        }
    }

    // ---- random texts ------------------------------------------------------

    QChar fnRandomLatin() { return QChar((fnChance(70) ? 'a' : 'A') + fnBelow(26)); }
    QChar fnRandomCyrillic()
    {
        if (fnChance(5))
            return fnChance(50) ? QChar(0x0451) : QChar(0x0401); // ё Ё
        return QChar((fnChance(70) ? 0x0430 : 0x0410) + fnBelow(32));
    }

    QString fnDigits(int count)
    {
        QString digits;
        for (int k = 0; k < count; ++k)
            digits += QChar('0' + fnBelow(10));
        return digits;
    }

    // Numbers as users type them, with the edges where arithmetic overflows.
    QString fnRandomNumberText()
    {
        const QString point = fnChance(75) ? QStringLiteral(",") : QStringLiteral(".");
        QString number;
        switch (fnBelow(10)) {
        case 0:
        case 1:
        case 2: number = QString::number(fnBelow(fnChance(50) ? 10 : 1000)); break;
        case 3:
        case 4: number = QString::number(fnBelow(1000)) + point + fnDigits(1 + fnBelow(4)); break;
        case 5:
            number = fnDigits(1 + fnBelow(3)) + (fnChance(50) ? "e" : "E") + (fnChance(50) ? "-" : "")
                     + QString::number(fnBelow(fnChance(50) ? 12 : 400));
            break;
        case 6: {
            static const char* Zeros[] = {"0", "00", "0,0", "0.", ",0", "-0", "0e0", "0e-5", "", "-", ",", "e"};
            number = QString::fromLatin1(Zeros[fnBelow(static_cast<int>(std::size(Zeros)))]);
            break;
        }
        case 7:
            if (fnChance(60)) {
                // Short enough for the narrow fields, large or small enough to overflow a product.
                static const char* Edges[] = {"9e99",  "1e-99", "9e9",  "1e38", "1e-9",  "5e-5",
                                              "1e308", "2e308", "9e-9", "1e15", "1e-15", "99e9"};
                number = QString::fromLatin1(Edges[fnBelow(static_cast<int>(std::size(Edges)))]);
            } else {
                number = "1" + fnDigits(20 + fnBelow(380));
            }
            break;
        case 8: number = "0" + point + QString(fnBelow(30), '0') + fnDigits(1 + fnBelow(3)); break;
        default:
            number = "-" + QString::number(fnBelow(1000)) + (fnChance(50) ? point + fnDigits(2) : QString());
            break;
        }
        return number;
    }

    QString fnRandomPasteText()
    {
        static const QString Pieces[] = {"1",   "2,5", "3.3",  "e",    "E-9",  "-", "+",  " ",      "1e308", "1e999",
                                         "nan", "inf", "-inf", "NaN",  "0x1F", "μ", "Ом", "кГц",    "\t",    "12К",
                                         "R47", "4R7", "01C",  "104K", "ё",    "€", "½",  "\u00a0", "\n",    "١٢"};
        QString text;
        const int length = fnChance(10) ? 100 + fnBelow(5000) : 1 + fnBelow(20);
        while (text.size() < length) {
            const int kind = fnBelow(4);
            if (kind == 0)
                text += Pieces[fnBelow(static_cast<int>(std::size(Pieces)))];
            else if (kind == 1)
                text += fnDigits(1 + fnBelow(4));
            else if (kind == 2)
                text += fnChance(50) ? fnRandomLatin() : fnRandomCyrillic();
            else
                text += QChar(0x20 + fnBelow(0x5f)); // printable ASCII
        }
        return text.left(length);
    }

    // ---- the checks after each action --------------------------------------

    QString fnCheck() const
    {
        if (!mForm.isVisible())
            return QStringLiteral("the main window is gone");
        if (QWidget* modal = QApplication::activeModalWidget())
            return "a modal window is open: " + fnWidgetName(modal);
        if (QWidget* popup = QApplication::activePopupWidget())
            return "a popup stays open: " + fnWidgetName(popup);
        // Keys must reach something the user sees.
        if (QWidget* focus = QApplication::focusWidget(); focus && !focus->isVisible())
            return "the focus is on a hidden widget: " + fnWidgetName(focus);
        if (QApplication::activeWindow() != &mForm)
            return "the main window lost the activation to " + fnWidgetName(QApplication::activeWindow());
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window == mForm.windowHandle() || !window->isVisible())
                continue;
            QString name = window->objectName();
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->windowHandle() == window)
                    name = fnWidgetName(widget);
            return "another window is open: " + name;
        }
        for (const auto& [where, text] : fnVisibleTextList())
            if (fnShowsNanOrInf(text))
                return where + " shows '" + text + "'";
        return {};
    }

    TMyFormMain& mForm;
    QTabWidget* mPages = nullptr;
    std::mt19937 mRandom;
    TSoakTrace mTrace;
    int mDone = 0;
    int mPagesMade = 0;
    int mPeakOpenTabs = 0;
    int mMenusAnswered = 0;
    int mListsAnswered = 0;
    std::uint64_t mDigest = 1469598103934665603ull;
    QString mFailure;
};

class Soak : public ::testing::Test {
protected:
    void SetUp() override
    {
        prInstallDeathReport();
        // Double clicks are told by the events' own time stamps; the short interval
        // only shortens the real-time windows that follow one (see prClick).
        mDoubleClickInterval = QApplication::doubleClickInterval();
        QApplication::setDoubleClickInterval(10);
        PreviousMessageHandler = qInstallMessageHandler(prQuietPlatformNotes);
        qApp->installEventFilter(&mNoToolTips);
        // Letter searches in lists start afresh with every key, whatever the time between keys.
        QApplication::setKeyboardInputInterval(-1);
        for (Qt::UIEffect effect : {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo, Qt::UI_AnimateTooltip,
                                    Qt::UI_FadeTooltip, Qt::UI_AnimateToolBox})
            QApplication::setEffectEnabled(effect, false);
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&mNoToolTips);
        QApplication::setDoubleClickInterval(mDoubleClickInterval);
        qInstallMessageHandler(PreviousMessageHandler);
    }

    static std::unique_ptr<TMyFormMain> fnWindow()
    {
        auto form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        return form;
    }

    TUrlCatcher mUrls; // the help page's links open nothing during the run
    TNoToolTips mNoToolTips;
    int mDoubleClickInterval = 400;
};

TEST_F(Soak, RandomActionsShowNoNanOrInfOpenNoStrayWindowAndDoNotCrash)
{
    const auto seed = static_cast<std::uint32_t>(fnEnvNumber("QF_SOAK_SEED", DefaultSeed));
    const auto actions = static_cast<int>(fnEnvNumber("QF_SOAK_ACTIONS", DefaultActions));
    // Named first, so that even a run killed from outside can be replayed.
    std::printf("Soak: seed %u, up to %d actions\n", seed, actions);
    std::fflush(stdout);
    auto form = fnWindow();
    TSoakMonkey monkey(*form, seed);
    QElapsedTimer clock;
    clock.start();
    const bool passed = monkey.fnRun(actions);
    std::printf("Soak: seed %u, %d actions, %d calculator tabs made (at most %d open), %d context menus, "
                "%d opened lists, digest %016llx, %.1f s\n",
                seed, monkey.fnActionsDone(), monkey.fnPagesMade(), monkey.fnPeakOpenTabs(), monkey.fnMenusAnswered(),
                monkey.fnListsAnswered(), static_cast<unsigned long long>(monkey.fnDigest()),
                static_cast<double>(clock.elapsed()) / 1000.0);
    if (qEnvironmentVariableIsSet("QF_SOAK_DUMP"))
        std::printf("%s\n", qPrintable(monkey.fnVisibleTexts()));
    EXPECT_TRUE(passed) << monkey.fnFailure().toStdString();
}

// A failing seed is only worth reporting if it replays: two runs of one seed
// must play the same actions and leave the same texts on the window.
TEST_F(Soak, OneSeedPlaysTheSameActionsTwice)
{
    struct TCase {
        std::uint32_t seed;
        int actions;
    };
    for (const TCase& run : {TCase{7, 250}, TCase{20240, 250}}) {
        std::uint64_t digests[2] = {};
        for (std::uint64_t& digest : digests) {
            auto form = fnWindow();
            TSoakMonkey monkey(*form, run.seed);
            ASSERT_TRUE(monkey.fnRun(run.actions)) << monkey.fnFailure().toStdString();
            digest = monkey.fnDigest();
        }
        EXPECT_EQ(digests[0], digests[1]) << "seed " << run.seed;
    }
}

} // namespace
