#pragma once

#include "chart/ChartData.h"

#include <QChartView>
#include <QImage>
#include <QString>

class QBarSet;
class QCategoryAxis;
class QLineSeries;
class QPainter;
class QResizeEvent;
class QStackedBarSeries;
class QValueAxis;

// The chart of a period drawn with Qt Charts: the hours of each week (or
// month) as stacked bars (hours, extra, holidays) against the weekly target
// as a line, and the running balance on an axis of its own on the right.
// Hovering over a bar or a point tells the record's figures. The colours
// follow the palette: a dark window gets the dark theme. The horizontal axis
// names as many records by date as its width holds.
class TChartView : public QChartView {
    Q_OBJECT

public:
    explicit TChartView(const TChartData &data, QWidget *parent = nullptr);

    const TChartData &Data() const { return m_data; }
    bool Dark() const { return m_dark; }
    // The records the horizontal axis names now, by index.
    QList<int> LabelledRecords() const;

    // The chart as it is laid out now, drawn onto a painter's device in the
    // rectangle target; vectors stay vectors (SVG, PDF).
    void Paint(QPainter &painter, const QRectF &target);
    // The same as a picture of the view's size.
    QImage Image();

    // Shows what the pointer entering a record tells, and hides it when the
    // pointer leaves that record.
    void HoverRecord(int index, bool entered);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void BuildChart();
    void AddBars();
    void AddTarget();
    void AddBalance();
    void ApplyPalette();
    void UpdateDateLabels();

    TChartData m_data;
    bool m_dark = false;
    QValueAxis *m_hoursAxis = nullptr;
    QValueAxis *m_balanceAxis = nullptr;
    QCategoryAxis *m_datesAxis = nullptr;
    QStackedBarSeries *m_bars = nullptr;
    QList<QBarSet *> m_barSets;
    QLineSeries *m_target = nullptr;
    QLineSeries *m_balance = nullptr;
    int m_labelCount = -1;
    int m_hovered = -1;
};

// Writes the chart as the view shows it to the file path, in the format its
// suffix names; the file is replaced only once complete. A suffix of no known
// format, or a write that fails, is an IoError naming the file.
void SaveChart(TChartView &view, const QString &path);
