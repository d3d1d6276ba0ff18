#include "tabcontrol.h"

#include "dialogunits.h"
#include "tabcontrolaccessible.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QStyleOptionFocusRect>

#include <limits>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QToolTip>

namespace {

constexpr int kIconSize = 15;
// Space around the icon and the label inside a tab, in dialog units.
constexpr double kTabPadding = 3;

// Splits the tab widths, in order, into `rows` rows whose widest row is as narrow as possible.
QList<QList<int>> BalancedRows(const QList<int>& widths, int rows)
{
    const int n = static_cast<int>(widths.size());
    rows = std::min(rows, std::max(1, n));
    QList<int> prefix{0};
    for (int w : widths) {
        prefix.append(prefix.last() + w);
    }
    // best[r][i]: the narrowest widest row for the first i tabs in r rows; cut: where row r starts.
    const int none = std::numeric_limits<int>::max();
    QList<QList<int>> best(rows + 1, QList<int>(n + 1, none));
    QList<QList<int>> cut(rows + 1, QList<int>(n + 1, 0));
    best[0][0] = 0;
    for (int r = 1; r <= rows; ++r) {
        for (int i = 1; i <= n; ++i) {
            for (int j = r - 1; j < i; ++j) {
                if (best[r - 1][j] == none) {
                    continue;
                }
                const int widest = std::max(best[r - 1][j], prefix[i] - prefix[j]);
                if (widest < best[r][i]) {
                    best[r][i] = widest;
                    cut[r][i] = j;
                }
            }
        }
    }
    QList<QList<int>> result(rows);
    int end = n;
    for (int r = rows; r >= 1; --r) {
        for (int k = cut[r][end]; k < end; ++k) {
            result[r - 1].append(k);
        }
        end = cut[r][end];
    }
    return result;
}

}  // namespace

TabControl::TabControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabs"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    // Before anything asks for this control's interface, such as a change of its name.
    static const bool accessible = [] {
        QAccessible::installFactory(TabControlAccessibleFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    setAccessibleName(tr("Calculators"));
}

int TabControl::addTab(const QIcon& icon, const QString& text, const QString& toolTip)
{
    m_tabs.append({icon, text, toolTip, {}, 0, {}});
    m_tabs.last().hint = tabSizeHint(m_tabs.last());
    layoutTabs();
    return count() - 1;
}

void TabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current) {
        return;
    }
    m_current = index;
    placeRows();
    update();
    if (QAccessible::isActive()) {
        // Screen readers follow the selection as they do on a standard tab bar.
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(index);
            QAccessible::updateAccessibility(&focus);
        }
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
    }
    emit currentChanged(index);
}

void TabControl::pressTab(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    setCurrentIndex(index);
    emit tabClicked(index);
}

QString TabControl::tabText(int index) const
{
    return index >= 0 && index < count() ? m_tabs[index].text : QString();
}

QString TabControl::tabToolTip(int index) const
{
    return index >= 0 && index < count() ? m_tabs[index].toolTip : QString();
}

QIcon TabControl::tabIcon(int index) const
{
    return index >= 0 && index < count() ? m_tabs[index].icon : QIcon();
}

QRect TabControl::tabRect(int index) const
{
    return index >= 0 && index < count() ? m_tabs[index].rect : QRect();
}

int TabControl::tabAt(const QPoint& position) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_tabs[i].rect.contains(position)) {
            return i;
        }
    }
    return -1;
}

int TabControl::rowHeight() const
{
    return m_rowHeight;
}

QRect TabControl::paneRect() const
{
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = std::max(0, rowCount() * rowHeight() - overlap);
    return QRect(0, top, width(), height() - top);
}

QRect TabControl::displayRect() const
{
    // The frame, then the margins that the pages' placement rule gives back.
    const DialogUnits du(this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    QRect inside = paneRect().adjusted(frame, frame, -frame, -frame);
    inside.setTop(std::max(inside.top(), rowCount() * rowHeight()));
    return inside.adjusted(du.x(2.5), du.y(2), -du.x(2), -du.y(2));
}

void TabControl::initStyleOption(QStyleOptionTab* option, int index) const
{
    option->initFrom(this);
    const Tab& tab = m_tabs[index];
    option->rect = tab.rect;
    option->text = tab.text;
    option->icon = tab.icon;
    option->iconSize = QSize(kIconSize, kIconSize);
    option->shape = QTabBar::RoundedNorth;
    option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    const QList<int>& row = m_rows[tab.row];
    const int position = static_cast<int>(row.indexOf(index));
    if (row.size() == 1) {
        option->position = QStyleOptionTab::OnlyOneTab;
    } else if (position == 0) {
        option->position = QStyleOptionTab::Beginning;
    } else if (position == row.size() - 1) {
        option->position = QStyleOptionTab::End;
    } else {
        option->position = QStyleOptionTab::Middle;
    }
    if (index == m_current) {
        option->state |= QStyle::State_Selected;
        if (hasFocus()) {
            option->state |= QStyle::State_HasFocus;
        }
    }
    if (underMouse() && tab.rect.contains(mapFromGlobal(QCursor::pos()))) {
        option->state |= QStyle::State_MouseOver;
    }
}

QSize TabControl::tabSizeHint(const Tab& tab) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.text = tab.text;
    option.icon = tab.icon;
    option.iconSize = QSize(kIconSize, kIconSize);
    option.shape = QTabBar::RoundedNorth;
    // Narrower padding than a one-row tab bar, so that fourteen tabs fit in two rows.
    const DialogUnits du(this);
    const QFontMetrics metrics(font());
    return {du.x(kTabPadding) * 3 + kIconSize + metrics.horizontalAdvance(tab.text),
            std::max(metrics.height(), kIconSize) + du.y(kTabPadding) * 2 + 2};
}

void TabControl::layoutTabs()
{
    m_rows.clear();
    m_rowHeight = 0;
    const int available = std::max(1, width());
    QList<int> widths;
    int total = 0;
    for (const Tab& tab : m_tabs) {
        const QSize hint = tab.hint;
        m_rowHeight = std::max(m_rowHeight, hint.height());
        widths.append(std::min(hint.width(), available));
        total += widths.last();
    }
    // As few rows as the width allows, split so that the widest row is as narrow as it can be.
    for (int rows = std::max(1, (total + available - 1) / available); rows <= count(); ++rows) {
        m_rows = BalancedRows(widths, rows);
        bool fits = true;
        for (const QList<int>& row : m_rows) {
            int used = 0;
            for (int index : row) {
                used += widths[index];
            }
            fits = fits && used <= available;
        }
        if (fits) {
            break;
        }
    }
    for (int r = 0; r < rowCount(); ++r) {
        const QList<int>& row = m_rows[r];
        int natural = 0;
        for (int index : row) {
            natural += widths[index];
        }
        // Rows fill the whole width when there is more than one, as on a classic tab control.
        const int extra = rowCount() > 1 ? available - natural : 0;
        int x = 0;
        for (int k = 0; k < row.size(); ++k) {
            Tab& tab = m_tabs[row[k]];
            const int share = extra / int(row.size()) + (k < extra % int(row.size()) ? 1 : 0);
            tab.row = r;
            tab.rect = QRect(x, 0, widths[row[k]] + share, m_rowHeight);
            x = tab.rect.right() + 1;
        }
    }
    placeRows();
    updateGeometry();
    update();
}

void TabControl::measureTabs()
{
    for (Tab& tab : m_tabs) {
        tab.hint = tabSizeHint(tab);
    }
}

void TabControl::placeRows()
{
    const int rows = rowCount();
    const int front = m_current >= 0 ? m_tabs[m_current].row : 0;
    for (Tab& tab : m_tabs) {
        // The selected tab's row is at the bottom; the others keep their cyclic order above it.
        const int fromFront = (tab.row - front + rows) % rows;
        const int visualRow = rows - 1 - fromFront;
        tab.rect.moveTop(visualRow * rowHeight());
        tab.rect.setHeight(rowHeight());
    }
}

bool TabControl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = tabAt(help->pos());
        if (index >= 0) {
            QToolTip::showText(help->globalPos(), m_tabs[index].toolTip, this, m_tabs[index].rect);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    switch (event->type()) {
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = paneRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    for (int i = 0; i < count(); ++i) {
        if (i != m_current) {
            drawTab(painter, i);
        }
    }
    if (m_current >= 0) {
        drawTab(painter, m_current);
    }
}

void TabControl::drawTab(QStylePainter& painter, int index)
{
    QStyleOptionTab option;
    initStyleOption(&option, index);
    // Some styles paint a selected tab's face beyond its rectangle; keep it on the tab and the
    // frame line it opens.
    painter.save();
    painter.setClipRect(option.rect.adjusted(-2, 0, 2, 2));
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    painter.restore();
    // The label with less padding than the style's own, so that every label fits.
    const DialogUnits du(this);
    const bool selected = index == m_current;
    const QRect inner = option.rect.adjusted(du.x(kTabPadding), selected ? 0 : 2, 0, 0);
    const QRect iconRect(inner.left(), inner.center().y() - kIconSize / 2, kIconSize, kIconSize);
    painter.drawPixmap(iconRect, m_tabs[index].icon.pixmap(QSize(kIconSize, kIconSize)));
    const QRect textRect = inner.adjusted(kIconSize + du.x(kTabPadding), 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, m_tabs[index].text);
    if (selected && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-2, 2, -du.x(kTabPadding) + 2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TabControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = tabAt(event->position().toPoint());
    if (m_pressed >= 0) {
        setCurrentIndex(m_pressed);
    }
}

void TabControl::mouseReleaseEvent(QMouseEvent* event)
{
    const int pressed = m_pressed;
    m_pressed = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 &&
        rect().contains(event->position().toPoint())) {
        emit tabClicked(pressed);
    }
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        setCurrentIndex((m_current + count() - 1) % count());
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrentIndex((m_current + 1) % count());
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void TabControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        measureTabs();
        layoutTabs();
    }
}
