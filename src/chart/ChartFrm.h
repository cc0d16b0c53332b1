#pragma once

#include "period/Period.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QToolBar;
class QVBoxLayout;
class TChartView;
class TData;
class TTimeRecorder;

// The chart window: the chart of a period (TChartView) under a toolbar with
// commands to save it as PNG, SVG or PDF, copy it as an image and close.
// The chart is made once, by BuildChart, and never changes while the window
// is open.
class TChartForm : public QDialog {
    Q_OBJECT

public:
    // store may be null; the window forgets it when it is destroyed first.
    TChartForm(TData &data, TTimeRecorder *store, QWidget *parent = nullptr);

    // Draws the chart of the period from the store, in place of the one drawn
    // before. Without a store the chart is empty; Save and Copy stay disabled
    // until a chart of a store is drawn.
    void BuildChart(int StartDate, int EndDate);
    // Null until BuildChart ran.
    TChartView *ChartView() const { return m_view; }

    QAction *acSave;
    QAction *acCopyToClipboard;
    QAction *acClose;

private:
    QAction *CreateAction(
        const QString &name, const QString &caption, const QString &hint, const char *image);
    void acSaveExecute();
    void acCopyToClipboardExecute();

    TData &m_data;
    QPointer<TTimeRecorder> m_timeRecorder;
    QToolBar *tbChart;
    QVBoxLayout *m_layout;
    TChartView *m_view = nullptr;
};

// The Chart command's window: draws the chart of the period, shows it
// modally over the owner and destroys it when the user closes it.
void ShowChart(QWidget *owner, TData &data, TTimeRecorder *store, const TPeriod &period);
