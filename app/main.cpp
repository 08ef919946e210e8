// The program: answers --version and --help on the terminal, otherwise
// opens the main window. Every other argument goes to Qt as before.
#include "app/MainForm.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

// The project's version; the build passes it in (packaging/Packaging.cmake).
#ifndef QUILLFERN_VERSION
#define QUILLFERN_VERSION "unknown"
#endif

namespace {

constexpr const char* kUsage = "Usage: quillfern [--help | --version] [Qt options]\n"
                               "\n"
                               "Engineering calculator for radio amateurs: mains transformers, coils,\n"
                               "component markings, passive filters and everyday formulas, in one window\n"
                               "with a Russian interface. It reads and writes no files.\n"
                               "\n"
                               "  -h, --help   show this help and exit\n"
                               "  --version    show the version and exit\n"
                               "\n"
                               "Any other argument is left to Qt (for example -platform or -style).\n";

// What to print instead of starting, for the first of --version and
// --help on the command line; nullptr starts the program. Both are
// answered before QApplication exists, so no display is needed.
const char* fnTerminalAnswer(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return "Quillfern " QUILLFERN_VERSION "\n";
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return kUsage;
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const char* answer = fnTerminalAnswer(argc, argv)) {
        std::fputs(answer, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfern"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLFERN_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quillfern"));
    TMyFormMain form;
    form.show();
    return QApplication::exec();
}
