// The decimal key the user meant: on a comma system a typed or pasted "."
// lands as ",", on a point system a "," as "." - in a number field of every
// calculator and in a cell of the transformer's grid. A code field keeps its
// own rule.
#include "UiTestSupport.h"

#include "common/core/Numbers.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

struct TField {
    const char* name;
    void (TMyFormMain::*open)();
};
// One number field of every calculator that has them.
const TField Fields[] = {
    {"editVp", &TMyFormMain::prMenuTransformerClick},
    {"editInd1", &TMyFormMain::prMenuCoilClick},
    {"editFilter1", &TMyFormMain::prMenuFilterClick},
    {"editFormula1", &TMyFormMain::prMenuFormulasClick},
};

struct TKeys {
    char separator;
    const char* keys;
    bool paste;
    const char* shown;
};
const TKeys Keys[] = {
    {',', "0.5", false, "0,5"},  {',', "0.5", true, "0,5"},  {',', ".5", false, "0,5"},
    {',', "1,5.", false, "1,5"}, {'.', "2,5", false, "2.5"}, {'.', "2,5", true, "2.5"},
};

void prEnterKeys(QWidget* target, const TKeys& k)
{
    if (k.paste) {
        QApplication::clipboard()->setText(QString::fromLatin1(k.keys));
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(target, QString::fromLatin1(k.keys));
    }
}

TEST(DecimalKey, LandsAsTheSystemSeparatorInEveryCalculator)
{
    for (const TField& field : Fields) {
        for (const TKeys& k : Keys) {
            auto form = fnShownMainForm();
            (void)QTest::qWaitForWindowActive(form.get());
            prSetDecimalSeparator(k.separator);
            (form.get()->*field.open)();
            auto* edit = form->fnPageControl()->currentWidget()->findChild<QLineEdit*>(field.name);
            ASSERT_NE(edit, nullptr) << field.name;
            edit->setFocus(Qt::MouseFocusReason);
            edit->clear();
            prEnterKeys(edit, k);
            EXPECT_EQ(edit->text(), QString::fromLatin1(k.shown))
                << field.name << " '" << k.separator << "' " << k.keys << (k.paste ? " pasted" : " typed");
        }
    }
}

TEST(DecimalKey, LandsAsTheSystemSeparatorInAGridCell)
{
    for (const TKeys& k : Keys) {
        auto form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(k.separator);
        form->prMenuTransformerClick();
        auto* grid = form->fnPageControl()->currentWidget()->findChild<QTableWidget*>("sgTransOutput");
        ASSERT_NE(grid, nullptr);
        const QRect cell = grid->visualItemRect(grid->item(2, 2)); // a secondary's current
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1); // opens the cell's editor
        auto* editor = grid->findChild<QLineEdit*>("sgTransOutputEditor");
        ASSERT_NE(editor, nullptr);
        editor->clear();
        prEnterKeys(editor, k);
        EXPECT_EQ(editor->text(), QString::fromLatin1(k.shown)) << "'" << k.separator << "' " << k.keys;
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(fnTextToFloat(grid->item(2, 2)->text().toStdString()), fnTextToFloat(k.shown))
            << grid->item(2, 2)->text().toStdString();
    }
}

// The capacitor code field takes digits and the system's separator only.
TEST(DecimalKey, CodeFieldKeepsItsOwnRule)
{
    auto form = fnShownMainForm();
    (void)QTest::qWaitForWindowActive(form.get());
    prSetDecimalSeparator(',');
    form->prMenuColorMarkClick();
    QWidget* sheet = form->fnPageControl()->currentWidget();
    auto* capacitors = sheet->findChild<QRadioButton*>("rbMarkCap");
    auto* edit = sheet->findChild<QLineEdit*>("editCap102");
    ASSERT_NE(capacitors, nullptr);
    ASSERT_NE(edit, nullptr);
    capacitors->click();
    edit->setFocus(Qt::MouseFocusReason);
    edit->clear();
    QTest::keyClicks(edit, "1.");
    EXPECT_EQ(edit->text(), "1");
}

} // namespace
