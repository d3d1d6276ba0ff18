#include "dibpicture.h"

#include "dibreader.h"
#include "services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// Far beyond any picture the program ships; a larger file is not read into memory.
constexpr qint64 kLargestFile = qint64(dib::kMaxPixels) * 4 + 65536;

QString HighDensityName(const QString& fileName)
{
    const QFileInfo info(fileName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("@2x.") + info.suffix());
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
    // Only an ordinary file is opened: a pipe of that name would block the window.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_enabled = false;
        return false;
    }
    if (file.size() > kLargestFile) {
        fail(window, QObject::tr("%1 is not a Legitimate DIB File!").arg(m_fileName));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const dib::Picture picture = dib::Read({data, size_t(bytes.size())});
    switch (picture.failure) {
    case dib::Failure::None:
        break;
    case dib::Failure::NotADib:
        fail(window, QObject::tr("%1 is not a Legitimate DIB File!").arg(m_fileName));
        return false;
    case dib::Failure::NoPalette:
        fail(window, QObject::tr("CreatePalette() Failed"));
        return false;
    case dib::Failure::RleUnreadable:
        fail(window, QObject::tr("Could not load RLE!"));
        return false;
    case dib::Failure::PixelsUnreadable:
        fail(window, QString());
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
    QTimer::singleShot(0, window,
                       [prompts = &m_prompts, window = QPointer<QWidget>(window), message] {
                           prompts->warning(window, message);
                       });
}
