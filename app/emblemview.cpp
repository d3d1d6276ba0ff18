#include "emblemview.h"

#include "accessibility.h"
#include "avireader.h"
#include "programdirectory.h"

#include <QPainter>
#include <QTimerEvent>

#include <unordered_map>

namespace {

constexpr qint64 kLargestClip = qint64(avi::kMaxClipPixels) * 4;

// The clip's background is the colour of its first pixel; it is left out, so the page shows
// through around the emblem. The frames share one table of at most 256 colours, as an RLE8
// clip's frames do, which takes a quarter of the memory of full colour; a clip of more colours
// keeps full colour. Each decoded frame is let go as soon as it is converted.
QList<QImage> FramesOf(avi::Clip& clip)
{
    const uint32_t background = clip.frames.front().at(0, 0);
    const auto shown = [background](uint32_t pixel) { return pixel == background ? 0u : pixel; };
    std::unordered_map<uint32_t, uchar> indexOf;
    QList<QRgb> table;
    for (const dib::Image& image : clip.frames) {
        for (const uint32_t pixel : image.pixels) {
            if (table.size() <= 256 && indexOf.emplace(shown(pixel), uchar(table.size())).second) {
                table.append(shown(pixel));
            }
        }
    }
    const bool indexed = table.size() <= 256;
    QList<QImage> frames;
    for (dib::Image& image : clip.frames) {
        QImage frame(image.width, image.height,
                     indexed ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
        if (indexed) {
            frame.setColorTable(table);
        }
        for (int y = 0; y < image.height; ++y) {
            uchar* line = frame.scanLine(y);
            for (int x = 0; x < image.width; ++x) {
                const uint32_t pixel = shown(image.at(x, y));
                if (indexed) {
                    line[x] = indexOf.at(pixel);
                } else {
                    reinterpret_cast<uint32_t*>(line)[x] = pixel;
                }
            }
        }
        std::vector<uint32_t>().swap(image.pixels);
        frames.append(frame);
    }
    return frames;
}

}  // namespace

EmblemView::EmblemView(Prompts& prompts, Sounds& sounds, QWidget* parent)
    : QWidget(parent), m_prompts(prompts), m_sounds(sounds)
{
    setObjectName(QStringLiteral("emblem"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetAccessibleRole(this, QAccessible::Graphic);
    setAccessibleName(tr("TAVO emblem"));
}

void EmblemView::setStillPicture(const QString& path)
{
    m_still.reset(path.isEmpty() ? nullptr : new DibPicture(path, m_prompts, m_sounds));
    update();
}

bool EmblemView::play(const QString& clipPath)
{
    stop();
    const std::optional<QByteArray> bytes = ReadOrdinaryFile(clipPath, kLargestClip + 1);
    if (!bytes || bytes->size() > kLargestClip) {
        return false;
    }
    auto clip =
        avi::Read({reinterpret_cast<const uint8_t*>(bytes->constData()), size_t(bytes->size())});
    if (!clip) {
        return false;
    }
    m_frames = FramesOf(*clip);
    m_interval = clip->frameMicroseconds / 1000;
    m_frame = 0;
    m_timer.start(m_interval, this);
    update();
    return true;
}

void EmblemView::stop()
{
    m_timer.stop();
    m_frames.clear();
    m_frame = 0;
    m_interval = 0;
    update();
}

void EmblemView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_frame = (m_frame + 1) % int(m_frames.size());
    update();
}

void EmblemView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!playing()) {
        if (m_still) {
            m_still->draw(painter, this);
        }
        return;
    }
    // The clip keeps its shape, as large as the area allows and centred in it.
    const QImage& frame = m_frames[m_frame];
    const QSize size = frame.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame);
}
