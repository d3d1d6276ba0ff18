#pragma once

// The main window's tab control: every tab visible at once, in as many rows as the width needs.
// As with a classic multi-row tab control, the row holding the selected tab moves next to the
// page area, and the page area itself is left to the pages placed over it.

#include <QIcon>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QStyleOptionTab;
class QStylePainter;

class TabControl : public QWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent);

    int addTab(const QIcon& icon, const QString& text, const QString& toolTip);
    int count() const { return static_cast<int>(m_tabs.size()); }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // Selects a tab as a click on it does: a change of tab, then the click.
    void pressTab(int index);

    QString tabText(int index) const;
    QString tabToolTip(int index) const;
    QIcon tabIcon(int index) const;
    QRect tabRect(int index) const;
    int tabAt(const QPoint& position) const;
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The area below the tabs where the pages go, inside the frame and its margins.
    QRect displayRect() const;

signals:
    void currentChanged(int index);
    // A mouse click on a tab, after any change of selection that it made.
    void tabClicked(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Tab
    {
        QIcon icon;
        QString text;
        QString toolTip;
        QRect rect;
        int row = 0;
        QSize hint;  // measured once; a change of font or style measures again
    };

    void layoutTabs();
    void measureTabs();
    void placeRows();
    QSize tabSizeHint(const Tab& tab) const;
    void initStyleOption(QStyleOptionTab* option, int index) const;
    void drawTab(QStylePainter& painter, int index);
    int rowHeight() const;
    QRect paneRect() const;

    QList<Tab> m_tabs;
    QList<QList<int>> m_rows;  // tab indices of each row, in reading order
    int m_current = -1;
    int m_pressed = -1;
    int m_rowHeight = 0;
};
