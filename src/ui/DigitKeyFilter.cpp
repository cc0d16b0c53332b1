#include "ui/DigitKeyFilter.h"

#include <QKeyEvent>

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const QString typed = key->text();
        if (!shortcut && !typed.isEmpty() && typed.front().isPrint()
            && !(typed.front() >= u'0' && typed.front() <= u'9'))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
