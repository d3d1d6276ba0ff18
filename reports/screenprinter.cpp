#include "screenprinter.h"

#include "services.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

QRect ScreenPictureRect(QSize window, QSize page, int printerDpiX, int printerDpiY, int screenDpiX,
                        int screenDpiY)
{
    const qint64 w = window.width();
    const qint64 h = window.height();
    qint64 width = (printerDpiX / std::max(1, screenDpiX)) * w;
    qint64 height = (printerDpiY / std::max(1, screenDpiY)) * h;
    if (width > page.width() && w > 0 && printerDpiX > 0) {
        height = h * printerDpiY * page.width() / (w * printerDpiX);
        width = page.width();
    }
    height = std::min<qint64>(height, page.height());
    width = std::min<qint64>(width, page.width());
    return QRect(0, 0, int(width), int(height));
}

ScreenPrinter::ScreenPrinter(PrinterChooser& printers, Prompts& prompts)
    : m_printers(printers), m_prompts(prompts)
{
}

bool ScreenPrinter::PrintWindow(QWidget* window)
{
    // The picture is taken before the print dialog covers anything.
    const QImage picture = window->grab().toImage();
    std::unique_ptr<QPrinter> printer = m_printers.choose(window, PrintRequest{});
    if (!printer) {
        return false;
    }
    const QRect target = ScreenPictureRect(
        window->size(), QSize(printer->width(), printer->height()), printer->logicalDpiX(),
        printer->logicalDpiY(), window->logicalDpiX(), window->logicalDpiY());
    printer->setDocName(QStringLiteral("Print Screen"));
    QPainter painter;
    if (!painter.begin(printer.get())) {
        m_prompts.warning(window, QCoreApplication::translate(
                                      "ScreenPrinter", "The screen could not be printed: the "
                                                       "printer or file could not be opened."));
        return false;
    }
    painter.drawImage(target, picture);
    return painter.end();
}
