// The English interface: a window built after prSetLanguage(English) shows no
// Cyrillic letter anywhere - menus, tabs, status texts, every widget's text,
// tooltip, list item and accessible name - in every view of every calculator,
// with values typed that bring out results and status texts. And the choice
// of the language from the command line and the desktop.
#include "UiTestSupport.h"

#include "app/CommandLine.h"
#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool fnHasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

class English : public ::testing::Test {
protected:
    void SetUp() override { prSetLanguage(TLanguage::English); }
    void TearDown() override { prSetLanguage(TLanguage::Russian); }

    // Every text a user can read on the window now.
    void prCheck(const TMyFormMain& form, const std::string& where)
    {
        const auto check = [&](const QString& text, const QWidget* widget, const char* what) {
            EXPECT_FALSE(fnHasCyrillic(text)) << where << ": " << widget->objectName().toStdString() << " " << what
                                              << " [" << text.toStdString() << "]";
        };
        check(form.windowTitle(), &form, "title");
        for (const QWidget* widget : form.findChildren<QWidget*>()) {
            check(widget->toolTip(), widget, "tooltip");
            check(widget->accessibleName(), widget, "accessible name");
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                check(label->text(), widget, "text");
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                check(button->text(), widget, "text");
            if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
                check(edit->text(), widget, "text");
            if (const auto* combo = qobject_cast<const QComboBox*>(widget))
                for (int k = 0; k < combo->count(); ++k)
                    check(combo->itemText(k), widget, "item");
            if (const auto* list = qobject_cast<const QListWidget*>(widget))
                for (int k = 0; k < list->count(); ++k)
                    check(list->item(k)->text(), widget, "item");
            if (const auto* grid = qobject_cast<const QTableWidget*>(widget))
                for (int r = 0; r < grid->rowCount(); ++r)
                    for (int c = 0; c < grid->columnCount(); ++c)
                        if (const QTableWidgetItem* item = grid->item(r, c)) {
                            check(item->text(), widget, "cell");
                            check(item->toolTip(), widget, "cell tooltip");
                        }
            if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
                for (int k = 0; k < tabs->count(); ++k)
                    check(tabs->tabText(k), widget, "tab");
        }
        for (const QAction* action : form.findChildren<QAction*>())
            check(action->text(), &form, "menu");
        check(form.fnStatusText(), &form, "status");
    }
};

void prType(QWidget* sheet, const char* name, const char* text)
{
    auto* edit = sheet->findChild<QLineEdit*>(name);
    if (!edit || !edit->isVisible())
        return;
    prTypeInto(edit, QString::fromUtf8(text));
}

TEST_F(English, NoCyrillicLetterAnywhere)
{
    auto form = fnShownMainForm();
    (void)QTest::qWaitForWindowActive(form.get());
    prSetDecimalSeparator(',');
    prCheck(*form, "help page");
    const struct {
        void (TMyFormMain::*open)();
        std::vector<std::pair<const char*, const char*>> values;
    } calculators[] = {
        {&TMyFormMain::prMenuTransformerClick, {{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}}},
        {&TMyFormMain::prMenuCoilClick,
         {{"editInd1", "10"},
          {"editInd3", "10"},
          {"editInd4", "0,5"},
          {"editInd5", "10"},
          {"editInd15", "10"},
          {"editInd16", "30"},
          {"editInd17", "10"},
          {"editInd22", "100"},
          {"editInd23", "1"},
          {"editInd25", "10"}}},
        {&TMyFormMain::prMenuColorMarkClick, {{"editSMDres", "4r7"}}},
        {&TMyFormMain::prMenuFilterClick, {{"editFilter1", "1"}, {"editFilter4", "1"}}},
        {&TMyFormMain::prMenuFormulasClick, {{"editFormula1", "1"}, {"editFormula2", "1000"}}},
        {&TMyFormMain::prMenuLadderClick, {{"editLadderF", "7"}}},
    };
    for (const auto& calculator : calculators) {
        (form.get()->*calculator.open)();
        QWidget* sheet = form->fnPageControl()->currentWidget();
        const std::string page = form->fnPageControl()->tabText(form->fnPageControl()->currentIndex()).toStdString();
        prCheck(*form, page + " as opened");
        // Every view and choice the page offers, with values typed into what it shows.
        for (QRadioButton* radio : sheet->findChildren<QRadioButton*>()) {
            if (!radio->isVisible())
                continue;
            radio->click();
            for (const auto& [name, text] : calculator.values)
                prType(sheet, name, text);
            prCheck(*form, page + " " + radio->objectName().toStdString());
        }
        for (QComboBox* combo : sheet->findChildren<QComboBox*>())
            if (combo->isVisible() && combo->objectName() == "comboSeries")
                combo->setCurrentIndex(2);
        prCheck(*form, page + " with standard parts");
    }
}

TEST(Language, FromTheCommandLineAndTheDesktop)
{
    const struct {
        std::vector<const char*> args;
        TCommandLine::TAction action;
        std::optional<TLanguage> language;
    } cases[] = {
        {{"quillfern"}, TCommandLine::TAction::Run, std::nullopt},
        {{"quillfern", "--lang", "en"}, TCommandLine::TAction::Run, TLanguage::English},
        {{"quillfern", "--lang=ru"}, TCommandLine::TAction::Run, TLanguage::Russian},
        {{"quillfern", "-style", "fusion", "--lang", "ru"}, TCommandLine::TAction::Run, TLanguage::Russian},
        {{"quillfern", "--lang", "de"}, TCommandLine::TAction::Error, std::nullopt},
        {{"quillfern", "--lang"}, TCommandLine::TAction::Error, std::nullopt},
        {{"quillfern", "--lang", "en", "--help"}, TCommandLine::TAction::Help, TLanguage::English},
        {{"quillfern", "--version"}, TCommandLine::TAction::Version, std::nullopt},
    };
    for (const auto& c : cases) {
        const TCommandLine line = fnParseCommandLine(static_cast<int>(c.args.size()), c.args.data());
        EXPECT_EQ(line.action, c.action) << c.args.back();
        EXPECT_EQ(line.language, c.language) << c.args.back();
        EXPECT_EQ(line.error.empty(), c.action != TCommandLine::TAction::Error) << c.args.back();
    }
    const struct {
        QStringList uiLanguages;
        TLanguage language;
    } desktops[] = {
        {{"ru-RU", "en-US"}, TLanguage::Russian},
        {{"ru"}, TLanguage::Russian},
        {{"ru_UA"}, TLanguage::Russian},
        {{"en-US", "ru-RU"}, TLanguage::English},
        {{"de-DE"}, TLanguage::English},
        {{"uk-UA"}, TLanguage::English},
        {{}, TLanguage::English},
        {{"rus"}, TLanguage::English},
    };
    for (const auto& d : desktops)
        EXPECT_EQ(fnSystemLanguage(d.uiLanguages), d.language) << d.uiLanguages.join(",").toStdString();
}

} // namespace
