// One measured start of a window, for the start-up harness:
//   quillfern_startup_probe window   the real main window
//   quillfern_startup_probe bare     a bare QMainWindow of the same size
//   quillfern_startup_probe bare-text  the same with a menu bar and a status text: the
//                                    least any window that shows text pays for its fonts
//   quillfern_startup_probe tabs     the real window, then every calculator opened twice
//   quillfern_startup_probe tabs-later  the same, the first tab half a second after the
//                                    first paint (about when a hand reaches the menu)
// It prints "painted <peak KiB>" once the window's first frame is painted, and
// for "tabs" one line per opened tab: "tab <name> <microseconds> <resident KiB added>".
#include "app/MainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

long fnPeakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long fnResidentKib()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

// Reports the first paint of a window and then runs what follows.
class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(std::function<void()> after) : mAfter(std::move(after)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !mDone) {
            mDone = true;
            // After this paint is finished and on screen.
            QTimer::singleShot(0, watched, [this] {
                std::printf("painted %ld\n", fnPeakKib());
                std::fflush(stdout);
                mAfter();
            });
        }
        return false;
    }

private:
    std::function<void()> mAfter;
    bool mDone = false;
};

void prOpenTabs(TMyFormMain& form)
{
    const std::vector<std::pair<const char*, void (TMyFormMain::*)()>> calculators = {
        {"transformer", &TMyFormMain::prMenuTransformerClick}, {"coil", &TMyFormMain::prMenuCoilClick},
        {"marking", &TMyFormMain::prMenuColorMarkClick},       {"filter", &TMyFormMain::prMenuFilterClick},
        {"formulas", &TMyFormMain::prMenuFormulasClick},       {"ladder", &TMyFormMain::prMenuLadderClick},
    };
    for (int round = 1; round <= 2; ++round) {
        for (const auto& [name, open] : calculators) {
            QApplication::processEvents();
            const long before = fnResidentKib();
            QElapsedTimer timer;
            timer.start();
            (form.*open)();
            form.repaint(); // the new tab on screen
            const long micros = static_cast<long>(timer.nsecsElapsed() / 1000);
            std::printf("tab %s%s %ld %ld\n", name, round == 1 ? "" : "-again", micros, fnResidentKib() - before);
        }
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string mode = argc > 1 ? argv[1] : "window";
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfern"));

    QMainWindow* window = nullptr;
    TMyFormMain* form = nullptr;
    if (mode == "bare" || mode == "bare-text") {
        window = new QMainWindow;
        window->setFixedSize(772, 526);
        if (mode == "bare-text") {
            for (const char* title : {"File", "Calculators", "Help"})
                window->menuBar()->addMenu(QString::fromLatin1(title));
            window->statusBar()->showMessage(QStringLiteral("Ready"));
        }
    } else {
        form = new TMyFormMain;
        window = form;
    }
    TFirstPaint watch([&] {
        if (mode == "tabs-later" && form) {
            QTimer::singleShot(500, [form] {
                prOpenTabs(*form);
                QApplication::quit();
            });
            return;
        }
        if (mode == "tabs" && form)
            prOpenTabs(*form);
        QApplication::quit();
    });
    window->installEventFilter(&watch);
    window->show();
    const int result = QApplication::exec();
    delete window;
    return result;
}
