#include "common/ui/SeriesList.h"

#include "common/core/Numbers.h"
#include "common/ui/UiText.h"

#include <QComboBox>

namespace {

// The list's items after "точно", in order.
constexpr TESeries Listed[] = {TESeries::E6, TESeries::E12, TESeries::E24, TESeries::E48, TESeries::E96};

} // namespace

QComboBox* fnNewSeriesCombo(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName("comboSeries");
    combo->setEditable(false);
    combo->addItem(fnText(TextId::SeriesExact));
    for (std::uint32_t k = 0; k < std::size(Listed); ++k)
        combo->addItem(fnText(TextId::SeriesE6 + k)); // E6 ... E96 are consecutive texts
    combo->setCurrentIndex(0);
    combo->setToolTip(fnText(TextId::SeriesHint));
    combo->setAccessibleName(fnText(TextId::SeriesCaption));
    return combo;
}

std::optional<TESeries> fnChosenSeries(const QComboBox* combo)
{
    const int index = combo ? combo->currentIndex() : 0;
    if (index < 1 || index > static_cast<int>(std::size(Listed)))
        return std::nullopt;
    return Listed[index - 1];
}

QString fnStandardTip(const std::string& exactText, double deviationPercent)
{
    return fnText(TextId::StandardTip).arg(fnQString(exactText), fnQString(fnSignedText(deviationPercent, 1)));
}
