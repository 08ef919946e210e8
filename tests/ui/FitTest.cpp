// No list or field cuts its own text: every view of every calculator opened,
// values typed, and each visible list's items and each field's text measured
// against the room the style gives them.
#include "UiTestSupport.h"

#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

std::string fnName(const QWidget* widget) { return widget->objectName().toStdString(); }

void prCheckLists(QWidget* sheet, const std::string& view)
{
    for (QComboBox* combo : sheet->findChildren<QComboBox*>()) {
        if (!combo->isVisible())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                                          combo);
        for (int k = 0; k < combo->count(); ++k)
            EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(k)), room.width())
                << view << " " << fnName(combo) << " item " << combo->itemText(k).toStdString();
    }
}

void prCheckFields(QWidget* sheet, const std::string& view)
{
    for (QLineEdit* edit : sheet->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || edit->text().isEmpty())
            continue;
        const QMargins margins = edit->textMargins();
        // A frameless field draws its text 2 px in from each side.
        const int room = edit->contentsRect().width() - margins.left() - margins.right() - 4;
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), room)
            << view << " " << fnName(edit) << " [" << edit->text().toStdString() << "]";
    }
}

// A radio button or check box shows its caption whole: indicator, spacing and text fit its width.
void prCheckButtons(QWidget* sheet, const std::string& view)
{
    for (QAbstractButton* button : sheet->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || (!qobject_cast<QRadioButton*>(button) && !qobject_cast<QCheckBox*>(button)))
            continue;
        const int indicator = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                              + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        EXPECT_LE(indicator + button->fontMetrics().horizontalAdvance(button->text()), button->width())
            << view << " " << fnName(button) << " [" << button->text().toStdString() << "]";
    }
}

TEST(Fit, NoListOrFieldCutsItsText)
{
    for (const TLanguage language : {TLanguage::Russian, TLanguage::English}) {
        prSetLanguage(language);
        auto form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(',');
        for (auto open :
             {&TMyFormMain::prMenuTransformerClick, &TMyFormMain::prMenuCoilClick, &TMyFormMain::prMenuColorMarkClick,
              &TMyFormMain::prMenuFilterClick, &TMyFormMain::prMenuFormulasClick}) {
            (form.get()->*open)();
            QWidget* sheet = form->fnPageControl()->currentWidget();
            for (QRadioButton* radio : sheet->findChildren<QRadioButton*>()) {
                if (!radio->isVisible())
                    continue;
                radio->click();
                QApplication::processEvents();
                const std::string view = (language == TLanguage::English ? "en " : "ru ") + fnName(radio);
                prCheckLists(sheet, view);
                prCheckFields(sheet, view);
                prCheckButtons(sheet, view);
            }
        }
    }
    prSetLanguage(TLanguage::Russian);
}

} // namespace
