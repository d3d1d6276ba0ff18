#pragma once

// The floating "Histories" window: a free-standing window that shows the histories as text,
// up to 50 at a time, growing as histories are added. It reads each one from the hand-off file
// when the main window tells it a new one is there.

#include "services.h"

#include <QStringList>
#include <QWidget>

class QScrollBar;

class FloatingHistoryWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxEntries = 50;

    FloatingHistoryWindow(const PageContext& context, QWidget* parent);

    int count() const { return static_cast<int>(m_headers.size()); }
    const QStringList& headers() const { return m_headers; }
    const QStringList& bodies() const { return m_bodies; }
    int lineCount() const { return m_lineCount; }
    int lineHeight() const { return m_lineHeight; }
    int charWidth() const { return m_charWidth; }
    int widestLine() const { return m_widestLine; }
    int hScroll() const { return m_hScroll; }
    int vScroll() const { return m_vScroll; }
    // The text area, without the scroll bars.
    QSize clientSize() const;
    QScrollBar* horizontalBar() const { return m_horizontal; }
    QScrollBar* verticalBar() const { return m_vertical; }

protected:
    bool event(QEvent* event) override;

private:
    class Canvas;

    void addEntry();
    void onScroll(QScrollBar* bar, int action);
    void onThumbReleased(QScrollBar* bar);
    void scrollTo(QScrollBar* bar, int offset);

    PageContext m_context;
    Canvas* m_canvas = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QScrollBar* m_vertical = nullptr;
    QStringList m_headers;
    QStringList m_bodies;
    int m_lineCount = 1;
    int m_lineCountBefore = 1;  // before the last addition
    int m_widestLine = 0;
    int m_lineHeight = 0;
    int m_charWidth = 0;
    int m_hScroll = 0;
    int m_vScroll = 0;
};
