// The program: answers --version and --help on the terminal, otherwise
// chooses the interface language and opens the main window. Every other
// argument goes to Qt as before.
#include "app/CommandLine.h"
#include "app/MainForm.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

// The project's version; the build passes it in (packaging/Packaging.cmake).
#ifndef QUILLFERN_VERSION
#define QUILLFERN_VERSION "unknown"
#endif

int main(int argc, char* argv[])
{
    // --help, --version and a wrong --lang are answered before QApplication
    // exists, so no display is needed.
    const TCommandLine line = fnParseCommandLine(argc, argv);
    switch (line.action) {
    case TCommandLine::TAction::Run: break;
    case TCommandLine::TAction::Help:
    case TCommandLine::TAction::Version: {
        std::fputs(line.action == TCommandLine::TAction::Help ? kUsage : "Quillfern " QUILLFERN_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    case TCommandLine::TAction::Error: std::fprintf(stderr, "%s\n%s", line.error.c_str(), kUsage); return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfern"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLFERN_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quillfern"));
    // The interface language, once, before the window is built.
    prSetLanguage(line.language.value_or(fnSystemLanguage(QLocale::system().uiLanguages())));
    TMyFormMain form;
    form.show();
    return QApplication::exec();
}
