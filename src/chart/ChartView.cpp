#include "chart/ChartView.h"

#include "core/ChunkedWriter.h"
#include "core/Errors.h"
#include "core/ReplaceFile.h"

#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QLegend>
#include <QLineSeries>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QResizeEvent>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The colours of the series, for a light and for a dark background.
struct SeriesColours {
    QColor hours;
    QColor extra;
    QColor holidays;
    QColor target;
    QColor balance;
};

const SeriesColours &ColoursFor(bool dark)
{
    static const SeriesColours light { QColor(0x3a, 0x74, 0xc4), QColor(0xe0, 0x8a, 0x1e),
        QColor(0x4c, 0xa0, 0x50), QColor(0xc0, 0x20, 0x20), QColor(0x6a, 0x3d, 0x9a) };
    static const SeriesColours darkColours { QColor(0x5a, 0x9b, 0xe6), QColor(0xf0, 0xa0, 0x40),
        QColor(0x66, 0xc0, 0x6a), QColor(0xff, 0x6a, 0x6a), QColor(0xc8, 0xa0, 0xe8) };
    return dark ? darkColours : light;
}

// Up to this many records the balance line marks each of its points.
constexpr std::size_t MaxMarkedPoints = 60;

// The record a point of a line stands over.
int RecordAt(const QPointF &point)
{
    return int(std::lround(point.x()));
}

} // namespace

TChartView::TChartView(const TChartData &data, QWidget *parent)
    : QChartView(parent)
    , m_data(data)
{
    setObjectName(u"ChartView"_s);
    setAccessibleName(tr("Chart"));
    setAccessibleDescription(ChartTitle(m_data));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    chart()->setAnimationOptions(QChart::NoAnimation);
    BuildChart();
}

void TChartView::BuildChart()
{
    QChart *c = chart();
    c->setTitle(ChartTitle(m_data));
    c->legend()->setAlignment(Qt::AlignBottom);
    const double count = double(m_data.Records.size());

    m_datesAxis = new QCategoryAxis(c);
    m_datesAxis->setObjectName(u"DatesAxis"_s);
    m_datesAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_datesAxis->setStartValue(-0.5);
    m_datesAxis->setRange(-0.5, std::max(count, 1.0) - 0.5);
    c->addAxis(m_datesAxis, Qt::AlignBottom);

    const TChartAxes axes = ChartAxes(m_data);
    m_hoursAxis = new QValueAxis(c);
    m_hoursAxis->setObjectName(u"HoursAxis"_s);
    m_hoursAxis->setTitleText(m_data.Months ? tr("Hours a week, monthly average") : tr("Hours a week"));
    m_hoursAxis->setLabelFormat(u"%.0f"_s);
    m_hoursAxis->setRange(axes.HoursMin, axes.HoursMax);
    m_hoursAxis->setTickCount(axes.Ticks);
    c->addAxis(m_hoursAxis, Qt::AlignLeft);

    AddBars();
    AddTarget();
    if (m_data.BalanceShown) {
        m_balanceAxis = new QValueAxis(c);
        m_balanceAxis->setObjectName(u"BalanceAxis"_s);
        m_balanceAxis->setTitleText(tr("Balance in hours"));
        m_balanceAxis->setLabelFormat(u"%.0f"_s);
        m_balanceAxis->setRange(axes.BalanceMin, axes.BalanceMax);
        m_balanceAxis->setTickCount(axes.Ticks);
        // The hours axis draws the grid; both have their lines at the same heights.
        m_balanceAxis->setGridLineVisible(false);
        c->addAxis(m_balanceAxis, Qt::AlignRight);
        AddBalance();
    }
    ApplyPalette();
}

void TChartView::AddBars()
{
    m_bars = new QStackedBarSeries(chart());
    m_bars->setBarWidth(0.8);
    auto *hours = new QBarSet(tr("Hours"), m_bars);
    m_barSets = { hours };
    QBarSet *extra = nullptr;
    QBarSet *holidays = nullptr;
    if (m_data.ExtraShown)
        m_barSets << (extra = new QBarSet(tr("Extra"), m_bars));
    if (m_data.HolidaysShown)
        m_barSets << (holidays = new QBarSet(tr("Holidays"), m_bars));
    for (const TChartRecord &record : m_data.Records) {
        // The extra and holiday minutes are part of the hours; the bar
        // shows the rest below them.
        hours->append(record.PerWeek(record.Hours - record.Extra - record.Holidays));
        if (extra)
            extra->append(record.PerWeek(record.Extra));
        if (holidays)
            holidays->append(record.PerWeek(record.Holidays));
    }
    m_bars->append(m_barSets);
    chart()->addSeries(m_bars);
    m_bars->attachAxis(m_datesAxis);
    m_bars->attachAxis(m_hoursAxis);
    for (QBarSet *set : std::as_const(m_barSets))
        connect(set, &QBarSet::hovered, this, [this](bool status, int index) { HoverRecord(index, status); });
}

void TChartView::AddTarget()
{
    // A step a record wide at each record's target, so that a change of
    // target shows where it happens.
    m_target = new QLineSeries(chart());
    m_target->setName(tr("Target"));
    for (std::size_t i = 0; i < m_data.Records.size(); ++i) {
        const TChartRecord &record = m_data.Records[i];
        m_target->append(double(i) - 0.5, record.PerWeek(record.Target));
        m_target->append(double(i) + 0.5, record.PerWeek(record.Target));
    }
    chart()->addSeries(m_target);
    m_target->attachAxis(m_datesAxis);
    m_target->attachAxis(m_hoursAxis);
    connect(m_target, &QLineSeries::hovered, this,
        [this](const QPointF &point, bool state) { HoverRecord(RecordAt(point), state); });
}

void TChartView::AddBalance()
{
    m_balance = new QLineSeries(chart());
    m_balance->setName(tr("Balance"));
    for (std::size_t i = 0; i < m_data.Records.size(); ++i) {
        if (const std::optional<qint64> balance = m_data.Records[i].Balance)
            m_balance->append(double(i), double(*balance) / 60);
    }
    m_balance->setPointsVisible(m_data.Records.size() <= MaxMarkedPoints);
    chart()->addSeries(m_balance);
    m_balance->attachAxis(m_datesAxis);
    m_balance->attachAxis(m_balanceAxis);
    connect(m_balance, &QLineSeries::hovered, this,
        [this](const QPointF &point, bool state) { HoverRecord(RecordAt(point), state); });
}

// The theme that suits the window's colour, then the window's own text and
// background colours and font over it.
void TChartView::ApplyPalette()
{
    const QPalette colours = palette();
    m_dark = colours.color(QPalette::Window).lightness() < 128;
    QChart *c = chart();
    c->setTheme(m_dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    c->setBackgroundBrush(colours.color(QPalette::Base));
    // The view around the chart in the chart's colour: one surface, as when saved.
    setBackgroundBrush(colours.color(QPalette::Base));
    c->setBackgroundRoundness(0);
    const QColor text = colours.color(QPalette::Text);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    c->setTitleFont(titleFont);
    c->setTitleBrush(text);
    c->legend()->setFont(font());
    c->legend()->setLabelColor(text);
    for (QAbstractAxis *axis : c->axes()) {
        axis->setLabelsFont(font());
        axis->setLabelsColor(text);
        axis->setTitleFont(font());
        axis->setTitleBrush(text);
    }

    const SeriesColours &series = ColoursFor(m_dark);
    const QColor barColours[]
        = { series.hours, m_data.ExtraShown ? series.extra : series.holidays, series.holidays };
    for (qsizetype i = 0; i < m_barSets.size(); ++i) {
        m_barSets[i]->setColor(barColours[i]);
        m_barSets[i]->setBorderColor(barColours[i]);
    }
    QPen target(series.target, 2, Qt::DashLine);
    m_target->setPen(target);
    if (m_balance)
        m_balance->setPen(QPen(series.balance, 2.5));
    m_labelCount = -1;
    UpdateDateLabels();
}

// As many dates as fit side by side with room between them.
void TChartView::UpdateDateLabels()
{
    const QFontMetrics metrics(m_datesAxis->labelsFont());
    const int labelWidth = metrics.horizontalAdvance(WidestAxisLabel(m_data.Months));
    // What the vertical axes and their labels take from the width.
    const int plotWidth = std::max(0, width() - 12 * metrics.averageCharWidth() - 80);
    const int count = std::max(1, plotWidth / (labelWidth + 3 * metrics.averageCharWidth()));
    if (count == m_labelCount)
        return;
    m_labelCount = count;
    for (const QString &label : m_datesAxis->categoriesLabels())
        m_datesAxis->remove(label);
    for (const auto &[index, text] : ChartAxisLabels(m_data, count))
        m_datesAxis->append(text, double(index));
    m_datesAxis->setRange(-0.5, std::max(double(m_data.Records.size()), 1.0) - 0.5);
}

QList<int> TChartView::LabelledRecords() const
{
    QList<int> records;
    for (const QString &label : m_datesAxis->categoriesLabels())
        records << int(std::lround(m_datesAxis->endValue(label)));
    return records;
}

void TChartView::HoverRecord(int index, bool entered)
{
    // Leaving a bar for the next may be told after entering the next.
    if (entered && index >= 0 && std::size_t(index) < m_data.Records.size()) {
        m_hovered = index;
        QToolTip::showText(QCursor::pos(), ChartRecordText(m_data, std::size_t(index)), this);
    } else if (!entered && index == m_hovered) {
        m_hovered = -1;
        QToolTip::hideText();
    }
}

void TChartView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    UpdateDateLabels();
}

void TChartView::changeEvent(QEvent *event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        ApplyPalette();
}

void TChartView::Paint(QPainter &painter, const QRectF &target)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene()->render(&painter, target, sceneRect());
}

QImage TChartView::Image()
{
    QImage image(viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(palette().color(QPalette::Base));
    QPainter painter(&image);
    Paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

namespace {

// The chart in a format, as the bytes of its file.
QByteArray ChartBytes(TChartView &view, TChartFormat format, const QString &path)
{
    const QSize size = view.viewport()->size();
    const QRectF area(QPointF(0, 0), QSizeF(size));
    const QString title = ChartTitle(view.Data());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const auto failed = [&] {
        return IoError(
            TChartView::tr("The chart could not be drawn for \"%1\"").arg(QDir::toNativeSeparators(path)));
    };
    switch (format) {
    case TChartFormat::Png:
        if (!view.Image().save(&buffer, "PNG"))
            throw failed();
        break;
    case TChartFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(title);
        QPainter painter;
        if (!painter.begin(&svg))
            throw failed();
        view.Paint(painter, area);
        painter.end();
        // The generator gives the size in millimetres, which viewers round
        // to a pixel more or less; the chart is drawn in pixels.
        const qsizetype svgStart = bytes.indexOf("<svg ");
        const qsizetype viewBox = bytes.indexOf("viewBox", svgStart);
        if (svgStart >= 0 && viewBox > svgStart)
            bytes.replace(svgStart, viewBox - svgStart,
                QByteArray("<svg width=\"" + QByteArray::number(size.width()) + "\" height=\""
                    + QByteArray::number(size.height()) + "\"\n "));
        break;
    }
    case TChartFormat::Pdf: {
        // One page of the chart's size, a point to a pixel.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(title);
        QPainter painter;
        if (!painter.begin(&pdf))
            throw failed();
        view.Paint(painter, area);
        if (!painter.end())
            throw failed();
        break;
    }
    }
    return bytes;
}

} // namespace

void SaveChart(TChartView &view, const QString &path)
{
    const std::optional<TChartFormat> format = ChartFormatOf(path);
    if (!format)
        throw IoError(TChartView::tr("\"%1\" is not named as a PNG, SVG or PDF file")
                          .arg(QDir::toNativeSeparators(path)));
    const QByteArray bytes = ChartBytes(view, *format, path);
    ReplaceFile(path, [&](QIODevice &file) {
        WriteAll(file, bytes.constData(), bytes.size(), QDir::toNativeSeparators(path));
        return true;
    });
}
