// The pages are drawn on fixed light pictures: a dark desktop palette handed
// to the application before the window is built must not change a single
// pixel of any tab sheet (the help page's included).
#include "UiTestSupport.h"

#include "common/core/Numbers.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <vector>

namespace {

QPalette fnDarkPalette()
{
    QPalette dark;
    const QColor light(230, 230, 230);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                            QPalette::BrightText, QPalette::PlaceholderText})
        dark.setColor(role, light);
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::Light, QColor(80, 80, 80));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    dark.setColor(QPalette::Shadow, QColor(0, 0, 0));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

void prType(QWidget* sheet, const char* name, const char* text)
{
    auto* edit = sheet->findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

// Every calculator opened with values typed, then every sheet grabbed.
std::vector<QImage> fnGrabEverySheet()
{
    auto form = fnShownMainForm();
    (void)QTest::qWaitForWindowActive(form.get());
    prSetDecimalSeparator(',');
    QTabWidget* tabs = form->fnPageControl();
    form->prMenuTransformerClick();
    for (const auto& [name, text] : {std::pair{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}})
        prType(tabs->currentWidget(), name, text);
    if (auto* calc = tabs->currentWidget()->findChild<QPushButton*>("btnCalc"))
        calc->click();
    form->prMenuCoilClick();
    for (const auto& [name, text] : {std::pair{"editInd1", "10"}, {"editInd3", "10"}, {"editInd5", "10"}})
        prType(tabs->currentWidget(), name, text);
    form->prMenuColorMarkClick();
    form->prMenuFilterClick();
    for (const auto& [name, text] : {std::pair{"editFilter1", "1"}, {"editFilter4", "1"}})
        prType(tabs->currentWidget(), name, text);
    form->prMenuFormulasClick();
    for (const auto& [name, text] : {std::pair{"editFormula1", "1"}, {"editFormula2", "1000"}})
        prType(tabs->currentWidget(), name, text);
    // Nothing keeps the focus: a focus frame is the desktop's, not the page's.
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    std::vector<QImage> sheets;
    for (int k = 0; k < tabs->count(); ++k) {
        tabs->setCurrentIndex(k);
        QApplication::processEvents();
        sheets.push_back(tabs->widget(k)->grab().toImage());
    }
    return sheets;
}

TEST(Theme, ADarkDesktopPaletteLeavesEveryPageAsItIs)
{
    const std::vector<QImage> light = fnGrabEverySheet();
    const QPalette before = QApplication::palette();
    QApplication::setPalette(fnDarkPalette());
    const std::vector<QImage> dark = fnGrabEverySheet();
    QApplication::setPalette(before);
    ASSERT_EQ(light.size(), 6u);
    ASSERT_EQ(dark.size(), light.size());
    for (std::size_t k = 0; k < light.size(); ++k)
        EXPECT_TRUE(light[k] == dark[k]) << "tab " << k;
}

} // namespace
