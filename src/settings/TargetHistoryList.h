#pragma once

#include "core/Targets.h"

#include <QWidget>

#include <optional>

class QPushButton;
class QTreeWidget;

// The history of the targets on the Target Hours page: one line per entry,
// its start and its weekly target, and Delete for every entry but the
// first. It works on a copy; the dialog's OK stores it.
class TTargetHistoryList : public QWidget {
    Q_OBJECT

public:
    explicit TTargetHistoryList(QWidget *parent = nullptr);

    void SetTargets(const TTargets &targets);
    const TTargets &Targets() const { return m_targets; }
    // Its controls in tab order.
    QList<QWidget *> Controls() const;

Q_SIGNALS:
    // The latest entry was deleted: the targets from the start of the one
    // before it on are now these.
    void LatestChanged(const TTargetSet &latest);

private:
    void Fill();
    void SelectionChanged();
    void btDeleteTargetsClick();

    TTargets m_targets;
    QTreeWidget *lvTargetHistory;
    QPushButton *btDeleteTargets;
};

// Asks from which date new targets apply, offering defaultDay; the day
// chosen, or nothing when the user cancelled.
std::optional<int> AskTargetsFrom(QWidget *parent, int defaultDay);
