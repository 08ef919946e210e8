// On a screen of two device pixels a point every drawing is the one drawn at
// twice the density, not the 1x picture blown up: measured in a child process
// run with QT_SCALE_FACTOR=2 on every canvas of every calculator.
#include "UiTestSupport.h"

#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/PictureSheets.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Sharpness: the mean squared step between neighbouring pixels. A smooth
// blow-up spreads each edge over two pixels and keeps half of it; a drawing
// made at 2x keeps its edges one pixel wide.
double fnSharpness(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    long steps = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb here = image.pixel(x, y);
            for (const QRgb next : {image.pixel(x + 1, y), image.pixel(x, y + 1)}) {
                for (const int shift : {16, 8, 0}) {
                    const int step = ((here >> shift) & 0xFF) - ((next >> shift) & 0xFF);
                    total += step * step;
                }
                ++steps;
            }
        }
    return steps ? total / static_cast<double>(steps) : 0;
}

// The mean colour spread inside the 2 x 2 blocks of a picture: 0 for a
// picture blown up pixel by pixel.
double fnDetail(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    long blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            int spread = 0;
            for (const int shift : {16, 8, 0}) {
                int low = 255, high = 0;
                for (const QPoint p : {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)}) {
                    const int v = (image.pixel(p) >> shift) & 0xFF;
                    low = std::min(low, v);
                    high = std::max(high, v);
                }
                spread = std::max(spread, high - low);
            }
            total += spread;
            ++blocks;
        }
    return blocks ? total / static_cast<double>(blocks) : 0;
}

TEST(Hidpi, DrawingsHaveTwiceTheDetailAtScaleTwo)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "2");
    environment.insert("QF_HIDPI_CHILD", "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HidpiChild.*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 2 tests")) << output.toStdString();
}

class HidpiChild : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QF_HIDPI_CHILD"))
            GTEST_SKIP() << "runs in the child process at scale 2";
    }
};

TEST_F(HidpiChild, EveryCanvasIsDrawnAtTwiceTheDensity)
{
    auto form = fnShownMainForm();
    (void)QTest::qWaitForWindowActive(form.get());
    ASSERT_EQ(form->devicePixelRatio(), 2);
    prSetDecimalSeparator(',');
    for (auto open :
         {&TMyFormMain::prMenuTransformerClick, &TMyFormMain::prMenuCoilClick, &TMyFormMain::prMenuColorMarkClick,
          &TMyFormMain::prMenuFilterClick, &TMyFormMain::prMenuFormulasClick}) {
        (form.get()->*open)();
        QApplication::processEvents();
        for (TMyImageCanvas* canvas : form->fnPageControl()->currentWidget()->findChildren<TMyImageCanvas*>()) {
            if (!canvas->isVisible() || canvas->fnOperationCount() == 0)
                continue;
            const QImage fine = canvas->grab().toImage();
            ASSERT_EQ(fine.size(), canvas->size() * 2) << canvas->objectName().toStdString();
            // The same canvas at 1x, blown up to 2x smoothly and pixel by pixel.
            const QImage coarse = canvas->fnRendered();
            const QImage smooth = coarse.scaled(coarse.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const std::string name = canvas->objectName().toStdString();
            // Not the 1x picture blown up pixel by pixel: its 2 x 2 blocks would all be one colour.
            EXPECT_GT(fnDetail(fine), 0.2) << name;
            // Not blown up smoothly either: its edges are sharper than a smooth blow-up's.
            EXPECT_GT(fnSharpness(fine), 1.2 * fnSharpness(smooth))
                << name << " 2x " << fnSharpness(fine) << " smooth " << fnSharpness(smooth);
        }
    }
}

// A sheet with no drawing at 2x (here one the sheets never handed out) is
// shown at 1x, never blank.
TEST_F(HidpiChild, ASheetWithout2xFallsBackTo1x)
{
    QImage own(40, 20, QImage::Format_RGB888);
    own.fill(QColor(200, 30, 30));
    EXPECT_TRUE(fnSheetAt2x(own).isNull());
    TMyImageCanvas canvas;
    canvas.prSetSize(40, 20);
    canvas.copyRect(fnPlaceRect(0, 0, 40, 20, TRect{}), own, fnPlaceRect(0, 0, 40, 20, TRect{}));
    canvas.show();
    const QImage shown = canvas.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(200, 30, 30));
}

} // namespace
