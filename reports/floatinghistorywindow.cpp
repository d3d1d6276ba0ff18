#include "floatinghistorywindow.h"

#include "accessibility.h"
#include "pagemessage.h"
#include "reporttext.h"
#include "reporttexts.h"
#include "windowkinds.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

// The text area: every entry, header and body on lines of their own, black on white. A screen
// reader reads it as a list of those lines.
class FloatingHistoryWindow::Canvas : public QWidget, public AccessibleLines
{
public:
    explicit Canvas(FloatingHistoryWindow* window) : QWidget(window), m_window(window)
    {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        setPalette(white);
        PrepareAccessibility();
        setAccessibleName(tr("History lines"));
    }

    QStringList accessibleLines() const override
    {
        QStringList lines;
        for (int n = 0; n < m_window->count(); ++n) {
            lines << m_window->headers()[n] << m_window->bodies()[n];
        }
        return lines;
    }
    QRect accessibleLineRect(int index) const override
    {
        const int line = m_window->lineHeight();
        const int width = std::max(m_window->widestLine(), this->width());
        return {-m_window->hScroll(), index * line - m_window->vScroll(), width, line};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        const int ascent = fontMetrics().ascent();
        const int line = m_window->lineHeight();
        for (int n = 0; n < m_window->count(); ++n) {
            const int x = -m_window->hScroll();
            painter.drawText(x, 2 * n * line - m_window->vScroll() + ascent,
                             m_window->headers()[n]);
            painter.drawText(x, (2 * n + 1) * line - m_window->vScroll() + ascent,
                             m_window->bodies()[n]);
        }
    }

private:
    FloatingHistoryWindow* m_window;
};

FloatingHistoryWindow::FloatingHistoryWindow(const PageContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("Histories"));
    setWindowTitle(tr("Histories"));
    SetAccessibleRole(this, QAccessible::Window);
    CloseOnEscape(this);
    // A fixed-pitch font, so that a line measured in characters is as wide as it looks.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_canvas = new Canvas(this);
    m_canvas->setFont(font());
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_vertical->setObjectName(QStringLiteral("vertical"));
    m_horizontal->setObjectName(QStringLiteral("horizontal"));
    m_vertical->setAccessibleName(tr("Scroll up and down"));
    m_horizontal->setAccessibleName(tr("Scroll left and right"));
    m_vertical->setRange(0, 0);
    m_horizontal->setRange(0, 0);
    // The window is sized to its text, however short: the bars may shrink below their arrows.
    m_vertical->setMinimumSize(m_vertical->sizeHint().width(), 1);
    m_horizontal->setMinimumSize(1, m_horizontal->sizeHint().height());
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_canvas, 0, 0);
    layout->addWidget(m_vertical, 0, 1);
    layout->addWidget(m_horizontal, 1, 0);
    const QFontMetrics metrics(font());
    m_lineHeight = metrics.height();
    m_charWidth = std::max(1, metrics.averageCharWidth());
    resize(200, 150);

    for (QScrollBar* bar : {m_vertical, m_horizontal}) {
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar](int action) { onScroll(bar, action); });
        connect(bar, &QScrollBar::sliderReleased, this, [this, bar] { onThumbReleased(bar); });
    }
    // The Histories page replays every history collected so far.
    PostPageMessage(m_context.mainWindow, PageMessages::Registered(PageMessages::kHistWindow), 0,
                    PageMessages::kReplayRequest);
}

QSize FloatingHistoryWindow::clientSize() const
{
    return m_canvas->size();
}

bool FloatingHistoryWindow::event(QEvent* event)
{
    if (event->type() == PageMessages::Registered(PageMessages::kHistWindow)) {
        addEntry();
        return true;
    }
    return QWidget::event(event);
}

void FloatingHistoryWindow::addEntry()
{
    tavo::ReportText report;
    if (!m_context.services->reports->readHandOff(this, report)) {
        return;
    }
    layout()->activate();
    const QSize frame = size() - m_canvas->size();
    const bool startsOver = count() == kMaxEntries;
    if (startsOver) {
        // The window starts over with this history.
        m_headers.clear();
        m_bodies.clear();
        m_lineCount = 1;
    }
    const QString header = FromWindows1252(report.header());
    const QString body = FromWindows1252(report.body());
    m_headers.append(header);
    m_bodies.append(body);
    const int width = int(std::max(header.size(), body.size())) * m_charWidth;
    m_widestLine = std::max(m_widestLine, width);
    m_vertical->setRange(0, m_lineCount);
    m_horizontal->setRange(0, m_widestLine / m_charWidth);
    const int lines = count() == 1 ? 3 : 2 * count();
    resize(m_widestLine + frame.width(), m_lineHeight * lines + frame.height());
    m_lineCountBefore = m_lineCount;
    m_lineCount += 2;
    m_canvas->update();
    NotifyLinesChanged(m_canvas, 2, startsOver);
}

void FloatingHistoryWindow::onScroll(QScrollBar* bar, int action)
{
    const bool vertical = bar == m_vertical;
    const int offset = vertical ? m_vScroll : m_hScroll;
    const int page = vertical ? clientSize().height() / std::max(1, m_lineHeight)
                              : clientSize().width() / m_charWidth;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        scrollTo(bar, offset - 1);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        scrollTo(bar, offset + 1);
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollTo(bar, offset - page);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollTo(bar, offset + page);
        break;
    case QAbstractSlider::SliderMove:
        break;  // the thumb follows the mouse; the text moves when it is let go
    default:
        bar->setSliderPosition(offset);  // no other action scrolls
        break;
    }
}

void FloatingHistoryWindow::onThumbReleased(QScrollBar* bar)
{
    scrollTo(bar, bar->sliderPosition());
}

void FloatingHistoryWindow::scrollTo(QScrollBar* bar, int offset)
{
    const bool vertical = bar == m_vertical;
    const int highest = vertical
                            ? std::max(0, m_lineHeight * m_lineCountBefore -
                                              clientSize().height() / std::max(1, m_lineHeight))
                            : 100;
    offset = std::clamp(offset, 0, highest);
    (vertical ? m_vScroll : m_hScroll) = offset;
    if (offset != bar->sliderPosition()) {
        bar->setSliderPosition(offset);
    }
    m_canvas->update();
}
