// UI layer. The list of standard series a page rounds its computed parts to
// ("точно", E6 ... E96), and the tooltip of a rounded value.
#pragma once

#include "common/core/StandardValues.h"

#include <QString>

#include <optional>
#include <string>

class QComboBox;
class QWidget;

// The list, named comboSeries, "точно" chosen.
QComboBox* fnNewSeriesCombo(QWidget* parent);
// The series chosen; none for "точно".
std::optional<TESeries> fnChosenSeries(const QComboBox* combo);
// "точно 455 пФ, отклонение +3,3 %" for a value shown rounded to a series.
QString fnStandardTip(const std::string& exactText, double deviationPercent);
