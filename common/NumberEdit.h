// Numeric edit boxes: reading their value and keeping their text a number
// while the user types.
#pragma once

#include "common/Numbers.h"

#include <QString>

class QLineEdit;

// The field's value; empty or unreadable text is 0.
double fnEditToFloat(const QLineEdit* edit);
double fnQTextToFloat(const QString& text);

// One pass of the number filter on a text and caret; true when it changed them.
bool prFilterNumberText(QString& text, int& caret, TDecimalKey key = TDecimalKey::Either);

// Applies the filter to the field now (rewriting it re-runs the filter through
// textChanged). Connect it first to a field's textChanged, before page handlers.
void prEditNumberFilter(QLineEdit* edit, TDecimalKey key = TDecimalKey::Either);
// Connects prEditNumberFilter to the field's textChanged.
void prAttachNumberFilter(QLineEdit* edit);

// Limits what the user can type or paste into a field to `limit` characters.
// Unlike QLineEdit::setMaxLength it never cuts a text the program writes: a
// program-written text may be longer, and typing may then only shorten it.
void prSetTypingLimit(QLineEdit* edit, int limit);
// How the program writes a field's text: never cut, whatever the typing limit.
void prSetFieldText(QLineEdit* edit, const QString& text);
