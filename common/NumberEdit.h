// Numeric edit boxes: reading their value and keeping their text a number
// while the user types.
#pragma once

#include <QString>

class QLineEdit;

// The field's value; empty or unreadable text is 0.
double fnEditToFloat(const QLineEdit* edit);
double fnQTextToFloat(const QString& text);

// One pass of the number filter on a text and caret; true when it changed them.
bool prFilterNumberText(QString& text, int& caret);

// Applies the filter to the field now (rewriting it re-runs the filter through
// textChanged). Connect it first to a field's textChanged, before page handlers.
void prEditNumberFilter(QLineEdit* edit);
// Connects prEditNumberFilter to the field's textChanged.
void prAttachNumberFilter(QLineEdit* edit);
