// Picture stores (built into the program in stored form) and the 24-bit
// sheets restored from them, from which pages cut their drawings.
#pragma once

#include <QImage>

enum class TPictureStore {
    ImageAbout,
    ImageTr01,
    ImageTr02,
    ImageTr03,
    ImageTr04,
    ImageTr05,
    ImageTr06,
    ImageInduction,
    ImageColorMark,
    ImageFlt00,
    ImageFormulas00,
};

// Registers the built-in pictures (idempotent; the functions below call it).
void prLoadPictureResources();

// Resource path of a store, e.g. ":/pictures/ImageTr01.bmp" (the Russian
// drawing); fnVariantPath gives the one of the interface's language
// (":/pictures/en/ImageTr01.bmp" where the sheet carries words).
QString fnStorePath(TPictureStore store);
QString fnVariantPath(TPictureStore store);
// Store name as the widgets know it ("ImageTr01").
QString fnStoreName(TPictureStore store);

// A new 24-bit sheet (Format_RGB888) of the store's picture in the
// interface's language, rows restored with prRestoreRows(mode). Every caller
// passes mode 2.
QImage fnPictureFromStore(TPictureStore store, int mode);

// The program's 16 x 16 window icon (not kept in stored form).
QImage fnWindowIcon();

// The restored sheet of a store in the interface's language, made once and
// shared by every page that keeps it for its life (read only).
QImage fnSharedSheet(TPictureStore store);

// The same drawing at twice the pixel density, for a sheet handed out above:
// loaded the first time a screen with a device pixel ratio above 1 asks for
// it. Null (and a note on stderr, once) when it is missing or unreadable:
// the 1x sheet is then used.
QImage fnSheetAt2x(const QImage& sheet);
// Reads the 2x drawings of every store in the interface's language on a
// worker thread (once; the window calls it when it finds itself on a fine
// screen), so that the first page of a calculator finds its drawing read. A
// page asking for a drawing being read waits for it; one not reached yet it
// reads itself.
void prReadSheetsAt2xAhead();

// Restores the rows of a 24-bit sheet in place (only mode 2 changes it).
void prRestoreRows(QImage& sheet, int mode);
// Turns a shown 24-bit picture into its stored form (picture generator, tests).
void prStoreRows(QImage& picture);
