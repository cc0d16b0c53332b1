#include "settings/TargetHistoryList.h"

#include "core/Balance.h"
#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "ui/DateEdit.h"
#include "ui/Presenter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Room for a few entries; more scroll.
constexpr int VisibleLines = 4;

} // namespace

TTargetHistoryList::TTargetHistoryList(QWidget *parent)
    : QWidget(parent)
{
    lvTargetHistory = new QTreeWidget(this);
    lvTargetHistory->setObjectName(u"lvTargetHistory"_s);
    lvTargetHistory->setAccessibleName(tr("History of the targets"));
    lvTargetHistory->setRootIsDecorated(false);
    lvTargetHistory->setHeaderLabels({ tr("From"), tr("Weekly target") });
    lvTargetHistory->header()->setStretchLastSection(false);
    lvTargetHistory->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvTargetHistory->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    const int line = lvTargetHistory->fontMetrics().height() + 4;
    lvTargetHistory->setFixedHeight(line * (VisibleLines + 1) + 2 * lvTargetHistory->frameWidth());
    btDeleteTargets = new QPushButton(tr("D&elete"), this);
    btDeleteTargets->setObjectName(u"btDeleteTargets"_s);
    btDeleteTargets->setEnabled(false);

    // Up and Down choose an entry on the list, Delete deletes it.
    auto *deleteKey
        = new QShortcut(QKeySequence::Delete, lvTargetHistory, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, btDeleteTargets, &QPushButton::click);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lvTargetHistory, 1);
    layout->addWidget(btDeleteTargets, 0, Qt::AlignTop);

    connect(lvTargetHistory, &QTreeWidget::itemSelectionChanged, this, &TTargetHistoryList::SelectionChanged);
    connect(btDeleteTargets, &QPushButton::clicked, this, &TTargetHistoryList::btDeleteTargetsClick);
}

QList<QWidget *> TTargetHistoryList::Controls() const
{
    return { lvTargetHistory, btDeleteTargets };
}

void TTargetHistoryList::SetTargets(const TTargets &targets)
{
    m_targets = targets;
    Fill();
}

void TTargetHistoryList::Fill()
{
    lvTargetHistory->clear();
    for (const TTargetEntry &entry : m_targets.History()) {
        const QString from
            = entry.From == TTargetEntry::FromTheStart ? tr("The start") : ShortDateText(entry.From);
        auto *item = new QTreeWidgetItem(lvTargetHistory, { from, HoursText(entry.Targets.Weekly) });
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    SelectionChanged();
}

void TTargetHistoryList::SelectionChanged()
{
    QTreeWidgetItem *item = lvTargetHistory->currentItem();
    btDeleteTargets->setEnabled(item && item->isSelected() && lvTargetHistory->indexOfTopLevelItem(item) > 0);
}

void TTargetHistoryList::btDeleteTargetsClick()
{
    const int index = lvTargetHistory->indexOfTopLevelItem(lvTargetHistory->currentItem());
    if (index <= 0)
        return;
    const bool latest = std::size_t(index) + 1 == m_targets.History().size();
    m_targets.Remove(std::size_t(index));
    Fill();
    lvTargetHistory->setCurrentItem(lvTargetHistory->topLevelItem(index - 1));
    if (latest)
        Q_EMIT LatestChanged(m_targets.Latest());
}

std::optional<int> AskTargetsFrom(QWidget *parent, int defaultDay)
{
    QDialog dialog(parent);
    dialog.setObjectName(u"TargetsFromForm"_s);
    dialog.setWindowTitle(QCoreApplication::translate("TTargetHistoryList", "New targets"));
    auto *edTargetsFrom = new TDateEdit(&dialog);
    edTargetsFrom->setObjectName(u"edTargetsFrom"_s);
    edTargetsFrom->setDateRange(DayNumber::toDate(FirstFileDay()), DayNumber::toDate(LastFileDay()));
    edTargetsFrom->setDate(DayNumber::toDate(defaultDay));
    auto *question = new QLabel(
        QCoreApplication::translate("TTargetHistoryList", "From which date do the new targets apply?"),
        &dialog);
    question->setObjectName(u"laTargetsFrom"_s);
    question->setBuddy(edTargetsFrom);
    edTargetsFrom->SetAccessibleName(question->text());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // A typed text that names no date keeps OK disabled; the field says why.
    QObject::connect(edTargetsFrom, &TDateEdit::dateChanged, buttons->button(QDialogButtonBox::Ok),
        [buttons](const QDate &date) { buttons->button(QDialogButtonBox::Ok)->setEnabled(date.isValid()); });

    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(question);
    layout->addWidget(edTargetsFrom, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edTargetsFrom->setFocus();
    if (Presenter().ExecDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return DayNumber::fromDate(edTargetsFrom->date());
}
