#pragma once

// Built into the start-up benchmark's copy of the main program only: ends the
// program once the main window has painted the week that start-up opened.

#include "shell/MainFrm.h"
#include "week/WeekSheet.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <cstdio>

class TFirstPaintProbe : public QObject {
public:
    explicit TFirstPaintProbe(TMainForm &form)
        : QObject(&form)
        , m_form(form)
    {
        form.WeekSheet().installEventFilter(this);
        // Queued behind the window's own start-up step, so it runs after it:
        // the week must be painted at least once more from here on.
        QMetaObject::invokeMethod(
            this, [this] { m_form.WeekSheet().update(); }, Qt::QueuedConnection);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_form.StartUpDone() && !m_painted) {
            m_painted = true;
            // A mark in the trace for counting what start-up flushed to disk
            // before the week was painted (bench/startup.sh).
            std::fputs("hourframe: week painted\n", stderr);
            // After this paint has reached the screen; exit() asks no window to close.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TMainForm &m_form;
    bool m_painted = false;
};
