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
#include <ctime>

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
            // before the week was painted (bench/startup.sh), with the
            // processor time it took to get there.
            timespec cpu {};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::fprintf(stderr, "hourframe: week painted after %.2f ms of processor time\n",
                double(cpu.tv_sec) * 1000.0 + double(cpu.tv_nsec) / 1e6);
            // After this paint has reached the screen; exit() asks no window to close.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TMainForm &m_form;
    bool m_painted = false;
};
