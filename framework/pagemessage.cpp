#include "pagemessage.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

namespace PageMessages {

QEvent::Type Registered(const char* name)
{
    static QHash<QString, QEvent::Type> numbers;
    const QString key = QString::fromLatin1(name);
    const auto found = numbers.constFind(key);
    if (found != numbers.constEnd()) {
        return *found;
    }
    const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    numbers.insert(key, type);
    return type;
}

bool ReserveFixedNumbers()
{
    static const bool reserved = [] {
        bool all = true;
        for (const QEvent::Type type : {HidePage, Activate, Reset, PrintScreen}) {
            all = QEvent::registerEventType(type) == type && all;
        }
        return all;
    }();
    return reserved;
}

}  // namespace PageMessages

PageMessage::PageMessage(QEvent::Type type, qintptr wParam, qintptr lParam)
    : QEvent(type), m_wParam(wParam), m_lParam(lParam)
{
}

bool SendPageMessage(QObject* receiver, QEvent::Type type, qintptr wParam, qintptr lParam)
{
    if (!receiver) {
        return false;
    }
    PageMessage message(type, wParam, lParam);
    return QCoreApplication::sendEvent(receiver, &message);
}

void PostPageMessage(QObject* receiver, QEvent::Type type, qintptr wParam, qintptr lParam)
{
    if (receiver) {
        QCoreApplication::postEvent(receiver, new PageMessage(type, wParam, lParam));
    }
}
