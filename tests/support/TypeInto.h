// Typing into a field as a user does, for the UI tests, the benchmarks and the
// screenshot tool alike.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>

// Focus as a click gives it, select all, then the keys (an empty text deletes
// what was selected).
inline void prTypeInto(QLineEdit* edit, const QString& keys)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, keys);
}
