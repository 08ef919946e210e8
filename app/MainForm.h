// The program's one window: menu, page control with one tab per open
// calculator (tab 0 is the help page), and a status text per tab shown in
// the status bar while that tab is active. Closing a tab only hides it.
#pragma once

#include "common/ui/PageHost.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class TMyImageCanvas;
struct TMyCalculator;

class TMyFormMain : public QMainWindow, public TMyPageHost {
    Q_OBJECT
public:
    explicit TMyFormMain(QWidget* parent = nullptr);
    ~TMyFormMain() override;

    // TMyPageHost
    int fnActivePageIndex() const override;
    QWidget* fnNewTabSheet() const override { return NewTabSheet; }
    QSize fnPageControlSize() const override;
    QSize fnTabSheetSize() const override;
    void prSetPageCaption(int pageIndex, const QString& caption) override;

    QTabWidget* fnPageControl() const { return PageControl; }
    // The text the status bar shows now.
    QString fnStatusText() const;
    // The status text kept for a tab ("" for an unknown index).
    QString fnStatusSlot(int pageIndex) const;
    const QImage& fnAboutBitmap() const { return AboutBitmap; }

public slots:
    void prCreateNewPage();
    void prNewTextStatusBar(const QString& text) override;
    void prOnPageChange();
    void prClosePage() override;

    void prMenuExitClick();
    // Ctrl+C on a calculator's tab: its inputs and results to the clipboard.
    void prCopyPage();
    void prMenuTransformerClick();
    void prMenuCoilClick();
    void prMenuFilterClick();
    void prMenuLadderClick();
    void prMenuColorMarkClick();
    void prMenuFormulasClick();
    void prMenuHelpClick();
    void prOpenWebSite();
    void prSendEMail();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // On a fine screen the drawings at 2x are read ahead from the first show.
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void prCreateMainMenu();
    // A new tab with the calculator's page on it.
    void prOpenCalculator(const TMyCalculator& calculator);
    void prOpenCalculator(const char* actionName);
    void prCreateHelpPage();
    void prPlaceHelpWidgets();
    static QUrl fnMailAddress(const QString& address, const QString& subject);

    QTabWidget* PageControl = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* mStatusLabel = nullptr;
    QWidget* NewTabSheet = nullptr;
    QStringList StatusSlots;
    QImage AboutBitmap;

    // Help page
    QWidget* mHelpSheet = nullptr;
    TMyImageCanvas* mHelpPicture = nullptr;
    QLabel* mHelpLine1 = nullptr;
    QLabel* mHelpLine2 = nullptr;
    QLabel* mWebPrefix = nullptr;
    QLabel* mWebLink = nullptr;
    QLabel* mMailPrefix = nullptr;
    QLabel* mMailLink = nullptr;
    QPushButton* mExitButton = nullptr;
};
