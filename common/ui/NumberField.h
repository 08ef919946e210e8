// UI layer. Numeric edit boxes: reading their value and keeping their text a
// number while the user types; TMyNumberField, the field every page uses.
#pragma once

#include "common/core/Numbers.h"

#include <QLineEdit>
#include <QString>

// A number field: its text stays a number while the user types (the decimal
// key he meant lands as the system's separator), what he types or pastes is
// limited to a number of characters, and the program's writes go in whole and
// silently. The page hears one signal per change, with the settled text.
class TMyNumberField : public QLineEdit {
    Q_OBJECT
public:
    // typingLimit 0: no limit.
    TMyNumberField(QWidget* parent, const QString& name, int typingLimit = 0, TDecimalKey key = TDecimalKey::Either);

    // The program's write: never cut by the typing limit, never filtered, no signal.
    void prWrite(const QString& text);
    // The value shown; empty or unreadable text is 0.
    double fnValue() const;

signals:
    // The text changed and the filter has settled it: by the user (typed,
    // pasted, cut or undone) or by anyone else's setText.
    void edited(bool byUser);

private:
    void prOnChange();

    TDecimalKey mKey;
    bool mByUser = false;   // a user's edit is under way
    bool mSettling = false; // the filter is rewriting the text
    bool mWriting = false;  // the program is writing
};

// The field's value; empty or unreadable text is 0.
double fnEditToFloat(const QLineEdit* edit);
double fnQTextToFloat(const QString& text);

// One pass of the number filter on a text and caret; true when it changed them.
bool prFilterNumberText(QString& text, int& caret, TDecimalKey key = TDecimalKey::Either);

// Applies the filter to the field now (rewriting it re-runs the filter through
// textChanged). Connect it first to a field's textChanged, before page handlers.
void prEditNumberFilter(QLineEdit* edit, TDecimalKey key = TDecimalKey::Either);

// Limits what the user can type or paste into a field to `limit` characters.
// Unlike QLineEdit::setMaxLength it never cuts a text the program writes: a
// program-written text may be longer, and typing may then only shorten it.
void prSetTypingLimit(QLineEdit* edit, int limit);
// How the program writes a field's text: never cut, whatever the typing limit.
void prSetFieldText(QLineEdit* edit, const QString& text);
