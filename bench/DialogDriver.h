#pragma once

// What the window benchmarks share for driving the main window's dialogs:
// finding a control by its name, answering a period options dialog with a
// period and OK, and waiting for a widget's first paint.

#include "core/DayNumber.h"
#include "period/Period.h"
#include "ui/DateEdit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

namespace BenchDriver {

// The dialog's control of that kind and name. A control renamed or changed
// in kind ends the benchmark with a message naming it, instead of a crash
// somewhere after.
template<typename Control> Control *Child(const QWidget &parent, const char *name)
{
    auto *control = parent.findChild<Control *>(QString::fromLatin1(name));
    if (!control) {
        std::fprintf(stderr, "%s has no %s named %s: the benchmark's driver needs mending\n",
            parent.metaObject()->className(), Control::staticMetaObject.className(), name);
        std::exit(3);
    }
    return control;
}

// Types the period into a period options dialog, starts clock and clicks
// OK; returns how the dialog ended.
inline int AnswerPeriodDialog(QDialog &dialog, const TPeriod &period, QElapsedTimer &clock)
{
    dialog.show();
    Child<TDateEdit>(dialog, "edStartDate")->setDate(DayNumber::toDate(period.StartDate));
    Child<TDateEdit>(dialog, "edEndDate")->setDate(DayNumber::toDate(period.EndDate));
    clock.start();
    Child<QPushButton>(dialog, "btOk")->click();
    dialog.hide();
    return dialog.result();
}

// Counts the paints of a widget and notes when the first one began.
class PaintWatch : public QObject {
public:
    int paints = 0;
    qint64 firstPaint = -1;

    // Shows window and handles events until painted has painted once.
    void ShowUntilPainted(QWidget &window, QWidget &painted, const QElapsedTimer &clock)
    {
        paints = 0;
        firstPaint = -1;
        m_clock = &clock;
        painted.installEventFilter(this);
        window.show();
        while (paints == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paints++ == 0)
            firstPaint = m_clock->nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer *m_clock = nullptr;
};

} // namespace BenchDriver
