// Writes offscreen screenshots of the window for the README and for checking
// the drawings by eye: the help page and a transformer page per core kind.
//   quillfern_screenshots <output-dir>
#include "app/MainForm.h"
#include "calculators/Transformer/TransformerPage.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTableWidget>
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

    // A worked design for the README: an E-I core 20 x 30 mm, window 10 x 30 mm,
    // secondaries of 12 V 1 A and 6,3 V 0,5 A.
    form.prMenuTransformerClick();
    if (TMyTrans* trans = fnTransPage(form.fnActivePageIndex())) {
        trans->editA->setText("20");
        trans->editH->setText("30");
        trans->editB->setText("10");
        trans->editC->setText("30");
        const char* cells[][3] = {{"12", "1", nullptr}, {"6,3", "0,5", nullptr}};
        for (int k = 0; k < 2; ++k)
            for (int col = 1; col <= 2; ++col)
                trans->sgTransOutput->item(2 + k, col)->setText(QString::fromUtf8(cells[k][col - 1]));
        trans->prCalcOnPage();
        prSave(form, dir + "/transformer.png");
    }
    return 0;
}
