#include "shell/MergeFrm.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/TimeText.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Column {
    ColDate,
    ColChoice,
    ColArrive,
    ColDepart,
    ColLunch,
    ColExtra,
    ColHoliday,
    ColComment,
    ColCount
};

// A time as the sheet shows it; blank where the sheet shows none.
QString timeText(int minutes, int blank)
{
    return minutes == blank || minutes < 0 ? QString() : ClockText(minutes);
}

// The text of one field of a version of the day; one line per record when
// the file repeats the day.
QString fieldText(const QList<DayRecord> &day, int column)
{
    QStringList lines;
    for (const DayRecord &record : day) {
        switch (column) {
        case ColArrive:
            lines.append(timeText(record.Arrive, -1));
            break;
        case ColDepart:
            lines.append(timeText(record.Depart, -1));
            break;
        case ColLunch:
            lines.append(timeText(record.Lunch, 0));
            break;
        case ColExtra:
            lines.append(timeText(record.Extra, 0));
            break;
        case ColHoliday:
            lines.append(timeText(record.Holiday, 0));
            break;
        default:
            lines.append(record.Comment);
        }
    }
    return lines.join(u'\n');
}

} // namespace

TMergeForm::TMergeForm(const QList<DayConflict> &conflicts, const QString &theirsName, QWidget *parent)
    : QDialog(parent)
    , m_conflicts(conflicts)
{
    setObjectName(u"MergeForm"_s);
    setWindowTitle(tr("Merge"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);

    auto *laPrompt = new QLabel(tr("These days were changed both in this window (mine) and in %1 (theirs). "
                                   "Choose the version to keep for each day.")
                                    .arg(theirsName),
        this);
    laPrompt->setObjectName(u"laPrompt"_s);
    laPrompt->setWordWrap(true);

    tbDays = new QTableWidget(int(conflicts.size()) * 2, ColCount, this);
    tbDays->setObjectName(u"tbDays"_s);
    tbDays->setHorizontalHeaderLabels({ tr("Date"), tr("Version"), tr("Arrive"), tr("Depart"), tr("Lunch"),
        tr("Extra"), tr("Holiday"), tr("Comment") });
    tbDays->verticalHeader()->hide();
    tbDays->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tbDays->setSelectionMode(QAbstractItemView::NoSelection);
    tbDays->setFocusPolicy(Qt::NoFocus);
    // Tab goes from the choices on to the buttons, not round the cells.
    tbDays->setTabKeyNavigation(false);
    laPrompt->setBuddy(tbDays);

    for (qsizetype i = 0; i < conflicts.size(); ++i)
        AddDay(int(i));
    SizeToDays();

    btKeepAllMine = new QPushButton(tr("Keep &mine for all"), this);
    btKeepAllMine->setObjectName(u"btKeepAllMine"_s);
    btKeepAllMine->setAutoDefault(false);
    btTakeAllTheirs = new QPushButton(tr("Take &theirs for all"), this);
    btTakeAllTheirs->setObjectName(u"btTakeAllTheirs"_s);
    btTakeAllTheirs->setAutoDefault(false);
    btOk = NewOkButton(this);
    btCancel = NewCancelButton(this);
    connect(btKeepAllMine, &QPushButton::clicked, this, [this] { ChooseAll(0); });
    connect(btTakeAllTheirs, &QPushButton::clicked, this, [this] { ChooseAll(1); });
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btKeepAllMine);
    buttons->addWidget(btTakeAllTheirs);
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(laPrompt);
    layout->addWidget(tbDays);
    layout->addLayout(buttons);
}

void TMergeForm::AddDay(int index)
{
    const DayConflict &conflict = m_conflicts[index];
    const int row = index * 2;
    auto *date = new QTableWidgetItem(
        DayCaption(DayNumber::dayOfWeek(conflict.date)) + u' ' + ShortDateText(conflict.date));
    date->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    tbDays->setItem(row, ColDate, date);
    tbDays->setSpan(row, ColDate, 2, 1);

    auto *choice = new QButtonGroup(this);
    const QList<DayRecord> *versions[2] = { &conflict.mine, &conflict.theirs };
    const QString captions[2] = { tr("Keep mine"), tr("Take theirs") };
    const QString names[2] = { u"rbMine%1"_s.arg(index), u"rbTheirs%1"_s.arg(index) };
    for (int side = 0; side < 2; ++side) {
        auto *button = new QRadioButton(captions[side], tbDays);
        button->setObjectName(names[side]);
        choice->addButton(button, side);
        tbDays->setCellWidget(row + side, ColChoice, button);
        const QList<DayRecord> &version = *versions[side];
        const QList<DayRecord> &other = *versions[1 - side];
        for (int column = ColArrive; column <= ColComment; ++column) {
            auto *item = new QTableWidgetItem(fieldText(version, column));
            // What differs between the two versions stands out.
            if (item->text() != fieldText(other, column)) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            tbDays->setItem(row + side, column, item);
        }
        if (version.isEmpty()) {
            auto *nothing = tbDays->item(row + side, ColComment);
            nothing->setText(tr("(no entry)"));
            QFont italic = nothing->font();
            italic.setItalic(true);
            nothing->setFont(italic);
        }
    }
    // Keeping what the window shows is what the command line does too.
    choice->button(0)->setChecked(true);
    m_choices.append(choice);
}

void TMergeForm::SizeToDays()
{
    tbDays->setWordWrap(false);
    tbDays->resizeColumnsToContents();
    tbDays->resizeRowsToContents();
    // The date spans the two rows of its day, which the column's own sizing passes over.
    int dateWidth = tbDays->horizontalHeader()->sectionSizeHint(ColDate);
    for (int row = 0; row < tbDays->rowCount(); row += 2)
        dateWidth = std::max(
            dateWidth, tbDays->fontMetrics().horizontalAdvance(tbDays->item(row, ColDate)->text()) + 12);
    tbDays->setColumnWidth(ColDate, dateWidth);
    tbDays->horizontalHeader()->setStretchLastSection(true);

    int width = tbDays->frameWidth() * 2;
    for (int column = 0; column < ColCount; ++column)
        width += tbDays->columnWidth(column);
    int height = tbDays->horizontalHeader()->height() + tbDays->frameWidth() * 2;
    for (int row = 0; row < tbDays->rowCount(); ++row)
        height += tbDays->rowHeight(row);
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    tbDays->setMinimumSize(
        std::min(width, available.width() * 3 / 4), std::min(height, available.height() / 2));
    tbDays->setMaximumHeight(std::max(height, tbDays->minimumHeight()));
}

QSet<int> TMergeForm::TakeTheirs() const
{
    QSet<int> dates;
    for (qsizetype i = 0; i < m_conflicts.size(); ++i) {
        if (m_choices[i]->checkedId() == 1)
            dates.insert(m_conflicts[i].date);
    }
    return dates;
}

void TMergeForm::ChooseAll(int side)
{
    for (QButtonGroup *choice : std::as_const(m_choices))
        choice->button(side)->setChecked(true);
}

bool ResolveMergeConflicts(
    QWidget *parent, const QList<DayConflict> &conflicts, const QString &theirsName, QSet<int> &takeTheirs)
{
    TMergeForm form(conflicts, theirsName, parent);
    if (Presenter().ExecDialog(form) != QDialog::Accepted)
        return false;
    takeTheirs = form.TakeTheirs();
    return true;
}
