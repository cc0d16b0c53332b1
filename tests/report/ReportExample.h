#pragma once

#include <QString>

// The report of the example week of tests/data/report-example.hf (weeks from
// Monday, the deviation column shown, the other settings at their defaults),
// after its title line, lines joined with line feeds.
inline QString ReportExampleAfterTitle()
{
    using namespace Qt::StringLiterals;
    return uR"(
Report from 30/11/2026 to 06/12/2026

Date         Day   Arrive    Depart    Lunch    Holiday   Hours    Weekly   Deviation   Comment
30/11/2026   Mon   08:30     17:00     00:30              08:00
01/12/2026   Tue   08:45     17:15     00:45              07:45                         Client visit
02/12/2026   Wed
03/12/2026   Thu   09:00     18:00     01:00              08:00
04/12/2026   Fri                                07:00
                                                                   30:45      -06:15

Total holidays for period 07:00
Total hours for period    30:45

Average daily hours       06:09
Average weekly hours      30:45)"_s;
}
