<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Balance</name>
    <message>
        <source>%1 is not a valid balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the running balance: the opening balance plus, for every day from the start date
(BalanceStartDate; 0 for the first day holding data) to the day it is taken, the hours
worked less that weekday&apos;s target. Days after today are not counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day to take the balance on, as typed in a date field or as yyyy-MM-dd (default and latest: today).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the account week by week instead: each week&apos;s first day (weeks as the week sheet shows them), hours worked, target, difference and the balance at its end, after the opening balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the report of a period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the CSV export of a period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a week with its hours as the week sheet shows them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the current time into today&apos;s Arrive or Depart and save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the running balance, or its account week by week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a command nor an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Did you mean &apos;%1&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: hourframe [FILE]
  or:  hourframe COMMAND [options] [FILE]
Opens the window with FILE, or with the file used last; or runs a command, which
without FILE takes the file used last.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &apos;hourframe COMMAND --help&apos; for the options of a command. A data file named
like a command opens in the window as &apos;hourframe ./report&apos;.

Options:
  -h, --help     Show this help.
  -v, --version  Show the version.

Exit status:
  0  done
  1  a file or its data could not be used
  2  a usage error
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the change was saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file; without it, the file last opened or saved in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Default: the setting %2; --no-%3 for the opposite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print one JSON object instead, for scripts: each figure as a number of minutes (null for a blank field) and, under the same name with Text added, as the text shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this value of a setting, named as in the settings file, for this run only. May be given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first day of the period, as typed in a date field or as yyyy-MM-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last day of the period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A named period instead: %1, a year (2026) or a month (2026-11). Without --from, --to and --period: this week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Widen the period to whole weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--period cannot be combined with --from and --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from and --to go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the period ends before it starts (--from %1 --to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--period: &apos;%1&apos; names no period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: hourframe %1 [options] %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing FILE, and no file was used last to take instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file used last, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set needs Name=Value, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk while it was being updated; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin with a row of column headings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Date column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Arrive column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Depart column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Lunch column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Extra column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Holiday column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Hours column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Deviation column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the Comment column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the CSV export of a period, as the Export command writes it, to a file or to
standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file to write, replaced once complete; - or none for standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write workdays with no hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write weekend days with no hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End with a row of totals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot; and so unable to create export file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the current time into today&apos;s Arrive (in) or Depart (out), rounded as the Enter
Current Time command rounds it, and saves the file. A field that already holds a time is
left alone unless --force is given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in for Arrive, out for Depart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This time of day instead of the current time, such as 8:30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace a time the field already holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither in nor out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 already holds %3; nothing was changed (--force replaces it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 on %3</source>
        <comment>Arrive 08:30 on Mon 30/11/2026</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report of a period, the same lines as the report window shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List workdays with no hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List weekend days with no hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the total hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the average hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the balance brought and carried forward.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End lines with CR LF instead of LF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week beginning %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the week that contains a date with each day&apos;s hours and deviation, the weekly hours
and the hours short or extra, as the week sheet shows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A day of the week to show, as typed in a date field or as yyyy-MM-dd (default: today).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>the export file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>%1 is not a valid time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid time: it is below zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid date: %2 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a data file: it holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid date: %2 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Unable to open registry key %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourframe files cannot be associated with this program: its path holds a line break or another control character, which a desktop entry cannot hold.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Period</name>
    <message>
        <source>This Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total holidays for period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total hours for period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance brought forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance carried forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average daily hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average weekly hours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBusyForm</name>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCommentForm</name>
    <message>
        <source>&amp;Enter or select a comment for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display this number of previously entered comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TData</name>
    <message>
        <source>1 or 0, true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of minutes or hours:minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date yyyy-MM-dd or a day number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of range for %2: give %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no setting named &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid value for %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDateEdit</name>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, calendar</source>
        <comment>the button that shows a calendar for a date field</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExportOptionsForm</name>
    <message>
        <source>Hourframe Export Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Dates </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the export file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma separated value (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Options </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;column headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;arrival time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export depart&amp;ure time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;lunch time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export e&amp;xtra hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export daily &amp;hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Deviations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate &amp;total hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma Separated Value Files (*.csv);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGoToWebsite</name>
    <message>
        <source>%1 home &amp;page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home &amp;page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1 home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Software &amp;web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Orvane Software web site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new hourframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load hourframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save hourframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save hourframe to new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide form in tool tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Lunch Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show lunch time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Extra Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show extra hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Daily Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show daily deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Weekly Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show weekly deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Form...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter Current Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter current time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home &amp;page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Software &amp;web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Orvane Software web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file %1<byte value="xd"/>Do you want to try to find it yourself?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourframe has changed.
Save data before creating a new hourframe?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourframe Files (*.hf);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Hourframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourframe has changed.
Save data before loading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Hourframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;<byte value="xd"/>and so unable to create export file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create export file &quot;%1&quot;<byte value="xd"/>Please ensure it isn&apos;t in use by another application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourframe has changed.
Save data before exiting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Lunch Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Extra Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Daily Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Weekly Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNTRegistry</name>
    <message>
        <source>Cannot lock %1: another program has held it for more than %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2 is a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open for reading only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPeriodOptionsForm</name>
    <message>
        <source>Adjust &amp;dates to full working weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include &amp;workdays with no hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include wee&amp;kend days with no hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nd date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPreferencesForm</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Options </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Associate .HF files with Hourframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen pre&amp;vious hourframe file on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;icon in tool tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically save &amp;changed data before exiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically &amp;enter current time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Round times to nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round times to nearest, minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always show &amp;lunch time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always show e&amp;xtra hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always show &amp;holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always show co&amp;mment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consider holidays as time &amp;worked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Target Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Target Hours </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;daily deviation from target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;uesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;hursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su&amp;nday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show wee&amp;kly deviation from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly target, hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &amp;lunch time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default lunch time, hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Printer Font </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer font name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Balance </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the first recorded day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opening balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRegistryManager</name>
    <message>
        <source>Hourframe cannot save its settings.
%1
Settings you change apply until Hourframe ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no settings key is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourframe could not read its settings file %1 and has kept it as %2. The settings start again from their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReportForm</name>
    <message>
        <source>Hourframe Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to clip&amp;board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy report to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print set&amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReportOptionsForm</name>
    <message>
        <source>Hourframe Report Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Report Dates </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Blank Days </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Statistics </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate &amp;total hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate &amp;average hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTimeEdit</name>
    <message>
        <source>%1 cannot be held as a time in minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTimeRecorder</name>
    <message>
        <source>%1 is not a valid day number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the days a data file can hold, %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document cannot hold more days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save a document that has no file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day record index %1 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWeekGrid</name>
    <message>
        <source>Arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week &amp;beginning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time you arrived, such as 830 for 08:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time you left, such as 1715 for 17:15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of the lunch break, such as 30 for 00:30 or 1: for 01:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours worked beyond arrival and departure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday hours taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a weekday and a row of the sheet: Monday, Arrive</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <comment>the caption of a day&apos;s comment button when the day has a comment</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWeekSheet</name>
    <message>
        <source>The week of %1 is outside the days a data file can hold, %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>%1 is not a valid time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes cannot be shown as a clock time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
