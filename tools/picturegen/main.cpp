// quillfern_picturegen: draws the program's pictures and writes them as
// picture stores (BMP files in stored form) for pictures/, with their
// English copies and their copies at twice the density.
//
//   quillfern_picturegen <output-dir> [<preview-dir>] [--only <Store>]
//   quillfern_picturegen --icons <dir>
//
// Every store is drawn in Russian and, when its sheet carries words, in
// English, each at 1x and at 2x:
//   <output-dir>/<Store>.bmp        1x, Russian (the stores the program reads)
//   <output-dir>/en/<Store>.bmp     1x, English, the same stored form
//   <output-dir>/2x/<Store>.png     2x, Russian, a plain PNG
//   <output-dir>/2x/en/<Store>.png  2x, English
// An English drawing that comes out as the Russian one (its words look the
// same in both alphabets) is not written. The window icon has no words and
// no 2x copy. Every file is read back (and restored) and compared with its
// drawing; any difference ends the run with a non-zero exit code, and so
// does an English word with a Cyrillic letter left in it. With a preview
// directory, a PNG of every restored picture is written there too (in the
// same sub-directories), plus a copy of each sheet with the page's field
// boxes and pieces outlined. With --only, just that store is drawn and
// written. With --icons, only the desktop icons are written
// (packaging/icons), checked the same way.
#include "Sheets.h"
#include "StoreFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <functional>

namespace {

using namespace picturegen;
using transformer::TTransCoreKind;

// The transformer drawings are reduced to this many colours so that the
// stored form (which complements half the rows) still fits 256.
constexpr int kTransformerColours = 128;
// Their copies at 2x are PNG files with no stored form: a full palette.
constexpr int kTransformerColoursAt2x = 256;
constexpr int kHighDensity = 2;

// A store to write: drawn only when it is asked for.
struct TJob {
    QString name;
    std::function<QImage(const TVariant&)> draw;
    TStoreKind kind;
    bool reduce = false;
    std::function<QList<TFieldPlace>(TLanguage)> fields;
    std::function<QList<TWordPair>()> words; // none: no English copy
    bool highDensity = true;                 // drawn at 2x too
};

QList<TJob> fnJobs()
{
    QList<TJob> jobs;
    jobs.push_back({QStringLiteral("ImageAbout"), fnDrawAbout, {24, true}, false, {}, fnAboutWords});
    const struct {
        const char* name;
        transformer::TTransCoreKind kind;
    } cores[] = {
        {"ImageTr01", TTransCoreKind::LamEI}, {"ImageTr02", TTransCoreKind::LentEI}, {"ImageTr03", TTransCoreKind::LamUI},
        {"ImageTr04", TTransCoreKind::LentUI},      {"ImageTr05", TTransCoreKind::Toroid},
    };
    for (const auto& core : cores)
        jobs.push_back({QString::fromLatin1(core.name),
                        [kind = core.kind](const TVariant& v) { return fnDrawCoreSheet(kind, v); },
                        {8, true},
                        true,
                        [kind = core.kind](TLanguage) { return fnCoreFields(kind); },
                        fnTransformerWords});
    jobs.push_back({QStringLiteral("ImageTr06"),
                    fnDrawInputPanel,
                    {8, true},
                    true,
                    [](TLanguage) { return fnInputPanelFields(); },
                    fnTransformerWords});
    jobs.push_back(
        {QStringLiteral("Icon16"), [](const TVariant&) { return fnDrawIcon16(); }, {8, false}, false, {}, {}, false});
    jobs.push_back({QStringLiteral("ImageInduction"),
                    fnDrawInductionSheet,
                    {24, true},
                    false,
                    fnInductionOverlay,
                    fnInductionWords});
    jobs.push_back({QStringLiteral("ImageColorMark"),
                    fnDrawColorMarkSheet,
                    {24, true},
                    false,
                    fnColorMarkOverlay,
                    fnColorMarkWords});
    jobs.push_back({QStringLiteral("ImageFlt00"),
                    fnDrawFilterSheet,
                    {24, true},
                    false,
                    [](TLanguage) { return fnFilterOverlay(); },
                    fnFilterWords});
    jobs.push_back({QStringLiteral("ImageFormulas00"),
                    fnDrawFormulasSheet,
                    {24, true},
                    false,
                    [](TLanguage) { return fnFormulasOverlay(); },
                    fnFormulasWords});
    return jobs;
}

// The sub-directory of a variant's files: "", "en/", "2x/" or "2x/en/".
QString fnVariantDir(const TVariant& v)
{
    QString dir = v.scale == 1 ? QString() : QStringLiteral("%1x/").arg(v.scale);
    if (v.language == TLanguage::English)
        dir += QStringLiteral("en/");
    return dir;
}

// An English word must not keep a Cyrillic letter, nor be empty.
bool fnEnglishWordsClean(const TJob& job, QTextStream& err)
{
    bool clean = true;
    for (const TWordPair& w : job.words()) {
        const QString english = QString::fromUtf8(w.english);
        if (english.isEmpty() || fnHasCyrillic(english)) {
            err << job.name << ": the English for \"" << QString::fromUtf8(w.russian) << "\" is \"" << english
                << "\"\n";
            clean = false;
        }
    }
    return clean;
}

void prWritePreviews(const QString& dir, const TJob& job, const TVariant& variant, const QImage& restored)
{
    restored.save(dir + QLatin1Char('/') + job.name + QStringLiteral(".png"), "PNG");
    const QList<TFieldPlace> fields = job.fields ? job.fields(variant.language) : QList<TFieldPlace>();
    if (fields.isEmpty())
        return;
    QImage marked = restored.convertToFormat(QImage::Format_RGB32);
    QPainter p(&marked);
    p.scale(variant.scale, variant.scale);
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.setBrush(QColor(255, 0, 0, 60));
    for (const TFieldPlace& f : fields)
        p.drawRect(f.rect.adjusted(0, 0, -1, -1));
    p.end();
    marked.save(dir + QLatin1Char('/') + job.name + QStringLiteral("_fields.png"), "PNG");
}

// One variant of a store as the program shows it: drawn and, for the
// transformer drawings, reduced to their palette. A null image on failure.
QImage fnShown(const TJob& job, const TVariant& variant, QTextStream& err)
{
    const QImage drawing = job.draw(variant);
    if (!job.reduce)
        return drawing.convertToFormat(QImage::Format_RGB888);
    const int limit = variant.scale == 1 ? kTransformerColours : kTransformerColoursAt2x;
    const QImage shown = fnSnapToPalette(drawing, fnTransformerKeyColours(), limit);
    const int colours = fnCountColours(shown);
    if (colours > limit) {
        err << fnVariantDir(variant) << job.name << ": " << colours << " colours after reduction\n";
        return QImage();
    }
    return shown;
}

// Writes one variant of a store: a store in stored form at 1x, a plain PNG
// at 2x. `once` is the picture at 1x in the same language, for the
// comparison of a 2x copy with it.
bool fnWriteVariant(const TJob& job, const TVariant& variant, const QImage& shown, const QImage& once,
                    const QString& outDir, const QString& previewDir, QTextStream& out, QTextStream& err)
{
    const QString sub = fnVariantDir(variant);
    if (!QDir().mkpath(outDir + QLatin1Char('/') + sub)
        || (!previewDir.isEmpty() && !QDir().mkpath(previewDir + QLatin1Char('/') + sub))) {
        err << "cannot create the directories for " << sub << '\n';
        return false;
    }
    QString error;
    QImage restored;
    if (variant.scale == 1) {
        const QString path = outDir + QLatin1Char('/') + sub + job.name + QStringLiteral(".bmp");
        if (!fnWriteStore(shown, path, job.kind, error) || !fnCheckStore(path, shown, job.kind, restored, error)) {
            err << error << '\n';
            return false;
        }
        out << path << ": " << shown.width() << " x " << shown.height() << ", " << job.kind.bitsPerPixel << " bits"
            << (job.kind.storedForm ? ", stored form" : "") << ", " << fnCountColours(shown) << " colours\n";
    } else {
        const QString path = outDir + QLatin1Char('/') + sub + job.name + QStringLiteral(".png");
        if (!fnWritePng(shown, path, error) || !fnCheckPng(path, shown, restored, error)) {
            err << error << '\n';
            return false;
        }
        const TDensityCheck density = fnCompareDensity(once, shown);
        out << path << ": " << shown.width() << " x " << shown.height() << ", PNG, " << fnCountColours(shown)
            << " colours, " << QFileInfo(path).size() << " bytes; "
            << QString::number(100.0 * density.detailedBlockShare, 'f', 1) << " % of 2 x 2 blocks detailed, "
            << QString::number(density.meanDifference, 'f', 2) << " levels from 1x\n";
        // A copy blown up from 1x has no detail in any 2 x 2 block.
        if (density.detailedBlockShare <= 0.0) {
            err << path << ": no more detail than the 1x picture\n";
            return false;
        }
    }
    if (!previewDir.isEmpty())
        prWritePreviews(previewDir + QLatin1Char('/') + sub, job, variant, restored);
    return true;
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

    int failures = 0;
    for (const TJob& job : fnJobs()) {
        if (!only.isEmpty() && job.name != only)
            continue;
        const bool words = job.words && !job.words().isEmpty();
        if (words && !fnEnglishWordsClean(job, err)) {
            ++failures;
            continue;
        }
        // The pictures at 1x and 2x, Russian then English.
        QImage shown[2][2];
        bool drawn = true;
        for (const TLanguage language : {TLanguage::Russian, TLanguage::English}) {
            const int l = language == TLanguage::English ? 1 : 0;
            if (l == 1 && !words)
                break;
            shown[l][0] = fnShown(job, {language, 1}, err);
            if (job.highDensity)
                shown[l][1] = fnShown(job, {language, kHighDensity}, err);
            drawn = drawn && !shown[l][0].isNull() && (!job.highDensity || !shown[l][1].isNull());
        }
        if (!drawn) {
            ++failures;
            continue;
        }
        // Words that look the same in both alphabets leave nothing to copy.
        const bool english = words && (shown[1][0] != shown[0][0] || shown[1][1] != shown[0][1]);
        if (words && !english)
            out << job.name << ": the English drawing is the Russian one; no English copy\n";
        for (int l = 0; l < (english ? 2 : 1); ++l) {
            const TLanguage language = l == 1 ? TLanguage::English : TLanguage::Russian;
            if (!fnWriteVariant(job, {language, 1}, shown[l][0], QImage(), outDir, previewDir, out, err))
                ++failures;
            if (job.highDensity
                && !fnWriteVariant(job, {language, kHighDensity}, shown[l][1], shown[l][0], outDir, previewDir, out,
                                   err))
                ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
