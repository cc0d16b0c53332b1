#pragma once

#include <QGuiApplication>

// Shows the wait cursor over the whole application while it lives and
// restores the previous cursor however the scope is left, a failure included.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
