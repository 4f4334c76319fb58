#include "framework/Messages.h"

#include <QCoreApplication>
#include <QHash>

int RegisterWindowMessage(const QString& name)
{
    static QHash<QString, int> registered;
    // Window message names compare without regard to case.
    QString key = name.toUpper();
    auto it = registered.constFind(key);
    if (it != registered.constEnd())
        return *it;
    int type = QEvent::registerEventType();
    registered.insert(key, type);
    return type;
}

void PostMessage(QObject* target, int msg, qintptr wParam, qintptr lParam)
{
    if (target)
        QCoreApplication::postEvent(target, new TMessageEvent(msg, wParam, lParam));
}
