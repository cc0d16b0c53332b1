#include "chart/ChartFrm.h"

#include "chart/ChartData.h"
#include "chart/ChartView.h"
#include "core/TimeRecorder.h"
#include "report/ReportText.h"
#include "settings/DataMod.h"
#include "ui/Images.h"
#include "ui/Presenter.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TChartForm::TChartForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_timeRecorder(store)
{
    setObjectName(u"ChartForm"_s);
    setWindowTitle(tr("Hourframe Chart"));
    // Resizable, with a maximise box and no minimise box, as the report window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    resize(860, 540);

    acSave = CreateAction(u"acSave"_s, tr("&Save..."), tr("Save chart as PNG, SVG or PDF"), "SAVE");
    acCopyToClipboard = CreateAction(
        u"acCopyToClipboard"_s, tr("Copy to clip&board"), tr("Copy chart to clipboard as an image"), "COPY");
    acClose = CreateAction(u"acClose"_s, tr("&Close"), tr("Close"), "CLOSE");

    // The toolbar's buttons take no focus; the menu is the keyboard's way
    // to the commands.
    auto *mbChart = new QMenuBar(this);
    mbChart->setObjectName(u"mbChart"_s);
    QMenu *file = mbChart->addMenu(tr("&File"));
    file->addActions({ acSave, acCopyToClipboard });
    file->addSeparator();
    file->addAction(acClose);

    tbChart = new QToolBar(this);
    tbChart->setObjectName(u"tbChart"_s);
    tbChart->setIconSize(QSize(16, 16));
    tbChart->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbChart->addActions({ acSave, acCopyToClipboard });
    tbChart->addSeparator();
    tbChart->addAction(acClose);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setMenuBar(mbChart);
    m_layout->addWidget(tbChart);

    const auto command = [this](QAction *action, void (TChartForm::*handler)()) {
        connect(action, &QAction::triggered, this,
            [this, handler] { RunReportingErrors([this, handler] { (this->*handler)(); }); });
    };
    command(acSave, &TChartForm::acSaveExecute);
    command(acCopyToClipboard, &TChartForm::acCopyToClipboardExecute);
    connect(acClose, &QAction::triggered, this, &QWidget::close);
    acSave->setEnabled(false);
    acCopyToClipboard->setEnabled(false);
}

QAction *TChartForm::CreateAction(
    const QString &name, const QString &caption, const QString &hint, const char *image)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setIcon(CommandIcon(QString::fromLatin1(image)));
    return action;
}

void TChartForm::BuildChart(int StartDate, int EndDate)
{
    TChartData chart;
    if (m_timeRecorder)
        chart = ChartData(*m_timeRecorder, { StartDate, EndDate }, ReportSettingsOf(m_data));
    auto *view = new TChartView(chart, this);
    if (m_view) {
        m_layout->replaceWidget(m_view, view);
        delete m_view;
    } else {
        m_layout->addWidget(view);
    }
    m_view = view;
    const bool hasChart = !m_timeRecorder.isNull();
    acSave->setEnabled(hasChart);
    acCopyToClipboard->setEnabled(hasChart);
}

void TChartForm::acSaveExecute()
{
    TFileDialogOptions options;
    options.title = tr("Save Chart");
    options.filter = tr("PNG Images (*.png);;SVG Images (*.svg);;PDF Files (*.pdf)");
    options.defaultSuffix = u"png"_s;
    options.directory = m_data.ChartFileName();
    options.confirmOverwrite = true;
    const QString path = Presenter().SaveFileName(this, options);
    if (path.isEmpty())
        return;
    SaveChart(*m_view, path);
    m_data.SetChartFileName(path);
}

void TChartForm::acCopyToClipboardExecute()
{
    QGuiApplication::clipboard()->setImage(m_view->Image());
}

void ShowChart(QWidget *owner, TData &data, TTimeRecorder *store, const TPeriod &period)
{
    TChartForm form(data, store, owner);
    form.BuildChart(period.StartDate, period.EndDate);
    Presenter().ExecDialog(form);
}
