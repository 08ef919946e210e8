// Helpers for driving the real window in tests: a fresh main window shown and
// active (as a user sees it), and a catcher for addresses handed to the shell.
#pragma once

#include "app/MainForm.h"
#include "tests/support/TypeInto.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QObject>
#include <QTest>
#include <QUrl>
#include <memory>
#include <ostream>

// Test failures show Qt texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

inline std::unique_ptr<TMyFormMain> fnShownMainForm()
{
    auto form = std::make_unique<TMyFormMain>();
    form->show();
    form->activateWindow();
    (void)QTest::qWaitForWindowExposed(form.get());
    return form;
}

// Receives the addresses the program asks the system to open, instead of a
// browser or mail program being started during the tests.
class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    TUrlCatcher()
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "prOpen");
    }
    ~TUrlCatcher() override
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void prOpen(const QUrl& url) { opened.append(url); }
};
