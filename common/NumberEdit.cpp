#include "common/NumberEdit.h"

#include "common/Numbers.h"

#include <QLineEdit>

double fnQTextToFloat(const QString& text) { return fnTextToFloat(text.toStdU16String()); }

double fnEditToFloat(const QLineEdit* edit) { return edit ? fnQTextToFloat(edit->text()) : 0.0; }

bool prFilterNumberText(QString& text, int& caret)
{
    std::u16string wide = text.toStdU16String();
    const bool changed = prEditNumberFilter(wide, caret);
    if (changed)
        text = QString::fromStdU16String(wide);
    return changed;
}

void prEditNumberFilter(QLineEdit* edit)
{
    if (!edit)
        return;
    QString text = edit->text();
    int caret = edit->cursorPosition();
    if (prFilterNumberText(text, caret)) {
        edit->setText(text); // fires textChanged: the filter runs again on the new text
        edit->setCursorPosition(caret);
    }
}

void prAttachNumberFilter(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { prEditNumberFilter(edit); });
}
