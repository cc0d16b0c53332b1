#pragma once

#include "core/TimeRecorder.h"

#include <QList>
#include <QSet>

// Merging two changed versions of one time card day by day, the way git
// merges lines: what both started from (base), what one side holds now
// (mine) and what the other side holds now (theirs).
//
// A day is compared as a whole, every field and the comment, in the form the
// data file keeps it: a day without anything in it is no day at all, and a
// day the file repeats on several lines is the list of those lines, in file
// order. A day changed on one side only takes that side's version; changed
// on both sides to the same version, that version; changed on both sides
// differently, it is a conflict, which the caller decides.

// A day changed on both sides differently. Either side may be empty: the
// day was cleared there.
struct DayConflict {
    int date = 0;
    QList<DayRecord> mine;
    QList<DayRecord> theirs;
};

struct DayMergeResult {
    // Every day of the merge in ascending order of date, each date's records
    // in their order; written as they stand, they make a valid data file.
    QList<DayRecord> records;
    // In ascending order of date.
    QList<DayConflict> conflicts;
};

// Three-way merge. A conflicting day takes theirs when its date is in
// takeTheirs, mine otherwise; it is listed in conflicts either way. An empty
// base makes it a two-way merge: every day only one side has is taken, and a
// day that differs is a conflict.
DayMergeResult MergeDays(const QList<DayRecord> &base, const QList<DayRecord> &mine,
    const QList<DayRecord> &theirs, const QSet<int> &takeTheirs = {});

// The record as the data file gives it back once written: times below zero
// as blank, line breaks of the comment as blanks.
DayRecord FileFormOf(const DayRecord &record);
