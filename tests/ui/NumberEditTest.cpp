#include "common/core/Numbers.h"
#include "common/ui/NumberField.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TypingCase {
    const char* name;
    const char* keys;
    const char* expected;
    friend void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }
};

// The number filter alone on a plain field, as TMyNumberField runs it.
void prAttachNumberFilter(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { prEditNumberFilter(edit); });
}

class FilteredEdit : public ::testing::TestWithParam<TypingCase> {};

TEST_P(FilteredEdit, KeepsTheFieldANumberWhileTyping)
{
    prSetDecimalSeparator(',');
    QLineEdit edit;
    prAttachNumberFilter(&edit);
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    // One key event per character, as a keyboard with any layout sends them.
    for (const QChar ch : QString::fromUtf8(GetParam().keys))
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    EXPECT_EQ(edit.text(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Keys, FilteredEdit,
                         ::testing::Values(TypingCase{"LeadingComma", ",5", "0,5"}, TypingCase{"LoneComma", ",", "0,"},
                                           TypingCase{"LeadingZero", "07", "7"}, TypingCase{"Letter", "1x", "1"},
                                           TypingCase{"LoneMinus", "-", ""}, TypingCase{"Cyrillic", "2\xD0\xB6", "2"},
                                           TypingCase{"Decimal", "12,75", "12,75"},
                                           TypingCase{"SecondComma", "1,2,3", "1,23"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FilteredEditCaret, RemovesTheTypedCharacterInTheMiddle)
{
    prSetDecimalSeparator(',');
    QLineEdit edit;
    prAttachNumberFilter(&edit);
    edit.setText("123");
    edit.setCursorPosition(1);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "123");
    EXPECT_EQ(edit.cursorPosition(), 1);
    QTest::keyClicks(&edit, "-"); // a sign in the middle is no number either
    EXPECT_EQ(edit.text(), "123");

    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, "-"); // the sign goes in front of the digits
    EXPECT_EQ(edit.text(), "-123");
    EXPECT_DOUBLE_EQ(fnEditToFloat(&edit), -123.0);
}

// A paste puts a whole text in at the caret; what is no number goes again,
// and nothing of what the field held before.
TEST(FilteredEditCaret, PasteInTheMiddleLosesOnlyThePaste)
{
    prSetDecimalSeparator(',');
    const struct {
        const char* start;
        int at;
        const char* pasted;
        const char* expected;
        int caret;
    } cases[] = {{"1", 0, "ab", "1", 0}, {"12", 1, "xy", "12", 1}, {"12", 1, "5z", "152", 2}, {"7", 1, ",5", "7,5", 3}};
    for (const auto& c : cases) {
        QLineEdit edit;
        prAttachNumberFilter(&edit);
        edit.setText(c.start);
        edit.setCursorPosition(c.at);
        edit.insert(c.pasted);
        EXPECT_EQ(edit.text(), c.expected) << c.start << " + " << c.pasted;
        EXPECT_EQ(edit.cursorPosition(), c.caret) << c.start << " + " << c.pasted;
    }
}

TEST(FilteredEditRead, ReadsZeroForAnythingThatIsNotANumber)
{
    prSetDecimalSeparator(',');
    QLineEdit edit;
    const std::pair<const char*, double> cases[] = {{"", 0}, {"abc", 0}, {"1,2,3", 0}, {" 2,5 ", 2.5}, {"-4", -4}};
    for (const auto& [text, value] : cases) {
        edit.setText(text);
        EXPECT_DOUBLE_EQ(fnEditToFloat(&edit), value) << text;
    }
    EXPECT_DOUBLE_EQ(fnEditToFloat(nullptr), 0.0);
}

} // namespace
