#include "windowkinds.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// Sees the keys that reach the window itself, and those its controls pass up to it.
class EscapeCloses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                static_cast<QWidget*>(watched)->close();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

void CloseOnEscape(QWidget* window)
{
    window->installEventFilter(new EscapeCloses(window));
}
