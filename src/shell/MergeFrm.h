#pragma once

#include "core/DayMerge.h"

#include <QDialog>
#include <QList>
#include <QSet>

class QButtonGroup;
class QPushButton;
class QTableWidget;

// The days that both this window and the file (or a sync tool's copy of it)
// changed, each with both versions one above the other, field by field, and
// for each day the choice which to keep.
class TMergeForm : public QDialog {
    Q_OBJECT

public:
    // theirsName names the other side in the prompt: the file or the copy.
    TMergeForm(const QList<DayConflict> &conflicts, const QString &theirsName, QWidget *parent = nullptr);

    // The days whose other version was chosen.
    QSet<int> TakeTheirs() const;

private:
    // The two rows of the conflict at index: the date, and for each version
    // its choice and its fields, what differs in bold.
    void AddDay(int index);
    // As large as the days need, within the screen.
    void SizeToDays();
    void ChooseAll(int side);

    QList<DayConflict> m_conflicts;
    QList<QButtonGroup *> m_choices; // one per conflict: button 0 keeps mine, 1 takes theirs

    QTableWidget *tbDays;
    QPushButton *btKeepAllMine;
    QPushButton *btTakeAllTheirs;
    QPushButton *btOk;
    QPushButton *btCancel;
};

// Asks through the presenter. Returns false when the user cancelled;
// otherwise takeTheirs holds the days to take from the other side.
bool ResolveMergeConflicts(
    QWidget *parent, const QList<DayConflict> &conflicts, const QString &theirsName, QSet<int> &takeTheirs);
