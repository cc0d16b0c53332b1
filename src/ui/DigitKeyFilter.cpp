#include "ui/DigitKeyFilter.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

namespace {

bool isEditingShortcut(const QKeyEvent &key)
{
    for (const QKeySequence::StandardKey editing : { QKeySequence::Undo, QKeySequence::Redo,
             QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll })
        if (key.matches(editing))
            return true;
    return false;
}

} // namespace

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        const bool typesCharacter
            = std::any_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
        const bool digits
            = std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (typesCharacter && !digits && !isEditingShortcut(*key))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
