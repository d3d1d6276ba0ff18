#pragma once

// Print Screen: a picture of the main window on one page, enlarged by the whole-number ratio of
// printer to screen resolution and kept within the printable area.

#include <QRect>
#include <QSize>

class PrinterChooser;
class Prompts;
class QWidget;

// Where the picture of a `window`-sized window goes on a `page`-sized printable area: enlarged by
// printerDpi / screenDpi in whole numbers, fitted to the page width (height in proportion) when
// too wide, and never beyond the page.
QRect ScreenPictureRect(QSize window, QSize page, int printerDpiX, int printerDpiY, int screenDpiX,
                        int screenDpiY);

class ScreenPrinter
{
public:
    ScreenPrinter(PrinterChooser& printers, Prompts& prompts);

    // Shows the print dialog and prints the window; false when cancelled or when it failed.
    bool PrintWindow(QWidget* window);

private:
    PrinterChooser& m_printers;
    Prompts& m_prompts;
};
