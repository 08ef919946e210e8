// UI layer. The LC ladder filter designer: response, kind, form, order, cut-off
// and impedance on the left and above; the ladder's schematic with every
// element's value beside it, and its loss drawn over two decades around the
// cut-off, both redrawn on every keystroke.
#pragma once

#include "calculators/Ladder/LadderEngine.h"

#include <QObject>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPainter;
class QRectF;
class QPushButton;
class QRadioButton;
class TMyNumberField;
class TMyPageHost;

// The ladder drawn from the source's resistance to the load's: series
// elements on the top wire, shunt elements down to the ground wire.
class TMyLadderSchematic : public QWidget {
public:
    explicit TMyLadderSchematic(QWidget* parent);
    void prShow(const std::vector<TLadderElement>& ladder);
    // Where an element's value label goes (widget coordinates of its top-left
    // corner for a label `width` wide and `height` high).
    QPoint fnLabelPlace(int element, int width, int height) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double fnElementX(int element) const;
    void prDraw(QPainter& painter) const;

    std::vector<TLadderElement> mLadder;
    QPixmap mDrawn; // the drawing of the ladder's shape
};

// Loss in dB, 0 at the top and 80 at the bottom, over a logarithmic frequency
// axis from F/10 to 10 F; the designed ladder's curve, and the curve of the
// ladder built from standard parts when there is one; F and the harmonics
// (or sub-harmonics) marked.
class TMyLadderPlot : public QWidget {
public:
    explicit TMyLadderPlot(QWidget* parent);
    void prShow(double cutoffHz, bool lowPass, std::vector<double> exactDb, std::vector<double> standardDb);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <typename TX, typename TY>
    void prDrawGrid(QPainter& painter, const QRectF& area, TX xAt, TY yAt) const;

    QPixmap mGrid; // the background, axes and grid without a design
    double mCutoffHz = 0;
    bool mLowPass = true;
    std::vector<double> mExactDb;
    std::vector<double> mStandardDb;
};

class TMyLadderPage : public QObject {
    Q_OBJECT
public:
    TMyLadderPage(QWidget* tabSheet, TMyPageHost& host);

    QWidget* fnTabSheet() const { return mSheet; }
    // The design shown now (empty while an input is wrong).
    const std::vector<TLadderElement>& fnLadder() const { return mLadder; }
    QString fnCopyText() const;

    QPushButton* btnClose = nullptr;
    QFrame* PanelLadderInput = nullptr;
    QFrame* PanelLadderResult = nullptr;
    QRadioButton* rbLadderButterworth = nullptr;
    QRadioButton* rbLadderChebyshev = nullptr;
    QRadioButton* rbLadderLowPass = nullptr;
    QRadioButton* rbLadderHighPass = nullptr;
    QRadioButton* rbLadderShuntFirst = nullptr;
    QRadioButton* rbLadderSeriesFirst = nullptr;
    TMyNumberField* editLadderF = nullptr;
    TMyNumberField* editLadderR = nullptr;
    TMyNumberField* editLadderRipple = nullptr;
    QComboBox* comboLadderF = nullptr;
    QComboBox* comboLadderR = nullptr;
    QComboBox* comboLadderOrder = nullptr;
    QComboBox* comboSeries = nullptr;
    std::array<QLabel*, LadderMaxOrder> labelLadderValue{};
    QLabel* labelLadderLoss2 = nullptr;
    QLabel* labelLadderLoss3 = nullptr;
    TMyLadderSchematic* imageLadderSchematic = nullptr;
    TMyLadderPlot* imageLadderResponse = nullptr;

    void prCreatePanelInput();
    void prCreatePanelResult();

public slots:
    void prCalcLadder();

private:
    TLadderSpec fnReadSpec() const;

    QWidget* mSheet;
    TMyPageHost* mHost;
    QLabel* mRippleCaption = nullptr;
    std::vector<TLadderElement> mLadder;
};

void prCreateLadderPage(TMyPageHost& host);
TMyLadderPage* fnLadderPage(int pageIndex);
