#include "calculators/Ladder/LadderPage.h"

#include "common/core/Numbers.h"
#include "common/ui/NumberField.h"
#include "common/ui/PageHost.h"
#include "common/ui/PageKit.h"
#include "common/ui/SeriesList.h"
#include "common/ui/UiText.h"
#include "text/Quantities.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

TMyPageList<TMyLadderPage> LadderPages;

const QColor Ink(34, 36, 40);
const QColor GridLine(184, 180, 172);
const QColor DecadeLine(150, 146, 140);
const QColor ExactCurve(168, 44, 30);
const QColor StandardCurve(22, 52, 112);

constexpr int InputPanelWidth = 200;
constexpr int FieldWidth = 40;
constexpr int FieldHeight = 14;
constexpr int TypingLimit = 6;
constexpr int RowStep = 18;

// The unit lists of F and R: catalogue texts and multipliers to Hz and Ohm.
constexpr std::uint32_t FrequencyUnits[] = {TextId::UnitHz, TextId::UnitKHz, TextId::UnitMHz, TextId::UnitGHz};
constexpr double FrequencyMultipliers[] = {1, 1e3, 1e6, 1e9};
constexpr std::uint32_t ImpedanceUnits[] = {TextId::UnitOhm, TextId::UnitKOhm, TextId::UnitMOhm};
constexpr double ImpedanceMultipliers[] = {1, 1e3, 1e6};

double fnMultiplier(const QComboBox* combo, std::span<const double> multipliers)
{
    const int index = combo->currentIndex();
    return index >= 0 && index < static_cast<int>(multipliers.size()) ? multipliers[static_cast<std::size_t>(index)]
                                                                      : 0;
}

// A caption over a row of the input panel.
QLabel* fnCaption(QWidget* parent, const char* name, std::uint32_t text, int top)
{
    QLabel* label = fnNewLabel(parent, name, fnText(text));
    label->move(10, top);
    return label;
}

// ------------------------------------------------------------ schematic

// The schematic's rows and columns, in its own coordinates.
constexpr int TopWire = 34;
constexpr int GroundWire = 112;
constexpr int ShuntMiddle = (TopWire + GroundWire) / 2;
constexpr int FirstColumn = 74;
constexpr int LastColumn = 440;
constexpr int LoadColumn = 498;

void prDrawInductor(QPainter& p, QPointF from, bool vertical)
{
    QPainterPath path(from);
    for (int hump = 0; hump < 4; ++hump) {
        const QPointF start = from + (vertical ? QPointF(0, hump * 7.0) : QPointF(hump * 7.0, 0));
        const QRectF box = vertical ? QRectF(start.x() - 3.5, start.y(), 7, 7)
                                    : QRectF(start.x(), start.y() - 3.5, 7, 7);
        path.arcTo(box, vertical ? 90 : 180, vertical ? -180 : -180);
    }
    p.drawPath(path);
}

void prDrawCapacitor(QPainter& p, QPointF centre, bool vertical)
{
    const QPen wire = p.pen();
    p.setPen(QPen(Ink, 2));
    if (vertical) {
        p.drawLine(QPointF(centre.x() - 7, centre.y() - 2), QPointF(centre.x() + 7, centre.y() - 2));
        p.drawLine(QPointF(centre.x() - 7, centre.y() + 2), QPointF(centre.x() + 7, centre.y() + 2));
    } else {
        p.drawLine(QPointF(centre.x() - 2, centre.y() - 7), QPointF(centre.x() - 2, centre.y() + 7));
        p.drawLine(QPointF(centre.x() + 2, centre.y() - 7), QPointF(centre.x() + 2, centre.y() + 7));
    }
    p.setPen(wire);
}

void prDrawResistor(QPainter& p, QRectF body)
{
    p.setBrush(KitPictureBackground);
    p.drawRect(body);
    p.setBrush(Qt::NoBrush);
}

// ------------------------------------------------------------ plot

constexpr int PlotLeft = 30;
constexpr int PlotTop = 8;
constexpr int PlotRightMargin = 10;
constexpr int PlotBottomMargin = 18;
constexpr double MaxLossDb = 80;

} // namespace

// ============================================================ schematic

TMyLadderSchematic::TMyLadderSchematic(QWidget* parent) : QWidget(parent) {}

void TMyLadderSchematic::prShow(const std::vector<TLadderElement>& ladder)
{
    // The drawing shows which elements stand where, not their values: a new
    // value alone (every keystroke in F, R or the ripple) leaves it as it is.
    const auto sameShape = [](const TLadderElement& a, const TLadderElement& b) {
        return a.shunt == b.shunt && a.inductor == b.inductor;
    };
    const bool same = ladder.size() == mLadder.size()
                      && std::equal(ladder.begin(), ladder.end(), mLadder.begin(), sameShape);
    mLadder = ladder;
    if (!same) {
        mDrawn = QPixmap();
        update();
    }
}

double TMyLadderSchematic::fnElementX(int element) const
{
    const double pitch = (LastColumn - FirstColumn) / static_cast<double>(std::max<std::size_t>(mLadder.size(), 1));
    return std::round(FirstColumn + pitch * (element + 0.5)) + 0.5;
}

QPoint TMyLadderSchematic::fnLabelPlace(int element, int width, int height) const
{
    const double x = fnElementX(element);
    if (mLadder[static_cast<std::size_t>(element)].shunt)
        return QPoint(static_cast<int>(x) + 12, ShuntMiddle - height / 2);
    return QPoint(static_cast<int>(x) - width / 2, TopWire - 12 - height);
}

void TMyLadderSchematic::paintEvent(QPaintEvent*)
{
    // Drawn once per shape and pixel ratio; the labels over it change far more often.
    const qreal ratio = devicePixelRatioF();
    if (mDrawn.isNull() || mDrawn.size() != size() * ratio) {
        mDrawn = QPixmap(size() * ratio);
        mDrawn.setDevicePixelRatio(ratio);
        QPainter painter(&mDrawn);
        prDraw(painter);
    }
    QPainter(this).drawPixmap(0, 0, mDrawn);
}

void TMyLadderSchematic::prDraw(QPainter& p) const
{
    p.fillRect(rect(), KitPictureBackground);
    if (mLadder.empty())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.2));
    QFont small = font();
    small.setPixelSize(10);
    p.setFont(small);

    // The source's resistance on the left, the load's on the right, the wires between.
    const double sourceX = 14, loadX = LoadColumn + 0.5;
    p.drawEllipse(QPointF(sourceX, TopWire + 0.5), 2.5, 2.5);
    p.drawEllipse(QPointF(sourceX, GroundWire + 0.5), 2.5, 2.5);
    p.drawLine(QPointF(sourceX + 2.5, TopWire + 0.5), QPointF(24, TopWire + 0.5));
    prDrawResistor(p, QRectF(24, TopWire - 3.5, 24, 8));
    p.drawText(QRectF(20, TopWire - 20, 32, 12), Qt::AlignCenter, fnText(TextId::LadderSource));
    p.drawLine(QPointF(48, TopWire + 0.5), QPointF(loadX, TopWire + 0.5));
    p.drawLine(QPointF(sourceX + 2.5, GroundWire + 0.5), QPointF(loadX, GroundWire + 0.5));
    p.drawLine(QPointF(loadX, TopWire + 0.5), QPointF(loadX, ShuntMiddle - 12));
    prDrawResistor(p, QRectF(loadX - 4, ShuntMiddle - 12, 8, 24));
    p.drawLine(QPointF(loadX, ShuntMiddle + 12), QPointF(loadX, GroundWire + 0.5));
    p.drawText(QRectF(loadX + 6, ShuntMiddle - 6, 24, 12), Qt::AlignLeft | Qt::AlignVCenter,
               fnText(TextId::LadderLoad));

    for (std::size_t k = 0; k < mLadder.size(); ++k) {
        const TLadderElement& e = mLadder[k];
        const double x = fnElementX(static_cast<int>(k));
        const QString name = QString(e.inductor ? "L" : "C") + QString::number(k + 1);
        if (e.shunt) {
            // Down from the top wire to the ground wire, the symbol in the middle.
            p.drawLine(QPointF(x, TopWire + 0.5), QPointF(x, GroundWire + 0.5));
            p.setBrush(Ink);
            p.drawEllipse(QPointF(x, TopWire + 0.5), 2, 2);
            p.drawEllipse(QPointF(x, GroundWire + 0.5), 2, 2);
            p.setBrush(Qt::NoBrush);
            p.fillRect(QRectF(x - 8, ShuntMiddle - 15, 16, 30), KitPictureBackground);
            if (e.inductor) {
                p.drawLine(QPointF(x, ShuntMiddle - 15), QPointF(x, ShuntMiddle - 14));
                prDrawInductor(p, QPointF(x, ShuntMiddle - 14), true);
                p.drawLine(QPointF(x, ShuntMiddle + 14), QPointF(x, ShuntMiddle + 15));
            } else {
                p.drawLine(QPointF(x, ShuntMiddle - 15), QPointF(x, ShuntMiddle - 2));
                p.drawLine(QPointF(x, ShuntMiddle + 2), QPointF(x, ShuntMiddle + 15));
                prDrawCapacitor(p, QPointF(x, ShuntMiddle), true);
            }
            p.drawText(QRectF(x - 34, ShuntMiddle - 6, 24, 12), Qt::AlignRight | Qt::AlignVCenter, name);
        } else {
            p.fillRect(QRectF(x - 15, TopWire - 8, 30, 16), KitPictureBackground);
            if (e.inductor) {
                p.drawLine(QPointF(x - 15, TopWire + 0.5), QPointF(x - 14, TopWire + 0.5));
                prDrawInductor(p, QPointF(x - 14, TopWire + 0.5), false);
                p.drawLine(QPointF(x + 14, TopWire + 0.5), QPointF(x + 15, TopWire + 0.5));
            } else {
                p.drawLine(QPointF(x - 15, TopWire + 0.5), QPointF(x - 2, TopWire + 0.5));
                p.drawLine(QPointF(x + 2, TopWire + 0.5), QPointF(x + 15, TopWire + 0.5));
                prDrawCapacitor(p, QPointF(x, TopWire + 0.5), false);
            }
            p.drawText(QRectF(x - 16, TopWire + 9, 32, 12), Qt::AlignCenter, name);
        }
    }
}

// ============================================================ plot

TMyLadderPlot::TMyLadderPlot(QWidget* parent) : QWidget(parent) {}

template <typename TX, typename TY>
void TMyLadderPlot::prDrawGrid(QPainter& p, const QRectF& area, TX xAt, TY yAt) const
{
    p.fillRect(rect(), KitPictureBackground);
    // The loss grid: every 10 dB, labelled every 20.
    p.setPen(QPen(GridLine, 1));
    for (int db = 0; db <= 80; db += 10) {
        const double y = std::round(yAt(db)) + 0.5;
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        // Every 20 dB a figure, and the unit in the first gap.
        if (db % 20 == 0 || db == 10) {
            p.setPen(Ink);
            p.drawText(QRectF(0, y - 6, PlotLeft - 4, 12), Qt::AlignRight | Qt::AlignVCenter,
                       db == 10 ? fnText(TextId::LadderAxisDb) : QString::number(db));
            p.setPen(QPen(GridLine, 1));
        }
    }
    // The frequency grid: 1 ... 9 in each of the two decades.
    for (int decade = 0; decade < 2; ++decade) {
        for (int step = 1; step <= 10; ++step) {
            const double x = std::round(xAt(decade + std::log10(step))) + 0.5;
            p.setPen(QPen(step == 1 || step == 10 ? DecadeLine : GridLine, 1));
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
    }
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
}

void TMyLadderPlot::prShow(double cutoffHz, bool lowPass, std::vector<double> exactDb, std::vector<double> standardDb)
{
    mCutoffHz = cutoffHz;
    mLowPass = lowPass;
    mExactDb = std::move(exactDb);
    mStandardDb = std::move(standardDb);
    update();
}

void TMyLadderPlot::paintEvent(QPaintEvent*)
{
    const QRectF area(PlotLeft, PlotTop, width() - PlotLeft - PlotRightMargin, height() - PlotTop - PlotBottomMargin);
    const auto xAt = [&](double decades) { return area.left() + area.width() * decades / 2; }; // from F/10
    const auto yAt = [&](double db) { return area.top() + area.height() * std::clamp(db, 0.0, MaxLossDb) / MaxLossDb; };
    QFont small = font();
    small.setPixelSize(10);

    // The grid is the same for every design: drawn once per size and pixel ratio.
    const qreal ratio = devicePixelRatioF();
    if (mGrid.isNull() || mGrid.size() != size() * ratio) {
        mGrid = QPixmap(size() * ratio);
        mGrid.setDevicePixelRatio(ratio);
        QPainter g(&mGrid);
        g.setFont(small);
        prDrawGrid(g, area, xAt, yAt);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, mGrid);
    p.setFont(small);
    if (!(mCutoffHz > 0))
        return;

    for (int decade = 0; decade <= 2; ++decade) {
        const QString hz = fnQString(fnFormatFrequency(3, mCutoffHz * std::pow(10.0, decade - 1)));
        const double x = xAt(decade);
        const int align = decade == 0 ? Qt::AlignLeft : decade == 2 ? Qt::AlignRight : Qt::AlignHCenter;
        const QRectF box(decade == 0 ? x : decade == 2 ? x - 100 : x - 50, area.bottom() + 2, 100, 14);
        p.drawText(box, align | Qt::AlignTop, hz);
    }
    if (mExactDb.empty())
        return;

    // F and the harmonics (low-pass) or sub-harmonics (high-pass), dashed.
    const double marks[] = {1, mLowPass ? 2.0 : 0.5, mLowPass ? 3.0 : 1.0 / 3};
    QPen dashed(DecadeLine, 1, Qt::DashLine);
    for (const double ratio : marks) {
        const double x = std::round(xAt(1 + std::log10(ratio))) + 0.5;
        p.setPen(dashed);
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(area.adjusted(0, 0, 0, 1));
    // Both solid: a dashed stroke of 400 points costs more than the rest of
    // the repaint.
    const auto curve = [&](const std::vector<double>& lossDb, const QColor& colour) {
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(lossDb.size()));
        for (int k = 0; k < static_cast<int>(lossDb.size()); ++k)
            line << QPointF(xAt(2.0 * k / (LadderCurvePoints - 1)), yAt(lossDb[static_cast<std::size_t>(k)]));
        // Bevel joins: round ones on 400 short segments cost more than the rest of the repaint.
        p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        p.drawPolyline(line);
    };
    curve(mExactDb, ExactCurve);
    if (!mStandardDb.empty())
        curve(mStandardDb, StandardCurve);
    p.setClipping(false);

    // The legend, when there are two curves to tell apart.
    if (!mStandardDb.empty()) {
        const double y = area.bottom() - 30;
        const double x = area.right() - 110;
        p.fillRect(QRectF(x - 4, y - 8, 112, 32), KitPictureBackground);
        p.setPen(QPen(ExactCurve, 1.8));
        p.drawLine(QPointF(x, y), QPointF(x + 20, y));
        p.setPen(QPen(StandardCurve, 1.8));
        p.drawLine(QPointF(x, y + 15), QPointF(x + 20, y + 15));
        p.setPen(Ink);
        p.drawText(QRectF(x + 26, y - 7, 80, 14), Qt::AlignLeft | Qt::AlignVCenter, fnText(TextId::LadderCurveExact));
        p.drawText(QRectF(x + 26, y + 8, 80, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   fnText(TextId::LadderCurveStandard));
    }
}

// ============================================================ page

TMyLadderPage::TMyLadderPage(QWidget* tabSheet, TMyPageHost& host) : QObject(tabSheet), mSheet(tabSheet), mHost(&host)
{
}

void TMyLadderPage::prCreatePanelInput()
{
    PanelLadderInput = fnNewPanel(mSheet, "PanelLadderInput");
    PanelLadderInput->setGeometry(10, 10, InputPanelWidth, 10);
    PanelLadderInput->setAutoFillBackground(true);
    QPalette palette = PanelLadderInput->palette();
    palette.setColor(QPalette::Window, KitPictureBackground);
    PanelLadderInput->setPalette(palette);

    const auto group = [this](QRadioButton* first, QRadioButton* second) {
        auto* buttons = new QButtonGroup(this);
        buttons->addButton(first);
        buttons->addButton(second);
        first->setChecked(true);
        connect(buttons, &QButtonGroup::buttonClicked, this, [this] { prCalcLadder(); });
    };
    const int width = InputPanelWidth - 20;
    int top = 8;
    fnCaption(PanelLadderInput, "labelLadderResponse", TextId::LadderResponseTitle, top);
    rbLadderButterworth = fnNewRadio(PanelLadderInput, "rbLadderButterworth", TextId::LadderButterworth, 14,
                                     top += RowStep, width);
    rbLadderChebyshev = fnNewRadio(PanelLadderInput, "rbLadderChebyshev", TextId::LadderChebyshev, 14, top += RowStep,
                                   width);
    group(rbLadderButterworth, rbLadderChebyshev);
    top += RowStep + 2;
    mRippleCaption = fnCaption(PanelLadderInput, "labelLadderRipple", TextId::LadderCaptionRipple, top);
    editLadderRipple = new TMyNumberField(PanelLadderInput, "editLadderRipple", TypingLimit);
    editLadderRipple->setGeometry(InputPanelWidth - 12 - FieldWidth, top, FieldWidth, FieldHeight);
    editLadderRipple->setFrame(false);
    editLadderRipple->prWrite(QString::fromStdString(fnFixedText(TLadderSpec{}.rippleDb, 1)));
    editLadderRipple->setAccessibleName(mRippleCaption->text());
    editLadderRipple->setToolTip(mRippleCaption->text());
    connect(editLadderRipple, &TMyNumberField::edited, this, &TMyLadderPage::prCalcLadder);

    top += RowStep + 8;
    fnCaption(PanelLadderInput, "labelLadderKind", TextId::LadderKindTitle, top);
    rbLadderLowPass = fnNewRadio(PanelLadderInput, "rbLadderLowPass", TextId::LadderLowPass, 14, top += RowStep, width);
    rbLadderHighPass = fnNewRadio(PanelLadderInput, "rbLadderHighPass", TextId::LadderHighPass, 14, top += RowStep,
                                  width);
    group(rbLadderLowPass, rbLadderHighPass);

    top += RowStep + 8;
    fnCaption(PanelLadderInput, "labelLadderForm", TextId::LadderFormTitle, top);
    rbLadderShuntFirst = fnNewRadio(PanelLadderInput, "rbLadderShuntFirst", TextId::LadderShuntFirst, 14,
                                    top += RowStep, width);
    rbLadderSeriesFirst = fnNewRadio(PanelLadderInput, "rbLadderSeriesFirst", TextId::LadderSeriesFirst, 14,
                                     top += RowStep, width);
    group(rbLadderShuntFirst, rbLadderSeriesFirst);

    top += RowStep + 10;
    QLabel* order = fnCaption(PanelLadderInput, "labelLadderOrder", TextId::LadderOrder, top + 3);
    comboLadderOrder = new QComboBox(PanelLadderInput);
    comboLadderOrder->setObjectName("comboLadderOrder");
    for (int k = 1; k <= LadderMaxOrder; ++k)
        comboLadderOrder->addItem(QString::number(k));
    comboLadderOrder->setCurrentIndex(TLadderSpec{}.order - 1);
    comboLadderOrder->setGeometry(InputPanelWidth - 12 - 52, top, 52, KitComboHeight);
    comboLadderOrder->setAccessibleName(order->text());
    connect(comboLadderOrder, &QComboBox::currentIndexChanged, this, &TMyLadderPage::prCalcLadder);
    PanelLadderInput->resize(InputPanelWidth, top + KitComboHeight + 10);

    // The series list under the panel, as on the filter page.
    QLabel* series = fnNewLabel(mSheet, "labelSeries", fnText(TextId::SeriesCaption));
    series->move(PanelLadderInput->x() + 2, fnBottom(PanelLadderInput) + 12);
    comboSeries = fnNewSeriesCombo(mSheet);
    comboSeries->setGeometry(PanelLadderInput->x(), fnBottom(series) + 3, 90, KitComboHeight);
    connect(comboSeries, &QComboBox::currentIndexChanged, this, &TMyLadderPage::prCalcLadder);
}

void TMyLadderPage::prCreatePanelResult()
{
    const QSize pageControl = mHost->fnPageControlSize();
    PanelLadderResult = fnNewPanel(mSheet, "PanelLadderResult");
    PanelLadderResult->setGeometry(fnRight(PanelLadderInput) + 10, PanelLadderInput->y(),
                                   pageControl.width() - PanelLadderInput->x() - InputPanelWidth - 24,
                                   pageControl.height() - 48);
    PanelLadderResult->setAutoFillBackground(true);
    QPalette palette = PanelLadderResult->palette();
    palette.setColor(QPalette::Window, KitPictureBackground);
    PanelLadderResult->setPalette(palette);

    QLabel* heading = fnNewLabel(PanelLadderResult, "labelTitleLadder", fnText(TextId::LadderTitle));
    prSetFontPoints(heading, 12);
    prSetLabelText(heading, heading->text());
    heading->move(fnCentredLeft(PanelLadderResult->width(), heading->width()), 8);

    // F and R with their units, as the filter page has them.
    const auto input = [this](TMyNumberField*& edit, QComboBox*& combo, const char* name, const char* comboName,
                              std::uint32_t caption, std::span<const std::uint32_t> units, int selected, int left) {
        edit = new TMyNumberField(PanelLadderResult, name, TypingLimit);
        edit->setFrame(false);
        edit->setGeometry(left, 50, FieldWidth, FieldHeight);
        combo = fnNewUnitCombo(PanelLadderResult, comboName, {}, 0);
        prFillUnitCombo(combo, units, selected);
        prPlaceBeside(combo, edit);
        QLabel* label = fnNewLabel(PanelLadderResult, QString(name).replace("edit", "label"), fnText(caption));
        label->move(left + fnCentredLeft(fnRight(combo) - left, label->width()), 34);
        for (QWidget* widget : {static_cast<QWidget*>(edit), static_cast<QWidget*>(combo)})
            widget->setAccessibleName(label->text());
        edit->setToolTip(label->text());
        connect(edit, &TMyNumberField::edited, this, &TMyLadderPage::prCalcLadder);
        connect(combo, &QComboBox::currentIndexChanged, this, &TMyLadderPage::prCalcLadder);
    };
    input(editLadderF, comboLadderF, "editLadderF", "comboLadderF", TextId::LadderCaptionF, FrequencyUnits, 2, 110);
    input(editLadderR, comboLadderR, "editLadderR", "comboLadderR", TextId::LadderCaptionR, ImpedanceUnits, 0, 330);
    editLadderR->prWrite(QString::number(static_cast<int>(TLadderSpec{}.impedanceOhm)));

    imageLadderSchematic = new TMyLadderSchematic(PanelLadderResult);
    imageLadderSchematic->setObjectName("imageLadderSchematic");
    imageLadderSchematic->setAccessibleName(fnText(TextId::LadderSchematicTitle));
    imageLadderSchematic->setGeometry(8, 76, PanelLadderResult->width() - 16, 130);
    for (std::size_t k = 0; k < labelLadderValue.size(); ++k) {
        QLabel* value = fnNewLabel(PanelLadderResult, "labelLadderValue" + QString::number(k + 1));
        prSetFontPoints(value, 8);
        prAddCopyMenu(value);
        value->hide();
        labelLadderValue[k] = value;
    }
    imageLadderResponse = new TMyLadderPlot(PanelLadderResult);
    imageLadderResponse->setObjectName("imageLadderResponse");
    imageLadderResponse->setAccessibleName(fnText(TextId::LadderPlotTitle));
    imageLadderResponse->setGeometry(8, 212, PanelLadderResult->width() - 16, PanelLadderResult->height() - 212 - 30);
    labelLadderLoss2 = fnNewLabel(PanelLadderResult, "labelLadderLoss2");
    labelLadderLoss3 = fnNewLabel(PanelLadderResult, "labelLadderLoss3");
    for (QLabel* loss : {labelLadderLoss2, labelLadderLoss3}) {
        prAddCopyMenu(loss);
        loss->move(imageLadderResponse->x() + 30, fnBottom(imageLadderResponse) + 6);
    }
    labelLadderLoss3->move(imageLadderResponse->x() + imageLadderResponse->width() / 2 + 10, labelLadderLoss2->y());
}

TLadderSpec TMyLadderPage::fnReadSpec() const
{
    TLadderSpec spec;
    spec.response = rbLadderChebyshev->isChecked() ? TLadderResponse::Chebyshev : TLadderResponse::Butterworth;
    spec.kind = rbLadderHighPass->isChecked() ? TLadderKind::HighPass : TLadderKind::LowPass;
    spec.order = comboLadderOrder->currentIndex() + 1;
    spec.rippleDb = editLadderRipple->fnValue();
    spec.cutoffHz = editLadderF->fnValue() * fnMultiplier(comboLadderF, FrequencyMultipliers);
    spec.impedanceOhm = editLadderR->fnValue() * fnMultiplier(comboLadderR, ImpedanceMultipliers);
    spec.shuntFirst = rbLadderShuntFirst->isChecked();
    return spec;
}

void TMyLadderPage::prCalcLadder()
{
    const TLadderSpec spec = fnReadSpec();
    const bool chebyshev = spec.response == TLadderResponse::Chebyshev;
    mRippleCaption->setVisible(chebyshev);
    editLadderRipple->setVisible(chebyshev);

    const std::optional<TESeries> series = fnChosenSeries(comboSeries);
    TLadderView view = fnCalcLadder(spec, series);
    mLadder = std::move(view.exact);

    // The values beside their elements, the drawer's parts where a series is chosen.
    imageLadderSchematic->prShow(mLadder);
    for (std::size_t k = 0; k < labelLadderValue.size(); ++k) {
        QLabel* label = labelLadderValue[k];
        if (k >= view.shown.size()) {
            prSetLabelText(label, QString());
            label->setToolTip(QString());
            label->hide();
            continue;
        }
        const TLadderShownElement& e = view.shown[k];
        prSetLabelText(label, fnQString(e.text));
        label->setToolTip(series ? fnStandardTip(e.exactText, e.deviationPercent) : QString());
        label->move(imageLadderSchematic->pos()
                    + imageLadderSchematic->fnLabelPlace(static_cast<int>(k), label->width(), label->height()));
        label->show();
    }

    // The response over two decades, and the loss at the harmonics the
    // drawer's parts really give.
    const bool lowPass = spec.kind == TLadderKind::LowPass;
    imageLadderResponse->prShow(mLadder.empty() ? 0 : spec.cutoffHz, lowPass, std::move(view.exactDb),
                                std::move(view.builtDb));
    const struct {
        QLabel* label;
        std::uint32_t text;
    } losses[] = {{labelLadderLoss2, lowPass ? TextId::LadderLossAt2F : TextId::LadderLossAtHalfF},
                  {labelLadderLoss3, lowPass ? TextId::LadderLossAt3F : TextId::LadderLossAtThirdF}};
    for (std::size_t k = 0; k < std::size(losses); ++k) {
        const TLadderHarmonic& harmonic = view.harmonics[k];
        prSetLabelText(losses[k].label, mLadder.empty() ? QString()
                                                        : fnText(losses[k].text)
                                                              .arg(fnQString(fnFormatFrequency(3, harmonic.hz)),
                                                                   fnQString(fnFloatToText(3, harmonic.lossDb))));
    }

    // Which input stops the design, if one does.
    std::uint32_t status = TextId::StatusLadderDone;
    switch (view.problem) {
    case TLadderProblem::None: break;
    case TLadderProblem::Order: status = TextId::StatusLadderOrder; break;
    case TLadderProblem::Ripple: status = TextId::StatusLadderRipple; break;
    case TLadderProblem::Frequency: status = TextId::StatusLadderFrequency; break;
    case TLadderProblem::Impedance: status = TextId::StatusLadderImpedance; break;
    }
    mHost->prNewTextStatusBar(fnText(status));
}

QString TMyLadderPage::fnCopyText() const
{
    QStringList lines{fnText(TextId::LadderTitle)};
    const TLadderSpec spec = fnReadSpec();
    const bool chebyshev = spec.response == TLadderResponse::Chebyshev;
    prAddCopyLine(lines, fnText(TextId::LadderResponseTitle),
                  (chebyshev ? rbLadderChebyshev : rbLadderButterworth)->text());
    if (chebyshev)
        prAddCopyLine(lines, mRippleCaption->text(), editLadderRipple->text());
    prAddCopyLine(lines, fnText(TextId::LadderKindTitle),
                  (rbLadderHighPass->isChecked() ? rbLadderHighPass : rbLadderLowPass)->text());
    prAddCopyLine(lines, fnText(TextId::LadderFormTitle),
                  (rbLadderSeriesFirst->isChecked() ? rbLadderSeriesFirst : rbLadderShuntFirst)->text());
    prAddCopyLine(lines, fnText(TextId::LadderOrder), comboLadderOrder->currentText());
    if (!editLadderF->text().isEmpty())
        prAddCopyLine(lines, fnText(TextId::LadderCaptionF), editLadderF->text() + " " + comboLadderF->currentText());
    if (!editLadderR->text().isEmpty())
        prAddCopyLine(lines, fnText(TextId::LadderCaptionR), editLadderR->text() + " " + comboLadderR->currentText());
    if (comboSeries->currentIndex() > 0)
        prAddCopyLine(lines, fnText(TextId::SeriesCaption).chopped(1), comboSeries->currentText());
    for (std::size_t k = 0; k < mLadder.size(); ++k)
        prAddCopyLine(lines, QString(mLadder[k].inductor ? "L" : "C") + QString::number(k + 1),
                      labelLadderValue[k]->text());
    for (const QLabel* loss : {labelLadderLoss2, labelLadderLoss3})
        if (!loss->text().isEmpty())
            lines << loss->text();
    return lines.join('\n');
}

void prCreateLadderPage(TMyPageHost& host)
{
    const auto made = fnBeginNewPage(host, LadderPages, "Ladder", TextId::LadderTab);
    if (!made)
        return;
    TMyLadderPage* page = made.page;
    page->prCreatePanelInput();
    page->prCreatePanelResult();
    page->btnClose = fnNewCloseButton(made.sheet, host, page->PanelLadderInput->x());
    prSetPageCopy(made.sheet, [page] { return page->fnCopyText(); });
    made.prShowSheet();
    page->prCalcLadder();
}

TMyLadderPage* fnLadderPage(int pageIndex) { return LadderPages.fnAt(pageIndex); }
