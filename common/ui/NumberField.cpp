#include "common/ui/NumberField.h"

#include <QLineEdit>
#include <QValidator>

#include <utility>

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

bool prFilterNumberText(QString& text, int& caret, TDecimalKey key)
{
    std::u16string wide = text.toStdU16String();
    const bool changed = prEditNumberFilter(wide, caret, key);
    if (changed)
        text = QString::fromStdU16String(wide);
    return changed;
}

void prEditNumberFilter(QLineEdit* edit, TDecimalKey key)
{
    if (!edit)
        return;
    // The filter runs until the text holds still, here with the caret where it
    // belongs: writing each step into the field would put the caret at the end
    // and make the next step cut from there (a paste in the middle lost the
    // digits after it). The one write then fires textChanged with a number.
    QString text = edit->text();
    int caret = edit->cursorPosition();
    bool changed = false;
    const qsizetype bound = text.size() + 2; // each step takes a character away or stops
    for (qsizetype step = 0; step < bound && prFilterNumberText(text, caret, key); ++step)
        changed = true;
    if (changed) {
        prSetFieldText(edit, text);
        edit->setCursorPosition(caret);
    }
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

TMyNumberField::TMyNumberField(QWidget* parent, const QString& name, int typingLimit, TDecimalKey key)
    : QLineEdit(parent), mKey(key)
{
    setObjectName(name);
    if (typingLimit > 0)
        prSetTypingLimit(this, typingLimit);
    // A user's edit announces itself just before the change it makes.
    connect(this, &QLineEdit::textEdited, this, [this] { mByUser = true; });
    connect(this, &QLineEdit::textChanged, this, &TMyNumberField::prOnChange);
}

void TMyNumberField::prWrite(const QString& text)
{
    const bool was = std::exchange(mWriting, true);
    prSetFieldText(this, text);
    mWriting = was;
}

double TMyNumberField::fnValue() const { return fnQTextToFloat(text()); }

void TMyNumberField::prOnChange()
{
    if (mWriting || mSettling)
        return; // the program's own write, or the filter's rewrite below
    mSettling = true;
    prEditNumberFilter(this, mKey);
    mSettling = false;
    emit edited(std::exchange(mByUser, false));
}
