#include "common/NumberEdit.h"

#include "common/Numbers.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Refuses a typed or pasted change that makes the text longer than the limit
// and longer than it was. Texts the program writes pass (prSetFieldText).
class TMyTypingLimit : public QValidator {
public:
    TMyTypingLimit(QLineEdit* edit, int limit) : QValidator(edit), mLimit(limit), mLength(edit->text().size())
    {
        // Follows every change; a validated edit is compared with the text before it.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { mLength = text.size(); });
    }

    State validate(QString& input, int&) const override
    {
        if (mProgramWrite)
            return Acceptable;
        return input.size() > mLimit && input.size() > mLength ? Invalid : Acceptable;
    }

    bool mProgramWrite = false;

private:
    int mLimit;
    qsizetype mLength;
};

} // namespace

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
        prSetFieldText(edit, text); // fires textChanged: the filter runs again on the new text
        edit->setCursorPosition(caret);
    }
}

void prAttachNumberFilter(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { prEditNumberFilter(edit); });
}

void prSetTypingLimit(QLineEdit* edit, int limit) { edit->setValidator(new TMyTypingLimit(edit, limit)); }

void prSetFieldText(QLineEdit* edit, const QString& text)
{
    if (!edit || edit->text() == text)
        return;
    // The field owns its validator, so it may be told about the write.
    auto* limit = dynamic_cast<const TMyTypingLimit*>(edit->validator());
    auto* writable = const_cast<TMyTypingLimit*>(limit);
    if (writable)
        writable->mProgramWrite = true;
    edit->setText(text);
    if (writable)
        writable->mProgramWrite = false;
}
