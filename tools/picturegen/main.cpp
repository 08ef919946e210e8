// quillfern_picturegen: draws the program's pictures and writes them as
// picture stores (BMP files in stored form) for pictures/.
//
//   quillfern_picturegen <output-dir> [<preview-dir>] [--only <Store>]
//   quillfern_picturegen --icons <dir>
//
// Every file is read back, restored and compared with its drawing; any
// difference ends the run with a non-zero exit code. With a preview
// directory, a PNG of every restored picture is written there too, plus a
// copy of each sheet with the page's field boxes and pieces outlined.
// With --only, just that store is drawn and written. With --icons, only the
// desktop icons are written (packaging/icons), checked the same way.
#include "Sheets.h"
#include "StoreFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

using namespace picturegen;

// The transformer drawings are reduced to this many colours so that the
// stored form (which complements half the rows) still fits 256.
constexpr int kTransformerColours = 128;

// A store to write: drawn only when it is asked for.
struct TJob {
    QString name;
    std::function<QImage()> draw;
    TStoreKind kind;
    bool reduce = false;
    std::function<QList<TFieldPlace>()> fields;
};

QList<TJob> fnJobs()
{
    QList<TJob> jobs;
    jobs.push_back({QStringLiteral("ImageAbout"), fnDrawAbout, {24, true}, false, {}});
    const struct {
        const char* name;
        TCoreKind kind;
    } cores[] = {
        {"ImageTr01", TCoreKind::LaminatedEI}, {"ImageTr02", TCoreKind::TapeEI}, {"ImageTr03", TCoreKind::LaminatedUI},
        {"ImageTr04", TCoreKind::TapeUI},      {"ImageTr05", TCoreKind::Toroid},
    };
    for (const auto& core : cores)
        jobs.push_back({QString::fromLatin1(core.name),
                        [kind = core.kind] { return fnDrawCoreSheet(kind); },
                        {8, true},
                        true,
                        [kind = core.kind] { return fnCoreFields(kind); }});
    jobs.push_back({QStringLiteral("ImageTr06"), fnDrawInputPanel, {8, true}, true, fnInputPanelFields});
    jobs.push_back({QStringLiteral("Icon16"), fnDrawIcon16, {8, false}, false, {}});
    jobs.push_back({QStringLiteral("ImageInduction"), fnDrawInductionSheet, {24, true}, false, fnInductionOverlay});
    jobs.push_back({QStringLiteral("ImageColorMark"), fnDrawColorMarkSheet, {24, true}, false, fnColorMarkOverlay});
    jobs.push_back({QStringLiteral("ImageFlt00"), fnDrawFilterSheet, {24, true}, false, fnFilterOverlay});
    jobs.push_back({QStringLiteral("ImageFormulas00"), fnDrawFormulasSheet, {24, true}, false, fnFormulasOverlay});
    return jobs;
}

void prWritePreviews(const QString& dir, const TJob& job, const QImage& restored)
{
    restored.save(dir + QLatin1Char('/') + job.name + QStringLiteral(".png"), "PNG");
    const QList<TFieldPlace> fields = job.fields ? job.fields() : QList<TFieldPlace>();
    if (fields.isEmpty())
        return;
    QImage marked = restored.convertToFormat(QImage::Format_RGB32);
    QPainter p(&marked);
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.setBrush(QColor(255, 0, 0, 60));
    for (const TFieldPlace& f : fields)
        p.drawRect(f.rect.adjusted(0, 0, -1, -1));
    p.end();
    marked.save(dir + QLatin1Char('/') + job.name + QStringLiteral("_fields.png"), "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    QTextStream out(stdout);
    QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QStringLiteral("--icons"))
        return fnWriteAppIcons(args.at(2), out, err);
    QString only;
    const int onlyAt = static_cast<int>(args.indexOf(QStringLiteral("--only")));
    if (onlyAt > 0 && onlyAt + 1 < args.size()) {
        only = args.at(onlyAt + 1);
        args.remove(onlyAt, 2);
    }
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: quillfern_picturegen <output-dir> [<preview-dir>] [--only <Store>]\n";
        return 2;
    }
    const QString outDir = args.at(1);
    const QString previewDir = args.size() == 3 ? args.at(2) : QString();
    if (!QDir().mkpath(outDir) || (!previewDir.isEmpty() && !QDir().mkpath(previewDir))) {
        err << "cannot create the output directories\n";
        return 1;
    }

    int failures = 0;
    for (TJob& job : fnJobs()) {
        if (!only.isEmpty() && job.name != only)
            continue;
        const QImage drawing = job.draw();
        QImage shown = drawing.convertToFormat(QImage::Format_RGB888);
        if (job.reduce) {
            shown = fnSnapToPalette(drawing, fnTransformerKeyColours(), kTransformerColours);
            const int colours = fnCountColours(shown);
            if (colours > kTransformerColours) {
                err << job.name << ": " << colours << " colours after reduction\n";
                ++failures;
                continue;
            }
        }
        const QString path = outDir + QLatin1Char('/') + job.name + QStringLiteral(".bmp");
        QString error;
        QImage restored;
        if (!fnWriteStore(shown, path, job.kind, error) || !fnCheckStore(path, shown, job.kind, restored, error)) {
            err << error << '\n';
            ++failures;
            continue;
        }
        out << path << ": " << shown.width() << " x " << shown.height() << ", " << job.kind.bitsPerPixel << " bits"
            << (job.kind.storedForm ? ", stored form" : "") << ", " << fnCountColours(shown) << " colours\n";
        if (!previewDir.isEmpty())
            prWritePreviews(previewDir, job, restored);
    }
    return failures == 0 ? 0 : 1;
}
