#pragma once

#include <QWidget>

// Locks a widget's drawing while it lives, so that many visibility and
// position changes produce one repaint. A widget whose drawing an owner has
// already locked is left alone: locking and unlocking it again would mark it
// as locked on its own account, and it would stay blank after the owner's
// lock ends.
class DrawingLock {
public:
    explicit DrawingLock(QWidget *widget)
        : m_widget(widget)
        , m_locked(widget->updatesEnabled())
    {
        if (m_locked)
            m_widget->setUpdatesEnabled(false);
    }

    ~DrawingLock()
    {
        if (m_locked)
            m_widget->setUpdatesEnabled(true);
    }

    DrawingLock(const DrawingLock &) = delete;
    DrawingLock &operator=(const DrawingLock &) = delete;

private:
    QWidget *m_widget;
    bool m_locked;
};
