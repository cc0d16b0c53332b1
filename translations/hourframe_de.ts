<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Balance</name>
    <message>
        <source>%1 is not a valid balance</source>
        <translation>%1 ist kein gültiger Saldo</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Hours a week by month, %1 to %2</source>
        <translation>Stunden pro Woche nach Monat, %1 bis %2</translation>
    </message>
    <message>
        <source>Hours a week, %1 to %2</source>
        <translation>Stunden pro Woche, %1 bis %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hours: %1 a week (%2 in all)</source>
        <translation>Stunden: %1 pro Woche (%2 insgesamt)</translation>
    </message>
    <message>
        <source>Hours: %1</source>
        <translation>Stunden: %1</translation>
    </message>
    <message>
        <source>of which extra: %1</source>
        <translation>davon Zusatzstunden: %1</translation>
    </message>
    <message>
        <source>of which holidays: %1</source>
        <translation>davon Urlaub: %1</translation>
    </message>
    <message>
        <source>Target: %1</source>
        <translation>Soll: %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>Balance: not counted</source>
        <translation>Saldo: nicht gezählt</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>The day to take the balance on, as typed in a date field or as yyyy-MM-dd (default and latest: today).</source>
        <translation>Der Stichtag des Saldos, wie in einem Datumsfeld eingegeben oder als yyyy-MM-dd (Standard und spätestens: heute).</translation>
    </message>
    <message>
        <source>Print the account week by week instead: each week&apos;s first day (weeks as the week sheet shows them), hours worked, target, difference and the balance at its end, after the opening balance.</source>
        <translation>Stattdessen die Abrechnung Woche für Woche ausgeben: nach dem Anfangssaldo für jede Woche ihren ersten Tag (Wochen wie im Wochenblatt), die gearbeiteten Stunden, das Soll, die Differenz und den Saldo an ihrem Ende.</translation>
    </message>
    <message>
        <source>Print the report of a period</source>
        <translation>Den Bericht eines Zeitraums ausgeben</translation>
    </message>
    <message>
        <source>Write the CSV export of a period</source>
        <translation>Den CSV-Export eines Zeitraums schreiben</translation>
    </message>
    <message>
        <source>Print a week with its hours as the week sheet shows them</source>
        <translation>Eine Woche mit ihren Stunden wie im Wochenblatt ausgeben</translation>
    </message>
    <message>
        <source>Put the current time into today&apos;s Arrive or Depart and save</source>
        <translation>Die aktuelle Uhrzeit als heutiges Kommen oder Gehen eintragen und speichern</translation>
    </message>
    <message>
        <source>Print the running balance, or its account week by week</source>
        <translation>Den laufenden Saldo ausgeben oder seine Abrechnung Woche für Woche</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a command nor an existing file</source>
        <translation>&apos;%1&apos; ist weder ein Befehl noch eine vorhandene Datei</translation>
    </message>
    <message>
        <source>. Did you mean &apos;%1&apos;?</source>
        <translation>. Meinten Sie &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Usage: hourframe [FILE]
  or:  hourframe COMMAND [options] [FILE]
Opens the window with FILE, or with the file used last; or runs a command, which
without FILE takes the file used last.

Commands:
</source>
        <translation>Aufruf: hourframe [DATEI]
  oder: hourframe BEFEHL [Optionen] [DATEI]
Öffnet das Fenster mit DATEI oder mit der zuletzt verwendeten Datei; oder führt einen
Befehl aus, der ohne DATEI die zuletzt verwendete Datei nimmt.

Befehle:
</translation>
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
        <translation>&apos;hourframe BEFEHL --help&apos; zeigt die Optionen eines Befehls. Eine Datendatei, die wie
ein Befehl heißt, öffnet sich im Fenster mit &apos;hourframe ./report&apos;.

Optionen:
  -h, --help     Diese Hilfe anzeigen.
  -v, --version  Die Version anzeigen.

Rückgabewert:
  0  erledigt
  1  eine Datei oder ihre Daten ließen sich nicht verwenden
  2  ein Fehler im Aufruf
</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <source>%1 (the change was saved)</source>
        <translation>%1 (die Änderung wurde gespeichert)</translation>
    </message>
    <message>
        <source>--set: %1</source>
        <translation>--set: %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>%1 Default: the setting %2; --no-%3 for the opposite.</source>
        <translation>%1 Standard: die Einstellung %2; --no-%3 für das Gegenteil.</translation>
    </message>
    <message>
        <source>Print one JSON object instead, for scripts: each figure as a number of minutes (null for a blank field) and, under the same name with Text added, as the text shown.</source>
        <translation>Stattdessen ein JSON-Objekt für Skripte ausgeben: jede Zahl als Anzahl Minuten (null für ein leeres Feld) und unter demselben Namen mit angehängtem Text als angezeigter Text.</translation>
    </message>
    <message>
        <source>Use this value of a setting, named as in the settings file, for this run only. May be given more than once.</source>
        <translation>Diesen Wert einer Einstellung, benannt wie in der Einstellungsdatei, nur für diesen Aufruf verwenden. Darf mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>The first day of the period, as typed in a date field or as yyyy-MM-dd.</source>
        <translation>Der erste Tag des Zeitraums, wie in einem Datumsfeld eingegeben oder als yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>The last day of the period.</source>
        <translation>Der letzte Tag des Zeitraums.</translation>
    </message>
    <message>
        <source>Widen the period to whole weeks.</source>
        <translation>Den Zeitraum auf ganze Wochen erweitern.</translation>
    </message>
    <message>
        <source>--period cannot be combined with --from and --to</source>
        <translation>--period lässt sich nicht mit --from und --to kombinieren</translation>
    </message>
    <message>
        <source>--from and --to go together</source>
        <translation>--from und --to gehören zusammen</translation>
    </message>
    <message>
        <source>the period ends before it starts (--from %1 --to %2)</source>
        <translation>der Zeitraum endet, bevor er beginnt (--from %1 --to %2)</translation>
    </message>
    <message>
        <source>--period: &apos;%1&apos; names no period</source>
        <translation>--period: &apos;%1&apos; bezeichnet keinen Zeitraum</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: hourframe %1 [options] %2</source>
        <translation>Aufruf: hourframe %1 [Optionen] %2</translation>
    </message>
    <message>
        <source>missing FILE, and no file was used last to take instead</source>
        <translation>DATEI fehlt, und es gibt keine zuletzt verwendete Datei, die an ihre Stelle treten könnte</translation>
    </message>
    <message>
        <source>the file used last, %1</source>
        <translation>die zuletzt verwendete Datei, %1</translation>
    </message>
    <message>
        <source>--set needs Name=Value, not &apos;%1&apos;</source>
        <translation>--set braucht Name=Wert, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date</source>
        <translation>%1: &apos;%2&apos; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid time of day</source>
        <translation>%1: &apos;%2&apos; ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>%1 changed on disk while it was being updated; nothing was written</source>
        <translation>%1 wurde auf dem Datenträger geändert, während es aktualisiert wurde; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Begin with a row of column headings.</source>
        <translation>Mit einer Zeile Spaltenüberschriften beginnen.</translation>
    </message>
    <message>
        <source>Write the Date column.</source>
        <translation>Die Spalte Date schreiben.</translation>
    </message>
    <message>
        <source>Write the Arrive column.</source>
        <translation>Die Spalte Arrive schreiben.</translation>
    </message>
    <message>
        <source>Write the Depart column.</source>
        <translation>Die Spalte Depart schreiben.</translation>
    </message>
    <message>
        <source>Write the Lunch column.</source>
        <translation>Die Spalte Lunch schreiben.</translation>
    </message>
    <message>
        <source>Write the Extra column.</source>
        <translation>Die Spalte Extra schreiben.</translation>
    </message>
    <message>
        <source>Write the Holiday column.</source>
        <translation>Die Spalte Holiday schreiben.</translation>
    </message>
    <message>
        <source>Write the Hours column.</source>
        <translation>Die Spalte Hours schreiben.</translation>
    </message>
    <message>
        <source>Write the Deviation column.</source>
        <translation>Die Spalte Deviation schreiben.</translation>
    </message>
    <message>
        <source>Write the Comment column.</source>
        <translation>Die Spalte Comment schreiben.</translation>
    </message>
    <message>
        <source>Writes the CSV export of a period, as the Export command writes it, to a file or to
standard output.</source>
        <translation>Schreibt den CSV-Export eines Zeitraums, wie ihn der Befehl Exportieren schreibt, in eine
Datei oder auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>The CSV file to write, replaced once complete; - or none for standard output.</source>
        <translation>Die zu schreibende CSV-Datei, ersetzt, sobald sie vollständig ist; - oder keine für die Standardausgabe.</translation>
    </message>
    <message>
        <source>Write workdays with no hours.</source>
        <translation>Werktage ohne Stunden schreiben.</translation>
    </message>
    <message>
        <source>Write weekend days with no hours.</source>
        <translation>Wochenendtage ohne Stunden schreiben.</translation>
    </message>
    <message>
        <source>End with a row of totals.</source>
        <translation>Mit einer Zeile Summen enden.</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot; and so unable to create export file</source>
        <translation>Der Ordner „%1“ lässt sich nicht anlegen und damit auch die Exportdatei nicht</translation>
    </message>
    <message>
        <source>Puts the current time into today&apos;s Arrive (in) or Depart (out), rounded as the Enter
Current Time command rounds it, and saves the file. A field that already holds a time is
left alone unless --force is given.</source>
        <translation>Trägt die aktuelle Uhrzeit als heutiges Kommen (in) oder Gehen (out) ein, gerundet wie
beim Befehl Aktuelle Uhrzeit eintragen, und speichert die Datei. Ein Feld, das schon eine
Zeit enthält, bleibt unverändert, außer mit --force.</translation>
    </message>
    <message>
        <source>in for Arrive, out for Depart.</source>
        <translation>in für Kommen, out für Gehen.</translation>
    </message>
    <message>
        <source>This time of day instead of the current time, such as 8:30.</source>
        <translation>Diese Uhrzeit statt der aktuellen, etwa 8:30.</translation>
    </message>
    <message>
        <source>Replace a time the field already holds.</source>
        <translation>Eine Zeit ersetzen, die das Feld schon enthält.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither in nor out</source>
        <translation>&apos;%1&apos; ist weder in noch out</translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation>Kommen</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>%1 of %2 already holds %3; nothing was changed (--force replaces it)</source>
        <translation>%1 am %2 enthält schon %3; nichts wurde geändert (--force ersetzt es)</translation>
    </message>
    <message>
        <source>%1 %2 on %3</source>
        <comment>Arrive 08:30 on Mon 30/11/2026</comment>
        <translation>%1 %2 am %3</translation>
    </message>
    <message>
        <source>Prints the report of a period, the same lines as the report window shows.</source>
        <translation>Gibt den Bericht eines Zeitraums aus, dieselben Zeilen wie im Berichtsfenster.</translation>
    </message>
    <message>
        <source>List workdays with no hours.</source>
        <translation>Werktage ohne Stunden aufführen.</translation>
    </message>
    <message>
        <source>List weekend days with no hours.</source>
        <translation>Wochenendtage ohne Stunden aufführen.</translation>
    </message>
    <message>
        <source>Add the total hours.</source>
        <translation>Die Gesamtstunden anfügen.</translation>
    </message>
    <message>
        <source>Add the average hours.</source>
        <translation>Die Durchschnittsstunden anfügen.</translation>
    </message>
    <message>
        <source>Add the balance brought and carried forward.</source>
        <translation>Den Saldo zu Beginn und am Ende anfügen.</translation>
    </message>
    <message>
        <source>End lines with CR LF instead of LF.</source>
        <translation>Zeilen mit CR LF statt LF beenden.</translation>
    </message>
    <message>
        <source>Hours short</source>
        <translation>Fehlstunden</translation>
    </message>
    <message>
        <source>Hours extra</source>
        <translation>Mehrstunden</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Weekly hours</source>
        <translation>Wochenstunden</translation>
    </message>
    <message>
        <source>Week beginning %1</source>
        <translation>Woche ab %1</translation>
    </message>
    <message>
        <source>Prints the week that contains a date with each day&apos;s hours and deviation, the weekly hours
and the hours short or extra, as the week sheet shows them.</source>
        <translation>Gibt die Woche aus, die ein Datum enthält, mit den Stunden und der Abweichung jedes Tages,
den Wochenstunden und den Fehl- oder Mehrstunden, wie das Wochenblatt sie zeigt.</translation>
    </message>
    <message>
        <source>A day of the week to show, as typed in a date field or as yyyy-MM-dd (default: today).</source>
        <translation>Ein Tag der gezeigten Woche, wie in einem Datumsfeld eingegeben oder als yyyy-MM-dd (Standard: heute).</translation>
    </message>
    <message>
        <source>Days counted: %1 to %2</source>
        <translation>Gezählte Tage: %1 bis %2</translation>
    </message>
    <message>
        <source>Days counted: none</source>
        <translation>Gezählte Tage: keine</translation>
    </message>
    <message>
        <source>; today counts once it is closed</source>
        <translation>; heute zählt, sobald der Tag abgeschlossen ist</translation>
    </message>
    <message>
        <source>Vacation taken in %1: %2
Vacation left in %1: %3
</source>
        <translation>Genommener Urlaub %1: %2
Resturlaub %1: %3
</translation>
    </message>
    <message>
        <source>Prints the running balance: the opening balance plus, for every day from the start date
(BalanceStartDate; 0 for the first day holding data) to the day it is taken, the hours
worked less the target in force on that day (none on a public holiday of the
HolidayCalendar). Days after today are not counted, and today only once it holds a
departure, or holiday or extra hours and no arrival.
</source>
        <translation>Gibt den laufenden Saldo aus: den Anfangssaldo und, für jeden Tag vom Beginn
(BalanceStartDate; 0 für den ersten Tag mit Daten) bis zum Stichtag, die gearbeiteten
Stunden abzüglich des an diesem Tag geltenden Solls (keines an einem Feiertag des
HolidayCalendar). Tage nach heute zählen nicht, und heute erst, wenn der Tag ein Gehen
enthält, oder Urlaubs- oder Zusatzstunden und kein Kommen.
</translation>
    </message>
    <message>
        <source>Write the chart of a period as PNG, SVG or PDF</source>
        <translation>Das Diagramm eines Zeitraums als PNG, SVG oder PDF schreiben</translation>
    </message>
    <message>
        <source>Print today&apos;s hours so far, the time to leave and the balance</source>
        <translation>Die heutigen Stunden bisher, die Zeit zum Gehen und den Saldo ausgeben</translation>
    </message>
    <message>
        <source>Merge versions of a data file day by day (git&apos;s merge driver)</source>
        <translation>Versionen einer Datendatei Tag für Tag zusammenführen (Merge-Treiber für git)</translation>
    </message>
    <message>
        <source>List the public holidays of a holiday calendar for a period</source>
        <translation>Die Feiertage eines Feiertagskalenders für einen Zeitraum auflisten</translation>
    </message>
    <message>
        <source>A named period instead: %1, a year (2026) or a month (2026-11). Without --from, --to and --period: %2.</source>
        <translation>Stattdessen ein benannter Zeitraum: %1, ein Jahr (2026) oder ein Monat (2026-11). Ohne --from, --to und --period: %2.</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>diese Woche</translation>
    </message>
    <message>
        <source>%1 (going on without public holidays)</source>
        <translation>%1 (es geht ohne Feiertage weiter)</translation>
    </message>
    <message>
        <source>Lists the public holidays that a holiday calendar (an iCalendar file, .ics) gives for a
period: the date, the weekday and the name, one holiday a line.</source>
        <translation>Listet die Feiertage auf, die ein Feiertagskalender (eine iCalendar-Datei, .ics) für einen
Zeitraum angibt: Datum, Wochentag und Name, ein Feiertag pro Zeile.</translation>
    </message>
    <message>
        <source>The holiday calendar; without it, the one of the settings (HolidayCalendar).</source>
        <translation>Der Feiertagskalender; ohne ihn der aus den Einstellungen (HolidayCalendar).</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>dieses Jahr</translation>
    </message>
    <message>
        <source>missing CALENDAR, and the settings name no holiday calendar</source>
        <translation>KALENDER fehlt, und die Einstellungen nennen keinen Feiertagskalender</translation>
    </message>
    <message>
        <source>%1 changed on disk while it was being merged; nothing was written</source>
        <translation>%1 wurde auf dem Datenträger geändert, während es zusammengeführt wurde; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the file itself, not a copy of it</source>
        <translation>&apos;%1&apos; ist die Datei selbst, keine Kopie davon</translation>
    </message>
    <message>
        <source>%1: merged, renamed to %2</source>
        <translation>%1: zusammengeführt, umbenannt in %2</translation>
    </message>
    <message>
        <source>Merges versions of a data file day by day. A day changed in MINE only or in THEIRS only
takes that version; a day changed in both to different records is a conflict, which keeps
MINE&apos;s record and ends with status 1, listing the days. This is the contract of git&apos;s merge
drivers: git config merge.hourframe.driver &quot;hourframe merge %O %A %B&quot;.
With --into, merges the conflict copies a file-sync tool made into FILE: days only a copy
holds are taken, days that differ keep FILE&apos;s record. A copy merged whole is renamed to end
in .merged; a copy with a day that differs stays where it is.</source>
        <translation>Führt Versionen einer Datendatei Tag für Tag zusammen. Ein nur in MINE oder nur in THEIRS
geänderter Tag übernimmt diese Version; ein auf beiden Seiten verschieden geänderter Tag ist ein
Konflikt: Er behält den Eintrag aus MINE, und der Befehl endet mit Status 1 und nennt die Tage.
Das ist die Vereinbarung für Merge-Treiber von git: git config merge.hourframe.driver
&quot;hourframe merge %O %A %B&quot;.
Mit --into werden die Konfliktkopien, die ein Synchronisationsprogramm angelegt hat, in DATEI
zusammengeführt: Tage, die nur eine Kopie enthält, werden übernommen, abweichende Tage behalten
den Eintrag aus DATEI. Eine vollständig zusammengeführte Kopie wird in einen Namen auf .merged
umbenannt; eine Kopie mit einem abweichenden Tag bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>Write the merged file here instead of into MINE.</source>
        <translation>Die zusammengeführte Datei hierhin statt nach MINE schreiben.</translation>
    </message>
    <message>
        <source>Merge the copies into this data file.</source>
        <translation>Die Kopien in diese Datendatei zusammenführen.</translation>
    </message>
    <message>
        <source>BASE, MINE, THEIRS: the common ancestor, your version and the other version. With --into: the conflict copies.</source>
        <translation>BASE, MINE, THEIRS: der gemeinsame Vorgänger, Ihre Version und die andere Version. Mit --into: die Konfliktkopien.</translation>
    </message>
    <message>
        <source>-o cannot be combined with --into</source>
        <translation>-o lässt sich nicht mit --into kombinieren</translation>
    </message>
    <message>
        <source>missing COPY</source>
        <translation>KOPIE fehlt</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Gekommen</translation>
    </message>
    <message>
        <source>Hours so far</source>
        <translation>Stunden bisher</translation>
    </message>
    <message>
        <source>Leave at</source>
        <translation>Feierabend um</translation>
    </message>
    <message>
        <source>Zero balance at</source>
        <translation>Saldo null um</translation>
    </message>
    <message>
        <source>Counted up to</source>
        <translation>Gezählt bis</translation>
    </message>
    <message>
        <source>Prints the day being worked, one value per line: its arrival, the hours worked so far,
its target, the time to leave that meets the target and the one that brings the running
balance to zero, then the balance and the last day it counts. Today counts in the balance
once it holds a departure, or holiday or extra hours and no arrival; a night shift counts
on the day it began.</source>
        <translation>Gibt den laufenden Arbeitstag aus, einen Wert pro Zeile: das Kommen, die bisher gearbeiteten
Stunden, das Soll, die Zeit zum Gehen, zu der das Soll erfüllt ist, und die, zu der der
laufende Saldo null erreicht, dann den Saldo und den letzten Tag, den er zählt. Heute zählt im
Saldo, sobald der Tag ein Gehen enthält, oder Urlaubs- oder Zusatzstunden und kein Kommen;
eine Nachtschicht zählt am Tag, an dem sie begann.</translation>
    </message>
    <message>
        <source>1 day changed on both sides, kept as in MINE: %1</source>
        <translation>1 Tag auf beiden Seiten geändert, wie in MINE behalten: %1</translation>
    </message>
    <message>
        <source>%1 days changed on both sides, kept as in MINE: %2</source>
        <translation>%1 Tage auf beiden Seiten geändert, wie in MINE behalten: %2</translation>
    </message>
    <message>
        <source>1 day differs and was kept as in %1: %2; left in place: %3</source>
        <translation>1 Tag weicht ab und wurde wie in %1 behalten: %2; an Ort und Stelle gelassen: %3</translation>
    </message>
    <message>
        <source>%4 days differ and were kept as in %1: %2; left in place: %3</source>
        <translation>%4 Tage weichen ab und wurden wie in %1 behalten: %2; an Ort und Stelle gelassen: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not valid UTF-8, and Hourframe names files in UTF-8 only: rename the file</source>
        <translation>&apos;%1&apos; ist kein gültiges UTF-8, und Hourframe benennt Dateien nur in UTF-8: Benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>--size needs WIDTHxHEIGHT, each from 100 to 10000 pixels, not &apos;%1&apos;</source>
        <translation>--size braucht BREITExHÖHE, jeweils 100 bis 10000 Pixel, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 lässt sich nicht starten: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn: %1 stopped</source>
        <translation>das Diagramm ließ sich nicht zeichnen: %1 brach ab</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>das Diagramm ließ sich nicht zeichnen</translation>
    </message>
    <message>
        <source>Writes the chart of a period, as the Chart command shows it, to a PNG, SVG or PDF
file: hours a week against the target, and the running balance. It needs no display.</source>
        <translation>Schreibt das Diagramm eines Zeitraums, wie es der Befehl Diagramm zeigt, in eine
PNG-, SVG- oder PDF-Datei: Stunden je Woche gegen das Soll und den laufenden Saldo.
Es braucht keinen Bildschirm.</translation>
    </message>
    <message>
        <source>The file to write, replaced once complete; its suffix .png, .svg or .pdf names the format.</source>
        <translation>Die zu schreibende Datei, erst ersetzt, wenn sie vollständig ist; ihre Endung .png, .svg oder .pdf nennt das Format.</translation>
    </message>
    <message>
        <source>The chart&apos;s size in pixels (in points for PDF); 960x540 unless given.</source>
        <translation>Die Größe des Diagramms in Pixeln (in Punkten bei PDF); ohne Angabe 960x540.</translation>
    </message>
    <message>
        <source>the chart needs a file to write: -o OUT.png, OUT.svg or OUT.pdf</source>
        <translation>das Diagramm braucht eine Datei zum Schreiben: -o OUT.png, OUT.svg oder OUT.pdf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not named as a PNG, SVG or PDF file</source>
        <translation>&apos;%1&apos; ist nicht als PNG-, SVG- oder PDF-Datei benannt</translation>
    </message>
    <message>
        <source>Cannot copy standard input to %1: %2</source>
        <translation>Die Standardeingabe lässt sich nicht nach %1 kopieren: %2</translation>
    </message>
    <message>
        <source>there is no display to open the window on; the commands work without one (hourframe --help lists them)</source>
        <translation>es gibt keinen Bildschirm, auf dem sich das Fenster öffnen ließe; die Befehle gehen auch ohne (hourframe --help nennt sie)</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>standard input (-) cannot be changed; name the data file instead</source>
        <translation>die Standardeingabe (-) lässt sich nicht ändern; nennen Sie stattdessen die Datendatei</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Die Standardeingabe lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>standard input is larger than %1 MB</source>
        <translation>die Standardeingabe ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Write dates as 2026-11-30 instead of in the regional short form, for scripts.</source>
        <translation>Datumsangaben als 2026-11-30 statt in der regionalen Kurzform schreiben, für Skripte.</translation>
    </message>
    <message>
        <source>created the data file %1</source>
        <translation>Datendatei %1 angelegt</translation>
    </message>
    <message>
        <source>The data file, or - for standard input; without it, the file last opened or saved in the window.</source>
        <translation>Die Datendatei, oder - für die Standardeingabe; ohne sie die zuletzt im Fenster geöffnete oder gespeicherte Datei.</translation>
    </message>
    <message>
        <source>The data file, made when it does not exist, in a folder that does; without it, the file used last.</source>
        <translation>Die Datendatei, angelegt, wenn es sie nicht gibt, in einem Ordner, den es gibt; ohne sie die zuletzt verwendete Datei.</translation>
    </message>
    <message>
        <source>With a vacation allowance, then the vacation days taken and left in the year of
the last day counted, up to that day: a day&apos;s holiday hours over its target,
against VacationDaysPerYear, and VacationCarriedOver in the year the balance starts.</source>
        <translation>Mit einem Urlaubsanspruch danach die genommenen und verbleibenden Urlaubstage im Jahr
des letzten gezählten Tages, bis zu diesem Tag: die Urlaubsstunden eines Tages geteilt durch
sein Soll, gemessen an VacationDaysPerYear und, im Jahr, in dem der Saldo beginnt,
VacationCarriedOver.</translation>
    </message>
    <message>
        <source>Checks the days of a period against the working-time rules: daily rest, breaks, the
daily and weekly maximums and weekly rest, and prints one line per breach. The exit
status is 0 without a breach and 3 with some. The rules are a warning, not legal
advice: see the manual for their sources and what the check cannot know.</source>
        <translation>Prüft die Tage eines Zeitraums anhand der Arbeitszeitregeln: tägliche Ruhezeit, Pausen,
Tages- und Wochenhöchstarbeitszeit und wöchentliche Ruhezeit, und gibt je Verstoß eine
Zeile aus. Der Rückgabewert ist 0 ohne Verstoß und 3 mit Verstößen. Die Regeln sind eine
Warnung, keine Rechtsberatung: Quellen und Grenzen der Prüfung nennt das Handbuch.</translation>
    </message>
    <message>
        <source>every day of the file, to the end of its last week</source>
        <translation>jeder Tag der Datei bis zum Ende ihrer letzten Woche</translation>
    </message>
    <message>
        <source>The rule set to check with: eu (EU minimum), de (Germany) or fr (France), as --set WorkingTimeRules=1, 2 or 3 would choose it; the values changed in Preferences (or with --set RuleDailyRest=... and the like) hold with any set. Default: the set chosen in Preferences.</source>
        <translation>Der Regelsatz für die Prüfung: eu (EU-Mindeststandard), de (Deutschland) oder fr (Frankreich), wie --set WorkingTimeRules=1, 2 oder 3 ihn wählen würde; die in den Einstellungen (oder mit --set RuleDailyRest=... und ähnlich) geänderten Werte gelten für jeden Satz. Vorgabe: der in den Einstellungen gewählte Satz.</translation>
    </message>
    <message>
        <source>--rules: &apos;%1&apos; is none of %2</source>
        <translation>--rules: „%1“ ist keiner von %2</translation>
    </message>
    <message>
        <source>no working-time rules are chosen: choose a set in Preferences or with --rules</source>
        <translation>keine Arbeitszeitregeln gewählt: wählen Sie einen Regelsatz in den Einstellungen oder mit --rules</translation>
    </message>
    <message>
        <source>Check a period against the working-time rules, one line per breach</source>
        <translation>Einen Zeitraum anhand der Arbeitszeitregeln prüfen, eine Zeile je Verstoß</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>the export file</source>
        <translation>die Exportdatei</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>%1 is not a valid time</source>
        <translation>%1 ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>%1 is not a valid date: %2 is out of range</source>
        <translation>%1 ist kein gültiges Datum: %2 liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>the data file</source>
        <translation>die Datendatei</translation>
    </message>
    <message>
        <source>%1 is not a data file: it holds NUL bytes</source>
        <translation>%1 ist keine Datendatei: sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid time: a part of it is negative</source>
        <translation>%1 ist keine gültige Zeit: ein Teil davon ist negativ</translation>
    </message>
    <message>
        <source>%1 is not a valid time: its minutes are 60 or more</source>
        <translation>%1 ist keine gültige Zeit: die Minuten sind 60 oder mehr</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>%1 is not a valid date: %2 is out of range</source>
        <translation>%1 ist kein gültiges Datum: %2 liegt außerhalb des zulässigen Bereichs</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Unable to open registry key %1
%2</source>
        <translation>Der Registrierungsschlüssel %1 lässt sich nicht öffnen
%2</translation>
    </message>
    <message>
        <source>Hourframe files cannot be associated with this program: its path holds a line break or another control character, which a desktop entry cannot hold.
%1</source>
        <translation>Hourframe-Dateien lassen sich nicht mit diesem Programm verknüpfen: Sein Pfad enthält einen Zeilenumbruch oder ein anderes Steuerzeichen, das ein Desktop-Eintrag nicht aufnehmen kann.
%1</translation>
    </message>
</context>
<context>
    <name>HolidayCalendar</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>this line is not part of a calendar</source>
        <translation>diese Zeile gehört zu keinem Kalender</translation>
    </message>
    <message>
        <source>this is no iCalendar file: it does not begin with BEGIN:VCALENDAR</source>
        <translation>das ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR</translation>
    </message>
    <message>
        <source>the calendar ends without END:VCALENDAR</source>
        <translation>der Kalender endet ohne END:VCALENDAR</translation>
    </message>
    <message>
        <source>the event&apos;s DTEND is no date</source>
        <translation>das DTEND des Termins ist kein Datum</translation>
    </message>
    <message>
        <source>the event ends before it begins</source>
        <translation>der Termin endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>the event lasts longer than a year</source>
        <translation>der Termin dauert länger als ein Jahr</translation>
    </message>
    <message>
        <source>the event has no DTSTART date</source>
        <translation>der Termin hat kein DTSTART-Datum</translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>the event&apos;s RRULE cannot be read</source>
        <translation>die RRULE des Termins ist nicht lesbar</translation>
    </message>
    <message>
        <source>the event repeats more often than daily</source>
        <translation>der Termin wiederholt sich öfter als täglich</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: there is no such file</source>
        <translation>Der Feiertagskalender %1 kann nicht gelesen werden: Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: it is not a file</source>
        <translation>Der Feiertagskalender %1 kann nicht gelesen werden: Er ist keine Datei</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: it is too large for a calendar</source>
        <translation>Der Feiertagskalender %1 kann nicht gelesen werden: Er ist zu groß für einen Kalender</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: %2</source>
        <translation>Der Feiertagskalender %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Period</name>
    <message>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Letzte Woche</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 lässt sich nicht speichern: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Report from %1 to %2</source>
        <translation>Bericht vom %1 bis %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation>Kommen</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Total holidays for period</source>
        <translation>Urlaub im Zeitraum</translation>
    </message>
    <message>
        <source>Total hours for period</source>
        <translation>Stunden im Zeitraum</translation>
    </message>
    <message>
        <source>Balance brought forward</source>
        <translation>Saldo zu Beginn</translation>
    </message>
    <message>
        <source>Balance carried forward</source>
        <translation>Saldo am Ende</translation>
    </message>
    <message>
        <source>Average daily hours</source>
        <translation>Durchschnitt pro Tag</translation>
    </message>
    <message>
        <source>Average weekly hours</source>
        <translation>Durchschnitt pro Woche</translation>
    </message>
    <message>
        <source>Vacation taken in %1</source>
        <translation>Genommener Urlaub %1</translation>
    </message>
    <message>
        <source>Vacation left in %1</source>
        <translation>Resturlaub %1</translation>
    </message>
    <message>
        <source>Breaches of the working-time rules (%1)</source>
        <translation>Verstöße gegen die Arbeitszeitregeln (%1)</translation>
    </message>
</context>
<context>
    <name>SharedDataFile</name>
    <message>
        <source>Cannot lock %1 for writing: %2 cannot be created</source>
        <translation>%1 kann nicht zum Schreiben gesperrt werden: %2 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 is being written by another Hourframe program (process %2); nothing was written</source>
        <translation>%1 wird gerade von einem anderen Hourframe-Programm geschrieben (Prozess %2); es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>%1 kann nicht in %2 umbenannt werden</translation>
    </message>
</context>
<context>
    <name>TBusyForm</name>
    <message>
        <source>Busy</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TChartForm</name>
    <message>
        <source>Hourframe Chart</source>
        <translation>Hourframe – Diagramm</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save chart as PNG, SVG or PDF</source>
        <translation>Diagramm als PNG, SVG oder PDF speichern</translation>
    </message>
    <message>
        <source>Copy to clip&amp;board</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy chart to clipboard as an image</source>
        <translation>Diagramm als Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG Images (*.png);;SVG Images (*.svg);;PDF Files (*.pdf)</source>
        <translation>PNG-Bilder (*.png);;SVG-Bilder (*.svg);;PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
</context>
<context>
    <name>TChartOptionsForm</name>
    <message>
        <source>Hourframe Chart Options</source>
        <translation>Hourframe – Diagrammoptionen</translation>
    </message>
    <message>
        <source> Chart Dates </source>
        <translation> Zeitraum des Diagramms </translation>
    </message>
</context>
<context>
    <name>TChartView</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Hours a week, monthly average</source>
        <translation>Stunden pro Woche, Monatsdurchschnitt</translation>
    </message>
    <message>
        <source>Hours a week</source>
        <translation>Stunden pro Woche</translation>
    </message>
    <message>
        <source>Balance in hours</source>
        <translation>Saldo in Stunden</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>The chart could not be drawn for &quot;%1&quot;</source>
        <translation>Das Diagramm für „%1“ konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not named as a PNG, SVG or PDF file</source>
        <translation>„%1“ ist nicht als PNG-, SVG- oder PDF-Datei benannt</translation>
    </message>
</context>
<context>
    <name>TCommentForm</name>
    <message>
        <source>&amp;Enter or select a comment for: </source>
        <translation>Kommentar &amp;eingeben oder auswählen für: </translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>&amp;Display this number of previously entered comments:</source>
        <translation>Diese Anzahl früherer Kommentare &amp;zur Auswahl anbieten:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the prompt, then the day: Enter or select a comment for: 07/12/2026</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>TData</name>
    <message>
        <source>1 or 0, true or false</source>
        <translation>1 oder 0, true oder false</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>a number of minutes or hours:minutes</source>
        <translation>eine Anzahl Minuten oder Stunden:Minuten</translation>
    </message>
    <message>
        <source>a date yyyy-MM-dd or a day number</source>
        <translation>ein Datum JJJJ-MM-TT oder eine Tagesnummer</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>einen Text</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give %3</source>
        <translation>&apos;%1&apos; ist kein gültiger Wert für %2: Geben Sie %3 an</translation>
    </message>
    <message>
        <source>%1 is out of range for %2: give %3 to %4</source>
        <translation>%1 liegt außerhalb des Bereichs von %2: Geben Sie %3 bis %4 an</translation>
    </message>
    <message>
        <source>There is no setting named &apos;%1&apos;</source>
        <translation>Es gibt keine Einstellung namens &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is not a valid value for %2</source>
        <translation>%1 ist kein gültiger Wert für %2</translation>
    </message>
</context>
<context>
    <name>TDateEdit</name>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation>Datum aus einem Kalender wählen (Alt+Nach unten)</translation>
    </message>
    <message>
        <source>%1, calendar</source>
        <comment>the button that shows a calendar for a date field</comment>
        <translation>%1, Kalender</translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation>%1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>kein Datum</translation>
    </message>
</context>
<context>
    <name>TExportOptionsForm</name>
    <message>
        <source>Hourframe Export Options</source>
        <translation>Hourframe – Exportoptionen</translation>
    </message>
    <message>
        <source> Dates </source>
        <translation> Zeitraum </translation>
    </message>
    <message>
        <source> File </source>
        <translation> Datei </translation>
    </message>
    <message>
        <source>Choose the export file</source>
        <translation>Exportdatei wählen</translation>
    </message>
    <message>
        <source>Comma separated value (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source>Export &amp;column headings</source>
        <translation>&amp;Spaltenüberschriften exportieren</translation>
    </message>
    <message>
        <source>Export &amp;arrival time</source>
        <translation>&amp;Kommen exportieren</translation>
    </message>
    <message>
        <source>Export depart&amp;ure time</source>
        <translation>&amp;Gehen exportieren</translation>
    </message>
    <message>
        <source>Export &amp;lunch time</source>
        <translation>&amp;Mittagspause exportieren</translation>
    </message>
    <message>
        <source>Export e&amp;xtra hours</source>
        <translation>Zusatzst&amp;unden exportieren</translation>
    </message>
    <message>
        <source>Export daily &amp;hours</source>
        <translation>Tagesstun&amp;den exportieren</translation>
    </message>
    <message>
        <source>Calculate &amp;total hours</source>
        <translation>Gesamtstunden be&amp;rechnen</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>CSV speichern</translation>
    </message>
    <message>
        <source>Comma Separated Value Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export dat&amp;e</source>
        <translation>Datum ex&amp;portieren</translation>
    </message>
    <message>
        <source>Export hol&amp;idays</source>
        <translation>Ur&amp;laub exportieren</translation>
    </message>
    <message>
        <source>Export Co&amp;mments</source>
        <translation>K&amp;ommentare exportieren</translation>
    </message>
    <message>
        <source>Export De&amp;viations</source>
        <translation>Abwe&amp;ichungen exportieren</translation>
    </message>
    <message>
        <source>ISO dates (2026-11-30), fo&amp;r scripts</source>
        <translation>Datumsangaben nac&amp;h ISO (2026-11-30), für Skripte</translation>
    </message>
</context>
<context>
    <name>TFileWatch</name>
    <message>
        <source>%1 is not there any more: it was deleted or renamed while it was open.
Save the time card there again?</source>
        <translation>%1 ist nicht mehr vorhanden: Die Datei wurde gelöscht oder umbenannt, während sie geöffnet war.
Die Zeitkarte wieder dort speichern?</translation>
    </message>
    <message>
        <source>%1 was changed on disk and cannot be read, so its changes cannot be merged; nothing was saved. %2</source>
        <translation>%1 wurde auf dem Datenträger geändert und kann nicht gelesen werden, deshalb lassen sich die Änderungen nicht zusammenführen; es wurde nichts gespeichert. %2</translation>
    </message>
    <message>
        <source>%1 was deleted or renamed.
Its days stay in this window; Save asks where to write them.</source>
        <translation>%1 wurde gelöscht oder umbenannt.
Seine Tage bleiben in diesem Fenster; Speichern fragt, wohin sie geschrieben werden sollen.</translation>
    </message>
    <message>
        <source>%1 was changed on disk but cannot be read: %2</source>
        <translation>%1 wurde auf dem Datenträger geändert, kann aber nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>reloaded</source>
        <translation>neu geladen</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Neu geladen: auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>zusammengeführt</translation>
    </message>
    <message>
        <source>Merged: changed on disk</source>
        <translation>Zusammengeführt: auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>A file-sync tool has left a conflicting copy of %1:
%2
Merge its days into this time card?</source>
        <translation>Ein Synchronisationsprogramm hat eine Konfliktkopie von %1 hinterlassen:
%2
Ihre Tage in diese Zeitkarte übernehmen?</translation>
    </message>
    <message>
        <source>Merged: conflict copy</source>
        <translation>Zusammengeführt: Konfliktkopie</translation>
    </message>
    <message>
        <source>Copy merged and renamed</source>
        <translation>Kopie zusammengeführt und umbenannt</translation>
    </message>
    <message>
        <source>Copy merged, in the trash</source>
        <translation>Kopie zusammengeführt, im Papierkorb</translation>
    </message>
</context>
<context>
    <name>TGoToWebsite</name>
    <message>
        <source>%1 home &amp;page</source>
        <translation>&amp;Startseite von %1</translation>
    </message>
    <message>
        <source>Home &amp;page</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Show %1 home page</source>
        <translation>Startseite von %1 anzeigen</translation>
    </message>
    <message>
        <source>Show home page</source>
        <translation>Startseite anzeigen</translation>
    </message>
    <message>
        <source>Orvane Software &amp;web site</source>
        <translation>&amp;Website von Orvane Software</translation>
    </message>
    <message>
        <source>Show Orvane Software web site</source>
        <translation>Website von Orvane Software anzeigen</translation>
    </message>
</context>
<context>
    <name>TLeaveNotice</name>
    <message>
        <source>: leave at %1</source>
        <translation>: Feierabend um %1</translation>
    </message>
    <message>
        <source>Time to leave: today&apos;s target of %1 is met.</source>
        <translation>Feierabend: Das heutige Soll von %1 ist erreicht.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new hourframe</source>
        <translation>Neue Hourframe-Datei anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Load hourframe</source>
        <translation>Hourframe-Datei laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save hourframe</source>
        <translation>Hourframe-Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save hourframe to new file</source>
        <translation>Hourframe-Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Hide &amp;Form</source>
        <translation>Fenster &amp;verbergen</translation>
    </message>
    <message>
        <source>Hide form in tool tray</source>
        <translation>Fenster im Infobereich verbergen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <translation>&amp;Bericht...</translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Show &amp;Menu</source>
        <translation>&amp;Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>Show menu</source>
        <translation>Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>&amp;Symbolleiste anzeigen</translation>
    </message>
    <message>
        <source>Show toolbar</source>
        <translation>Symbolleiste anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Lunch Time</source>
        <translation>Mittags&amp;pause anzeigen</translation>
    </message>
    <message>
        <source>Show lunch time</source>
        <translation>Mittagspause anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Extra Hours</source>
        <translation>&amp;Zusatzstunden anzeigen</translation>
    </message>
    <message>
        <source>Show extra hours</source>
        <translation>Zusatzstunden anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Holidays</source>
        <translation>&amp;Urlaub anzeigen</translation>
    </message>
    <message>
        <source>Show holidays</source>
        <translation>Urlaub anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Daily Deviation</source>
        <translation>&amp;Tagesabweichung anzeigen</translation>
    </message>
    <message>
        <source>Show daily deviation</source>
        <translation>Tagesabweichung anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Weekly Deviation</source>
        <translation>&amp;Wochenabweichung anzeigen</translation>
    </message>
    <message>
        <source>Show weekly deviation</source>
        <translation>Wochenabweichung anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Comments</source>
        <translation>&amp;Kommentare anzeigen</translation>
    </message>
    <message>
        <source>Show comments</source>
        <translation>Kommentare anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Balance</source>
        <translation>Sal&amp;do anzeigen</translation>
    </message>
    <message>
        <source>Show balance</source>
        <translation>Saldo anzeigen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Configure options</source>
        <translation>Einstellungen ändern</translation>
    </message>
    <message>
        <source>Show &amp;Form...</source>
        <translation>Fenster &amp;anzeigen...</translation>
    </message>
    <message>
        <source>Show form</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Enter Current Time</source>
        <translation>Aktuelle &amp;Uhrzeit eintragen</translation>
    </message>
    <message>
        <source>Enter current time</source>
        <translation>Aktuelle Uhrzeit eintragen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Home &amp;page</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Show home page</source>
        <translation>Startseite anzeigen</translation>
    </message>
    <message>
        <source>Orvane Software &amp;web site</source>
        <translation>&amp;Website von Orvane Software</translation>
    </message>
    <message>
        <source>Show Orvane Software web site</source>
        <translation>Website von Orvane Software anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>An&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Unable to open file %1<byte value="xd"/>Do you want to try to find it yourself?</source>
        <translation>Die Datei %1 lässt sich nicht öffnen.<byte value="xd"/>Möchten Sie selbst nach ihr suchen?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Hourframe Files (*.hf);;All Files (*)</source>
        <translation>Hourframe-Dateien (*.hf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Hourframe</source>
        <translation>Hourframe-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Hourframe</source>
        <translation>Hourframe-Datei speichern</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;<byte value="xd"/>and so unable to create export file</source>
        <translation>Der Ordner „%1“ lässt sich nicht anlegen<byte value="xd"/>und damit auch die Exportdatei nicht.</translation>
    </message>
    <message>
        <source>Unable to create export file &quot;%1&quot;<byte value="xd"/>Please ensure it isn&apos;t in use by another application.</source>
        <translation>Die Exportdatei „%1“ lässt sich nicht anlegen.<byte value="xd"/>Bitte prüfen Sie, ob ein anderes Programm sie gerade verwendet.</translation>
    </message>
    <message>
        <source>Hide &amp;Menu</source>
        <translation>&amp;Menüleiste ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Toolbar</source>
        <translation>&amp;Symbolleiste ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Lunch Time</source>
        <translation>Mittags&amp;pause ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Extra Hours</source>
        <translation>&amp;Zusatzstunden ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Holidays</source>
        <translation>&amp;Urlaub ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Daily Deviation</source>
        <translation>&amp;Tagesabweichung ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Weekly Deviation</source>
        <translation>&amp;Wochenabweichung ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Comments</source>
        <translation>&amp;Kommentare ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Balance</source>
        <translation>Sal&amp;do ausblenden</translation>
    </message>
    <message>
        <source>&amp;Chart...</source>
        <translation>&amp;Diagramm...</translation>
    </message>
    <message>
        <source>Chart hours, target and balance</source>
        <translation>Stunden, Soll und Saldo als Diagramm</translation>
    </message>
    <message>
        <source>Show Leave &amp;At</source>
        <translation>&amp;Feierabend anzeigen</translation>
    </message>
    <message>
        <source>Show when to leave today</source>
        <translation>Anzeigen, wann heute Feierabend ist</translation>
    </message>
    <message>
        <source>Hide Leave &amp;At</source>
        <translation>&amp;Feierabend ausblenden</translation>
    </message>
    <message>
        <source>The time card has changed.
Save data before creating a new hourframe?</source>
        <translation>Die Zeitkarte wurde geändert.
Daten speichern, bevor eine neue Hourframe-Datei angelegt wird?</translation>
    </message>
    <message>
        <source>The time card has changed.
Save data before loading?</source>
        <translation>Die Zeitkarte wurde geändert.
Daten vor dem Laden speichern?</translation>
    </message>
    <message>
        <source>The time card has changed.
Save data before exiting?</source>
        <translation>Die Zeitkarte wurde geändert.
Daten vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>W&amp;oche</translation>
    </message>
</context>
<context>
    <name>TMergeForm</name>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>These days were changed both in this window (mine) and in %1 (theirs). Choose the version to keep for each day.</source>
        <translation>Diese Tage wurden sowohl in diesem Fenster (meine) als auch in %1 (Datei) geändert. Wählen Sie für jeden Tag die Version, die bleiben soll.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation>Kommen</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Keep &amp;mine for all</source>
        <translation>Überall &amp;meine behalten</translation>
    </message>
    <message>
        <source>Take &amp;theirs for all</source>
        <translation>Überall die Version der &amp;Datei übernehmen</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Take theirs</source>
        <translation>Version der Datei übernehmen</translation>
    </message>
    <message>
        <source>(no entry)</source>
        <translation>(kein Eintrag)</translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>Ab&amp;brechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ein für alle</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja für a&amp;lle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>TNTRegistry</name>
    <message>
        <source>Cannot lock %1: another program has held it for more than %2 seconds</source>
        <translation>%1 lässt sich nicht sperren: Ein anderes Programm hält die Sperre seit mehr als %2 Sekunden</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in its place</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen: An seiner Stelle steht eine Datei gleichen Namens</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2 is a file</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen: %2 ist eine Datei</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>%1 is open for reading only</source>
        <translation>%1 ist nur zum Lesen geöffnet</translation>
    </message>
</context>
<context>
    <name>TPeriodOptionsForm</name>
    <message>
        <source>Adjust &amp;dates to full working weeks</source>
        <translation>Zeitraum auf volle &amp;Arbeitswochen erweitern</translation>
    </message>
    <message>
        <source>Include &amp;workdays with no hours</source>
        <translation>&amp;Werktage ohne Stunden aufnehmen</translation>
    </message>
    <message>
        <source>Include wee&amp;kend days with no hours</source>
        <translation>Wochenend&amp;tage ohne Stunden aufnehmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation>&amp;Beginn</translation>
    </message>
    <message>
        <source>E&amp;nd date</source>
        <translation>&amp;Ende</translation>
    </message>
</context>
<context>
    <name>TPreferencesForm</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source>&amp;Associate .HF files with Hourframe</source>
        <translation>.HF-Dateien mit Hourframe &amp;verknüpfen</translation>
    </message>
    <message>
        <source>Reopen pre&amp;vious hourframe file on startup</source>
        <translation>Zuletzt verwendete Hourframe-Datei beim Start ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show &amp;icon in tool tray</source>
        <translation>Symbol im &amp;Infobereich anzeigen</translation>
    </message>
    <message>
        <source>Automatically save &amp;changed data before exiting</source>
        <translation>&amp;Geänderte Daten vor dem Beenden automatisch speichern</translation>
    </message>
    <message>
        <source>Automatically &amp;enter current time</source>
        <translation>Aktuelle &amp;Uhrzeit automatisch eintragen</translation>
    </message>
    <message>
        <source>&amp;Round times to nearest</source>
        <translation>Zeiten &amp;runden auf</translation>
    </message>
    <message>
        <source>Round times to nearest, minutes</source>
        <translation>Zeiten runden auf, Minuten</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Always show &amp;lunch time</source>
        <translation>Mittags&amp;pause immer anzeigen</translation>
    </message>
    <message>
        <source>Always show e&amp;xtra hours</source>
        <translation>&amp;Zusatzstunden immer anzeigen</translation>
    </message>
    <message>
        <source>Always show &amp;holidays</source>
        <translation>Urlau&amp;b immer anzeigen</translation>
    </message>
    <message>
        <source>Always show co&amp;mment</source>
        <translation>&amp;Kommentar immer anzeigen</translation>
    </message>
    <message>
        <source>Consider holidays as time &amp;worked</source>
        <translation>Urlaub als &amp;Arbeitszeit werten</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>&amp;First day of week</source>
        <translation>&amp;Erster Wochentag</translation>
    </message>
    <message>
        <source>&amp;Target Hours</source>
        <translation>&amp;Sollstunden</translation>
    </message>
    <message>
        <source> Target Hours </source>
        <translation> Sollstunden </translation>
    </message>
    <message>
        <source>Show &amp;daily deviation from target</source>
        <translation>Tägliche A&amp;bweichung vom Soll anzeigen</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Montag</translation>
    </message>
    <message>
        <source>T&amp;uesday</source>
        <translation>Die&amp;nstag</translation>
    </message>
    <message>
        <source>&amp;Wednesday</source>
        <translation>Mitt&amp;woch</translation>
    </message>
    <message>
        <source>T&amp;hursday</source>
        <translation>Donn&amp;erstag</translation>
    </message>
    <message>
        <source>&amp;Friday</source>
        <translation>&amp;Freitag</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>Samst&amp;ag</translation>
    </message>
    <message>
        <source>Su&amp;nday</source>
        <translation>Sonnta&amp;g</translation>
    </message>
    <message>
        <source>Show wee&amp;kly deviation from</source>
        <translation>Abweichung &amp;vom Wochensoll anzeigen:</translation>
    </message>
    <message>
        <source>Weekly target, hours</source>
        <translation>Wochensoll, Stunden</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Default &amp;lunch time</source>
        <translation>Standard-Mittags&amp;pause</translation>
    </message>
    <message>
        <source>Default lunch time, hours</source>
        <translation>Standard-Mittagspause, Stunden</translation>
    </message>
    <message>
        <source>&amp;Printer</source>
        <translation>&amp;Drucker</translation>
    </message>
    <message>
        <source> Printer Font </source>
        <translation> Druckerschrift </translation>
    </message>
    <message>
        <source>Printer font name</source>
        <translation>Name der Druckerschrift</translation>
    </message>
    <message>
        <source>Printer font size</source>
        <translation>Größe der Druckerschrift</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>Sa&amp;ldo</translation>
    </message>
    <message>
        <source> Balance </source>
        <translation> Saldo </translation>
    </message>
    <message>
        <source>Balance start date</source>
        <translation>Beginn des Saldos</translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation>&amp;Beginnt am</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>From the first &amp;recorded day</source>
        <translation>Ab dem &amp;ersten erfassten Tag</translation>
    </message>
    <message>
        <source>Op&amp;ening balance</source>
        <translation>&amp;Anfangssaldo</translation>
    </message>
    <message>
        <source>&amp;Notify me when today&apos;s target is met</source>
        <translation>Be&amp;nachrichtigen, sobald das heutige Soll erreicht ist</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>Verla&amp;uf</translation>
    </message>
    <message>
        <source>Holida&amp;ys</source>
        <translation>Feier&amp;tage</translation>
    </message>
    <message>
        <source> Public Holidays </source>
        <translation> Feiertage </translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Durc&amp;hsuchen...</translation>
    </message>
    <message>
        <source>An iCalendar file (.ics) of your region&apos;s public holidays. A public holiday&apos;s target is 0.</source>
        <translation>Eine iCalendar-Datei (.ics) mit den Feiertagen Ihrer Region. An einem Feiertag ist das Soll 0.</translation>
    </message>
    <message>
        <source>&amp;Calendar file</source>
        <translation>&amp;Kalenderdatei</translation>
    </message>
    <message>
        <source>&amp;Vacation per year</source>
        <translation>&amp;Urlaub pro Jahr</translation>
    </message>
    <message>
        <source>&amp;Carried over into the first year</source>
        <translation>Übertrag ins erste &amp;Jahr</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>No calendar: no public holidays.</source>
        <translation>Kein Kalender: keine Feiertage.</translation>
    </message>
    <message>
        <source>Hourframe goes on without public holidays.</source>
        <translation>Hourframe arbeitet ohne Feiertage weiter.</translation>
    </message>
    <message>
        <source>1 public holiday in %1</source>
        <translation>1 Feiertag im Jahr %1</translation>
    </message>
    <message>
        <source>%1 public holidays in %2</source>
        <translation>%1 Feiertage im Jahr %2</translation>
    </message>
    <message>
        <source>Holiday Calendar</source>
        <translation>Feiertagskalender</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics);;All Files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source> Working-Time Rules </source>
        <translation> Arbeitszeitregeln </translation>
    </message>
    <message>
        <source>Rule &amp;set</source>
        <translation>&amp;Regelsatz</translation>
    </message>
    <message>
        <source>Daily &amp;rest</source>
        <translation>Tägliche R&amp;uhezeit</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>mindestens</translation>
    </message>
    <message>
        <source>of work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>%1, after work of</source>
        <translation>%1, nach einer Arbeit von</translation>
    </message>
    <message>
        <source>Daily ma&amp;ximum</source>
        <translation>Tägliches Ma&amp;ximum</translation>
    </message>
    <message>
        <source>Weekly maxi&amp;mum</source>
        <translation>Wöchentliches Maxi&amp;mum</translation>
    </message>
    <message>
        <source>in any week</source>
        <translation>in jeder Woche</translation>
    </message>
    <message>
        <source>&amp;Average week at most</source>
        <translation>Durchschnittswoche &amp;höchstens</translation>
    </message>
    <message>
        <source>over</source>
        <translation>über</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Weeks the average is taken over</source>
        <translation>Wochen, über die gemittelt wird</translation>
    </message>
    <message>
        <source>Weekly r&amp;est</source>
        <translation>Wöchentliche Ruh&amp;ezeit</translation>
    </message>
    <message>
        <source>A value of 0:00 leaves its rule out. The rules only warn, as this program reads the law texts; they are no legal advice. The manual names their sources and what the check cannot know.</source>
        <translation>Ein Wert von 0:00 lässt seine Regel aus. Die Regeln warnen nur, so wie dieses Programm die Gesetzestexte liest; sie sind keine Rechtsberatung. Das Handbuch nennt ihre Quellen und was die Prüfung nicht wissen kann.</translation>
    </message>
    <message>
        <source>from</source>
        <translation>ab</translation>
    </message>
    <message>
        <source>for more than</source>
        <translation>bei mehr als</translation>
    </message>
    <message>
        <source>Workin&amp;g Time</source>
        <translation>Arbeitszeitre&amp;cht</translation>
    </message>
    <message>
        <source>Brea&amp;k</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Longer break</source>
        <translation>Län&amp;gere Pause</translation>
    </message>
</context>
<context>
    <name>TRegistryManager</name>
    <message>
        <source>Hourframe cannot save its settings.
%1
Settings you change apply until Hourframe ends.</source>
        <translation>Hourframe kann seine Einstellungen nicht speichern.
%1
Was Sie ändern, gilt bis zum Beenden von Hourframe.</translation>
    </message>
    <message>
        <source>no settings key is open</source>
        <translation>es ist kein Einstellungsschlüssel geöffnet</translation>
    </message>
    <message>
        <source>Hourframe could not read its settings file %1 and has kept it as %2. The settings start again from their defaults.</source>
        <translation>Hourframe konnte seine Einstellungsdatei %1 nicht lesen und hat sie als %2 aufbewahrt. Die Einstellungen beginnen wieder mit ihren Standardwerten.</translation>
    </message>
</context>
<context>
    <name>TReportForm</name>
    <message>
        <source>Hourframe Report</source>
        <translation>Hourframe – Bericht</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save report to file</source>
        <translation>Bericht in eine Datei speichern</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>Copy to clip&amp;board</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy report to clipboard</source>
        <translation>Bericht in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Print set&amp;up...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>The report could not be printed</source>
        <translation>Der Bericht konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Printing Report</source>
        <translation>Bericht wird gedruckt</translation>
    </message>
</context>
<context>
    <name>TReportOptionsForm</name>
    <message>
        <source>Hourframe Report Options</source>
        <translation>Hourframe – Berichtsoptionen</translation>
    </message>
    <message>
        <source> Report Dates </source>
        <translation> Berichtszeitraum </translation>
    </message>
    <message>
        <source> Blank Days </source>
        <translation> Tage ohne Stunden </translation>
    </message>
    <message>
        <source> Statistics </source>
        <translation> Statistik </translation>
    </message>
    <message>
        <source>Calculate &amp;total hours</source>
        <translation>&amp;Gesamtstunden berechnen</translation>
    </message>
    <message>
        <source>Calculate &amp;average hours</source>
        <translation>&amp;Durchschnittsstunden berechnen</translation>
    </message>
    <message>
        <source>Show &amp;balance</source>
        <translation>&amp;Saldo zeigen</translation>
    </message>
</context>
<context>
    <name>TTargetHistoryList</name>
    <message>
        <source>History of the targets</source>
        <translation>Verlauf der Sollzeiten</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Weekly target</source>
        <translation>Wochensoll</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>The start</source>
        <translation>Von Anfang an</translation>
    </message>
    <message>
        <source>New targets</source>
        <translation>Neue Sollzeiten</translation>
    </message>
    <message>
        <source>From which date do the new targets apply?</source>
        <translation>Ab welchem Datum gelten die neuen Sollzeiten?</translation>
    </message>
</context>
<context>
    <name>TTimeEdit</name>
    <message>
        <source>%1 cannot be held as a time in minutes</source>
        <translation>%1 lässt sich nicht als Zeit in Minuten darstellen</translation>
    </message>
</context>
<context>
    <name>TTimeRecorder</name>
    <message>
        <source>%1 is not a valid day number</source>
        <translation>%1 ist keine gültige Tagesnummer</translation>
    </message>
    <message>
        <source>%1 is outside the days a data file can hold, %2 to %3</source>
        <translation>%1 liegt außerhalb der Tage, die eine Datendatei aufnehmen kann (%2 bis %3)</translation>
    </message>
    <message>
        <source>The document cannot hold more days</source>
        <translation>Das Dokument kann keine weiteren Tage aufnehmen</translation>
    </message>
    <message>
        <source>Cannot save a document that has no file name</source>
        <translation>Ein Dokument ohne Dateinamen lässt sich nicht speichern</translation>
    </message>
    <message>
        <source>Day record index %1 is out of range</source>
        <translation>Der Tageseintrag Nummer %1 liegt außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>TWeekGrid</name>
    <message>
        <source>Arrive</source>
        <translation>Kommen</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Week &amp;beginning</source>
        <translation>&amp;Woche ab</translation>
    </message>
    <message>
        <source>Previous Week</source>
        <translation>Vorige Woche</translation>
    </message>
    <message>
        <source>Next Week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <source>Weekly hours</source>
        <translation>Wochenstunden</translation>
    </message>
    <message>
        <source>Hours short</source>
        <translation>Fehlstunden</translation>
    </message>
    <message>
        <source>Hours extra</source>
        <translation>Mehrstunden</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Shortfall</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>The time you arrived, such as 830 for 08:30</source>
        <translation>Wann Sie gekommen sind, etwa 830 für 08:30</translation>
    </message>
    <message>
        <source>The time you left, such as 1715 for 17:15</source>
        <translation>Wann Sie gegangen sind, etwa 1715 für 17:15</translation>
    </message>
    <message>
        <source>The length of the lunch break, such as 30 for 00:30 or 1: for 01:00</source>
        <translation>Die Länge der Mittagspause, etwa 30 für 00:30 oder 1: für 01:00</translation>
    </message>
    <message>
        <source>Hours worked beyond arrival and departure</source>
        <translation>Stunden, die außerhalb von Kommen und Gehen gearbeitet wurden</translation>
    </message>
    <message>
        <source>Holiday hours taken</source>
        <translation>Genommene Urlaubsstunden</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a weekday and a row of the sheet: Monday, Arrive</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No comment</source>
        <translation>Kein Kommentar</translation>
    </message>
    <message>
        <source>C</source>
        <comment>the caption of a day&apos;s comment button when the day has a comment</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Leave at</source>
        <translation>Feierabend um</translation>
    </message>
    <message>
        <source>&amp;Previous Week</source>
        <translation>&amp;Vorige Woche</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>&amp;Nächste Woche</translation>
    </message>
    <message>
        <source>%1, breaks a working-time rule</source>
        <translation>%1, verstößt gegen eine Arbeitszeitregel</translation>
    </message>
</context>
<context>
    <name>TWeekSheet</name>
    <message>
        <source>The week of %1 is outside the days a data file can hold, %2 to %3</source>
        <translation>Die Woche vom %1 liegt außerhalb der Tage, die eine Datendatei aufnehmen kann (%2 bis %3)</translation>
    </message>
    <message>
        <source>%1

Hourframe goes on without public holidays.</source>
        <translation>%1

Hourframe arbeitet ohne Feiertage weiter.</translation>
    </message>
    <message>
        <source>(today: %1 so far)</source>
        <translation>(heute bisher: %1)</translation>
    </message>
    <message>
        <source>(zero balance at %1)</source>
        <translation>(Saldo null um %1)</translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>%1 is not a valid time</source>
        <translation>%1 ist keine gültige Zeit</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>%1 minutes cannot be shown as a clock time</source>
        <translation>%1 Minuten lassen sich nicht als Uhrzeit darstellen</translation>
    </message>
</context>
<context>
    <name>Vacation</name>
    <message>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
</context>
<context>
    <name>WorkingTimeRules</name>
    <message>
        <source>EU minimum</source>
        <translation>EU-Mindeststandard</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Rest %1 before this day, %2 required</source>
        <translation>Ruhezeit %1 vor diesem Tag, %2 erforderlich</translation>
    </message>
    <message>
        <source>Break %1 on %2 of work, %3 required</source>
        <translation>Pause %1 bei %2 Arbeit, %3 erforderlich</translation>
    </message>
    <message>
        <source>Work %1 on this day, %2 at most</source>
        <translation>Arbeit %1 an diesem Tag, höchstens %2</translation>
    </message>
    <message>
        <source>Longest rest %1 in the week to this day, %2 required</source>
        <translation>Längste Ruhezeit %1 in der Woche bis zu diesem Tag, %2 erforderlich</translation>
    </message>
    <message>
        <source>Work %1 in the week to this day, %2 at most</source>
        <translation>Arbeit %1 in der Woche bis zu diesem Tag, höchstens %2</translation>
    </message>
    <message>
        <source>Work %1 a week on average over the %2 weeks to this day, %3 at most</source>
        <translation>Arbeit im Schnitt %1 pro Woche über die %2 Wochen bis zu diesem Tag, höchstens %3</translation>
    </message>
</context>
</TS>
