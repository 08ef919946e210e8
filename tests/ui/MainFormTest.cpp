#include "UiTestSupport.h"

#include "common/core/Numbers.h"
#include "common/ui/UiText.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QUrlQuery>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Opens a bare calculator-like tab the way a page-creation routine does.
int fnOpenTab(TMyFormMain& form, const QString& caption, const QString& status)
{
    form.prCreateNewPage();
    const int index = form.fnActivePageIndex();
    form.prSetPageCaption(index, caption + QString::number(index));
    form.prNewTextStatusBar(status);
    return index;
}

TEST(MainWindow, StartsWithTheHelpPageOnly)
{
    auto form = fnShownMainForm();
    EXPECT_EQ(form->objectName(), "MyFormMain");
    EXPECT_EQ(form->windowTitle(), fnText(TextId::WindowTitle));
    auto* pages = form->findChild<QTabWidget*>("PageControl");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 1);
    EXPECT_EQ(pages->tabText(0), fnText(TextId::HelpTab));
    EXPECT_EQ(form->fnActivePageIndex(), 0);
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusHelp));
    ASSERT_NE(form->findChild<QStatusBar*>("StatusBar"), nullptr);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->minimumSize(), form->maximumSize()); // fixed size
    EXPECT_FALSE(form->fnAboutBitmap().isNull());
}

TEST(MainWindow, ReadsTheDecimalSeparatorFromTheSystem)
{
    prSetDecimalSeparator('#');
    auto form = fnShownMainForm();
    EXPECT_EQ(QString(QChar(fnGetDecimalSeparator())), QLocale::system().decimalPoint());
    prSetDecimalSeparator(',');
}

TEST(MainWindow, MenuHoldsEveryCommandAndEnablesBuiltCalculators)
{
    auto form = fnShownMainForm();
    struct Entry {
        const char* name;
        std::uint32_t textId;
        bool enabled;
    };
    const Entry entries[] = {
        {"menuExit", TextId::MenuExit, true},         {"menuTransformer", TextId::MenuTransformer, true},
        {"menuCoil", TextId::MenuCoil, true},         {"menuFilter", TextId::MenuFilter, true},
        {"menuColorMark", TextId::MenuMarking, true}, {"menuFormulas", TextId::MenuFormulas, true},
        {"menuHelpPage", TextId::MenuAbout, true},
    };
    for (const auto& e : entries) {
        auto* action = form->findChild<QAction*>(e.name);
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->text(), fnText(e.textId)) << e.name;
        EXPECT_EQ(action->isEnabled(), e.enabled) << e.name;
    }
    const auto menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), fnText(TextId::MenuFile));
    EXPECT_EQ(menus[1]->text(), fnText(TextId::MenuCalculators));
    EXPECT_EQ(menus[2]->text(), fnText(TextId::MenuHelp));
}

// Every menu title and every entry has a mnemonic of its own within its menu.
TEST(MainWindow, EveryMenuEntryHasItsOwnMnemonic)
{
    auto form = fnShownMainForm();
    const auto mnemonic = [](const QString& text) {
        const qsizetype at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    const auto unique = [&](const QList<QAction*>& actions, const std::string& where) {
        QSet<QChar> seen;
        for (const QAction* action : actions) {
            if (action->isSeparator())
                continue;
            const QChar key = mnemonic(action->text());
            EXPECT_FALSE(key.isNull()) << where << ": " << action->text().toStdString();
            EXPECT_FALSE(seen.contains(key)) << where << ": " << action->text().toStdString();
            seen.insert(key);
        }
    };
    unique(form->menuBar()->actions(), "menu bar");
    for (const QAction* title : form->menuBar()->actions())
        unique(title->menu()->actions(), title->text().toStdString());
}

// Ctrl+W closes the active calculator's tab, never the help page; F1 brings
// the help page back; Ctrl+Q ends the program.
TEST(MainWindow, KeysCloseTabsShowHelpAndExit)
{
    auto form = fnShownMainForm();
    (void)QTest::qWaitForWindowActive(form.get());
    auto* pages = form->fnPageControl();
    form->prMenuFilterClick();
    const int filter = form->fnActivePageIndex();
    QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(pages->isTabVisible(filter));
    EXPECT_EQ(form->fnActivePageIndex(), 0);
    QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(pages->isTabVisible(0)); // the help page stays
    form->prMenuCoilClick();
    form->prClosePage();
    form->prMenuHelpClick();
    QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(form->fnActivePageIndex(), 0);
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusHelp));
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST(PageManager, EachTabKeepsItsOwnStatusText)
{
    auto form = fnShownMainForm();
    auto* pages = form->fnPageControl();
    const int first = fnOpenTab(*form, "A", "status A");
    const int second = fnOpenTab(*form, "B", "status B");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(pages->tabText(2), "B2");
    EXPECT_EQ(form->fnStatusText(), "status B");

    pages->tabBar()->setCurrentIndex(1); // as a click on the tab does
    EXPECT_EQ(form->fnStatusText(), "status A");
    pages->setCurrentIndex(0);
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusHelp));
    pages->setCurrentIndex(2);
    EXPECT_EQ(form->fnStatusText(), "status B");
}

TEST(PageManager, ClosingActivatesTheNeighbourAndNeverReusesAnIndex)
{
    struct Case {
        const char* name;
        int openCount;      // calculator tabs opened after the help tab
        int closeIndex;     // tab made active and closed
        int expectedActive; // tab active afterwards
    };
    const Case cases[] = {
        {"MiddleActivatesRight", 3, 2, 3},
        {"RightmostActivatesNewRightmost", 3, 3, 2},
        {"FirstCalculatorActivatesRight", 2, 1, 2},
        {"HelpActivatesRight", 2, 0, 1},
    };
    for (const auto& c : cases) {
        auto form = fnShownMainForm();
        for (int k = 0; k < c.openCount; ++k)
            fnOpenTab(*form, "T", QString("status %1").arg(k + 1));
        form->fnPageControl()->setCurrentIndex(c.closeIndex);
        form->prClosePage();
        EXPECT_EQ(form->fnActivePageIndex(), c.expectedActive) << c.name;
        EXPECT_FALSE(form->fnPageControl()->isTabVisible(c.closeIndex)) << c.name;
        EXPECT_EQ(form->fnStatusText(), form->fnStatusSlot(c.expectedActive)) << c.name;
        // A new tab gets the next index; the closed one's index stays taken.
        EXPECT_EQ(fnOpenTab(*form, "N", "n"), c.openCount + 1) << c.name;
    }
}

TEST(PageManager, ClosingAHiddenNeighbourSkipsIt)
{
    auto form = fnShownMainForm();
    for (int k = 0; k < 3; ++k)
        fnOpenTab(*form, "T", QString("s%1").arg(k + 1));
    form->fnPageControl()->setCurrentIndex(2);
    form->prClosePage(); // 3 becomes active
    form->fnPageControl()->setCurrentIndex(1);
    form->prClosePage(); // 2 is hidden: 3 takes the place
    EXPECT_EQ(form->fnActivePageIndex(), 3);
    EXPECT_EQ(form->fnStatusText(), "s3");
}

TEST(PageManager, EveryTabClosedShowsNothingStaleAndHelpComesBack)
{
    auto form = fnShownMainForm();
    fnOpenTab(*form, "T", "calc status");
    form->prClosePage();
    form->prClosePage();
    EXPECT_EQ(form->fnActivePageIndex(), -1);
    EXPECT_EQ(form->fnStatusText(), "");
    EXPECT_FALSE(form->fnPageControl()->isVisible());
    form->prNewTextStatusBar("nobody's"); // no active page: nothing is stored or shown
    EXPECT_EQ(form->fnStatusText(), "");
    form->prClosePage(); // nothing left to close

    form->prMenuHelpClick();
    EXPECT_TRUE(form->fnPageControl()->isVisible());
    EXPECT_EQ(form->fnActivePageIndex(), 0);
    EXPECT_TRUE(form->fnPageControl()->isTabVisible(0));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusHelp));
    EXPECT_EQ(form->fnStatusSlot(1), "calc status");

    // A calculator opened from the empty window shows its page again.
    form->prClosePage();
    const int index = fnOpenTab(*form, "T", "again");
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(form->fnPageControl()->isVisible());
    EXPECT_EQ(form->fnStatusText(), "again");
}

// A real double click is a click, then a double-click press and a release that
// go to whatever is under the pointer by then.
void prDoubleClick(TMyFormMain& form, QWidget* target)
{
    const QPoint global = target->mapToGlobal(target->rect().center());
    QTest::mouseClick(target, Qt::LeftButton);
    QWidget* under = form.childAt(form.mapFromGlobal(global));
    ASSERT_NE(under, nullptr);
    const QPoint local = under->mapFromGlobal(global);
    QTest::mouseDClick(under, Qt::LeftButton, {}, local);
    QTest::mouseRelease(under, Qt::LeftButton, {}, local);
}

// A double click on a calculator's close button closes that one tab: its
// second press neither closes the tab that comes up nor presses the help
// page's exit button, which sits at the same place.
TEST(PageManager, DoubleClickOnCloseClosesOneTabAndNeverExits)
{
    auto form = fnShownMainForm();
    void (TMyFormMain::*const opens[])() = {&TMyFormMain::prMenuTransformerClick, &TMyFormMain::prMenuCoilClick,
                                            &TMyFormMain::prMenuColorMarkClick, &TMyFormMain::prMenuFilterClick,
                                            &TMyFormMain::prMenuFormulasClick};
    auto* pages = form->fnPageControl();
    for (auto open : opens) {
        ((*form).*open)();
        ((*form).*open)();
        const int second = form->fnActivePageIndex();
        prDoubleClick(*form, pages->widget(second)->findChild<QPushButton*>("btnClose"));
        EXPECT_FALSE(pages->isTabVisible(second));
        EXPECT_TRUE(pages->isTabVisible(second - 1)); // the neighbour stays open
        // The last calculator closed: the help page comes up under the pointer.
        prDoubleClick(*form, pages->widget(second - 1)->findChild<QPushButton*>("btnClose"));
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->fnActivePageIndex(), 0);
    }
}

TEST(HelpPage, HelpCommandBringsBackTheHelpPage)
{
    auto form = fnShownMainForm();
    fnOpenTab(*form, "T", "calc status");
    form->findChild<QAction*>("menuHelpPage")->trigger();
    EXPECT_EQ(form->fnActivePageIndex(), 0);
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusHelp));
}

TEST(HelpPage, LabelsArePlacedAndCentred)
{
    auto form = fnShownMainForm();
    auto* line1 = form->findChild<QLabel*>("labelAbout1");
    auto* line2 = form->findChild<QLabel*>("labelAbout2");
    auto* webPrefix = form->findChild<QLabel*>("labelWebPrefix");
    auto* web = form->findChild<QLabel*>("labelWeb");
    auto* mailPrefix = form->findChild<QLabel*>("labelMailPrefix");
    auto* mail = form->findChild<QLabel*>("labelMail");
    ASSERT_TRUE(line1 && line2 && webPrefix && web && mailPrefix && mail);
    EXPECT_EQ(line1->pos(), QPoint(450, 30));
    EXPECT_EQ(line1->text(), fnText(TextId::HelpLine1));
    EXPECT_EQ(line2->text(), fnText(TextId::HelpLine2));
    const int w2 = line1->fontMetrics().horizontalAdvance(line1->text());
    const int w3 = line2->fontMetrics().horizontalAdvance(line2->text());
    EXPECT_EQ(line2->x(), 450 + std::lrint((w2 - w3) / 2.0));
    EXPECT_EQ(line2->y(), 50);
    EXPECT_EQ(webPrefix->text(), "WWW:");
    EXPECT_EQ(webPrefix->pos(), QPoint(450, 90));
    EXPECT_EQ(web->pos(), QPoint(450 + webPrefix->width() + 4, 90));
    EXPECT_EQ(web->text(), fnText(TextId::WebAddress));
    EXPECT_EQ(mailPrefix->text(), "E-mail:");
    EXPECT_EQ(mailPrefix->pos(), QPoint(450, 110));
    EXPECT_EQ(mail->pos(), QPoint(450 + mailPrefix->width() + 4, 110));
    EXPECT_EQ(mail->text(), fnText(TextId::MailAddress));
    EXPECT_EQ(web->cursor().shape(), Qt::PointingHandCursor);

    // Nothing overlaps the picture (which ends at x = 10 + 411).
    EXPECT_GT(line1->x(), 10 + 411);
    auto* exitButton = form->findChild<QPushButton*>("btnExit");
    ASSERT_NE(exitButton, nullptr);
    EXPECT_EQ(exitButton->text(), fnText(TextId::Exit));
    EXPECT_EQ(exitButton->geometry().bottom() + 1, exitButton->parentWidget()->height() - 7);
    EXPECT_GT(exitButton->y(), 10 + 237);
}

TEST(HelpPage, LinksOpenTheShownAddresses)
{
    TUrlCatcher catcher;
    auto form = fnShownMainForm();
    auto* web = form->findChild<QLabel*>("labelWeb");
    auto* mail = form->findChild<QLabel*>("labelMail");
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    mail->setFocus();
    QTest::keyClick(mail, Qt::Key_Return); // the keyboard reaches the links too
    ASSERT_EQ(catcher.opened.size(), 3);
    EXPECT_EQ(catcher.opened[0], QUrl(fnText(TextId::WebAddress)));

    // mailto: + shown address + ?subject= + the subject, encoded so that blanks
    // and Cyrillic make a valid address.
    const QUrl sent = catcher.opened[1];
    EXPECT_TRUE(sent.isValid());
    EXPECT_EQ(sent.scheme(), "mailto");
    EXPECT_EQ(sent.path(), fnText(TextId::MailAddress));
    EXPECT_EQ(QUrlQuery(sent).queryItemValue("subject", QUrl::FullyDecoded), fnText(TextId::MailSubject));
    const QByteArray encoded = sent.toEncoded();
    EXPECT_TRUE(encoded.startsWith("mailto:" + fnText(TextId::MailAddress).toUtf8() + "?subject="));
    EXPECT_FALSE(encoded.contains(' '));
    for (char c : encoded)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(catcher.opened[2], sent);
}

TEST(HelpPage, ExitButtonAndExitCommandCloseTheWindow)
{
    for (const char* via : {"button", "menu"}) {
        auto form = fnShownMainForm();
        ASSERT_TRUE(form->isVisible());
        if (QString(via) == "button")
            QTest::mouseClick(form->findChild<QPushButton*>("btnExit"), Qt::LeftButton);
        else
            form->findChild<QAction*>("menuExit")->trigger();
        EXPECT_FALSE(form->isVisible()) << via;
    }
}

} // namespace
