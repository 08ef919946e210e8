// What a calculator page needs from the main window: the new tab to build on,
// the active page index, its status text and closing. Pages talk to this, so
// no calculator depends on the shell class itself.
#pragma once

#include <QSize>
#include <QString>

class QWidget;

class TMyPageHost {
public:
    virtual ~TMyPageHost() = default;
    // Index of the active tab among all tabs ever made (hidden ones count); -1: none.
    virtual int fnActivePageIndex() const = 0;
    // Size of the page control (tabs and their sheets), which pages lay out against.
    virtual QSize fnPageControlSize() const = 0;
    // Size of a tab sheet, the area a page fills.
    virtual QSize fnTabSheetSize() const = 0;
    // The tab sheet made by the last prCreateNewPage; a page builds on it.
    virtual QWidget* fnNewTabSheet() const = 0;
    // Caption of the tab with the given page index.
    virtual void prSetPageCaption(int pageIndex, const QString& caption) = 0;
    // Stores the active tab's status text and shows it.
    virtual void prNewTextStatusBar(const QString& text) = 0;
    // Hides the active tab.
    virtual void prClosePage() = 0;
};
