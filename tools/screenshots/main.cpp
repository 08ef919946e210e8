// Writes offscreen screenshots of the window for the README and for checking
// the drawings by eye: the help page and a transformer page per core kind.
//   quillfern_screenshots <output-dir>
#include "app/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

void prSave(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfern"));
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    TMyFormMain form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    prSave(form, dir + "/help.png");

    form.prMenuTransformerClick();
    const int page = form.fnActivePageIndex();
    QWidget* sheet = form.fnPageControl()->widget(page);
    const char* kinds[] = {"rbSerdLamEI", "rbSerdLentEI", "rbSerdLamUI", "rbSerdLentUI", "rbSerdO"};
    for (const char* kind : kinds) {
        if (auto* radio = sheet ? sheet->findChild<QRadioButton*>(kind) : nullptr) {
            radio->click();
            prSave(form, dir + "/transformer-" + QString::fromLatin1(kind) + ".png");
        }
    }
    return 0;
}
