#include "dibpicture.h"

#include "dibreader.h"
#include "programdirectory.h"
#include "services.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

// Far beyond any picture the program ships; a larger file is not read into memory.
constexpr qint64 kLargestFile = qint64(dib::kMaxPixels) * 4 + 65536;

// What the user is told of a picture that is not drawn; empty for the beep.
QString FailureMessage(dib::Failure failure, const QString& fileName)
{
    switch (failure) {
    case dib::Failure::NotADib:
        return QObject::tr("%1 is not a Legitimate DIB File!").arg(fileName);
    case dib::Failure::NoPalette:
        return QObject::tr("CreatePalette() Failed");
    case dib::Failure::RleUnreadable:
        return QObject::tr("Could not load RLE!");
    case dib::Failure::None:
    case dib::Failure::PixelsUnreadable:
        break;
    }
    return {};
}

class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

DibPicture::DibPicture(QString fileName, Prompts& prompts, Sounds& sounds)
    : m_fileName(std::move(fileName)), m_prompts(prompts), m_sounds(sounds)
{
}

bool DibPicture::draw(QPainter& painter, QWidget* window)
{
    if (!m_enabled) {
        return false;
    }
    const WaitCursor waitCursor;
    QString path = m_fileName;
    int scale = 1;
    const QString sharper = HighDensityName(m_fileName);
    if (painter.device() && painter.device()->devicePixelRatio() > 1.5 &&
        QFileInfo(sharper).isFile()) {
        path = sharper;
        scale = 2;
    }
    const std::optional<QByteArray> bytes = ReadOrdinaryFile(path, kLargestFile + 1);
    if (!bytes) {
        m_enabled = false;
        return false;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(bytes->constData());
    const dib::Picture picture = bytes->size() > kLargestFile
                                     ? dib::Picture{dib::Failure::NotADib, {}}
                                     : dib::Read({data, size_t(bytes->size())});
    if (picture.failure != dib::Failure::None) {
        fail(window, FailureMessage(picture.failure, m_fileName));
        return false;
    }
    const dib::Image& image = picture.image;
    const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                      image.height, image.width * 4, QImage::Format_ARGB32);
    const QRect source = m_source.isEmpty()
                             ? view.rect()
                             : QRect(m_source.topLeft() * scale, m_source.size() * scale);
    const QRect destination = m_destination.isEmpty() ? window->rect() : m_destination;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(destination, view, source);
    painter.restore();
    return true;
}

void DibPicture::fail(QWidget* window, const QString& message)
{
    // Said once: the picture is not read again, so a repaint cannot bring the message back.
    m_enabled = false;
    if (message.isEmpty()) {
        m_sounds.beep();
        return;
    }
    // Not from inside the paint that found it: the message box would paint over it again.
    QTimer::singleShot(
        0, window, [prompts = &m_prompts, window, message] { prompts->warning(window, message); });
}
