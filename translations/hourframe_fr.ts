<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Balance</name>
    <message>
        <source>%1 is not a valid balance</source>
        <translation>%1 n&apos;est pas un solde valide</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Hours a week by month, %1 to %2</source>
        <translation>Heures par semaine, par mois, du %1 au %2</translation>
    </message>
    <message>
        <source>Hours a week, %1 to %2</source>
        <translation>Heures par semaine, du %1 au %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hours: %1 a week (%2 in all)</source>
        <translation>Heures : %1 par semaine (%2 en tout)</translation>
    </message>
    <message>
        <source>Hours: %1</source>
        <translation>Heures : %1</translation>
    </message>
    <message>
        <source>of which extra: %1</source>
        <translation>dont heures supplémentaires : %1</translation>
    </message>
    <message>
        <source>of which holidays: %1</source>
        <translation>dont congés : %1</translation>
    </message>
    <message>
        <source>Target: %1</source>
        <translation>Objectif : %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Solde : %1</translation>
    </message>
    <message>
        <source>Balance: not counted</source>
        <translation>Solde : non compté</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Travaillé</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Initial</translation>
    </message>
    <message>
        <source>The day to take the balance on, as typed in a date field or as yyyy-MM-dd (default and latest: today).</source>
        <translation>Le jour du calcul du solde, saisi comme dans un champ de date ou sous la forme yyyy-MM-dd (par défaut et au plus tard : aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>Print the account week by week instead: each week&apos;s first day (weeks as the week sheet shows them), hours worked, target, difference and the balance at its end, after the opening balance.</source>
        <translation>Afficher plutôt le décompte semaine par semaine : après le solde initial, pour chaque semaine son premier jour (semaines comme dans la feuille de la semaine), les heures travaillées, l&apos;objectif, la différence et le solde à sa fin.</translation>
    </message>
    <message>
        <source>Print the report of a period</source>
        <translation>Afficher le rapport d&apos;une période</translation>
    </message>
    <message>
        <source>Write the CSV export of a period</source>
        <translation>Écrire l&apos;exportation CSV d&apos;une période</translation>
    </message>
    <message>
        <source>Print a week with its hours as the week sheet shows them</source>
        <translation>Afficher une semaine et ses heures comme la feuille de la semaine</translation>
    </message>
    <message>
        <source>Put the current time into today&apos;s Arrive or Depart and save</source>
        <translation>Saisir l&apos;heure actuelle comme arrivée ou départ d&apos;aujourd&apos;hui et enregistrer</translation>
    </message>
    <message>
        <source>Print the running balance, or its account week by week</source>
        <translation>Afficher le solde courant, ou son décompte semaine par semaine</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a command nor an existing file</source>
        <translation>&apos;%1&apos; n&apos;est ni une commande ni un fichier existant</translation>
    </message>
    <message>
        <source>. Did you mean &apos;%1&apos;?</source>
        <translation>. Vouliez-vous dire &apos;%1&apos; ?</translation>
    </message>
    <message>
        <source>Usage: hourframe [FILE]
  or:  hourframe COMMAND [options] [FILE]
Opens the window with FILE, or with the file used last; or runs a command, which
without FILE takes the file used last.

Commands:
</source>
        <translation>Utilisation : hourframe [FICHIER]
       ou : hourframe COMMANDE [options] [FICHIER]
Ouvre la fenêtre avec FICHIER, ou avec le dernier fichier utilisé ; ou exécute une
commande, qui sans FICHIER prend le dernier fichier utilisé.

Commandes :
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
        <translation>&apos;hourframe COMMANDE --help&apos; affiche les options d&apos;une commande. Un fichier de données
nommé comme une commande s&apos;ouvre dans la fenêtre avec &apos;hourframe ./report&apos;.

Options :
  -h, --help     Afficher cette aide.
  -v, --version  Afficher la version.

Code de retour :
  0  terminé
  1  un fichier ou ses données n&apos;ont pas pu être utilisés
  2  une erreur d&apos;utilisation
</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>%1 (the change was saved)</source>
        <translation>%1 (la modification a été enregistrée)</translation>
    </message>
    <message>
        <source>--set: %1</source>
        <translation>--set : %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>%1 Default: the setting %2; --no-%3 for the opposite.</source>
        <translation>%1 Par défaut : le réglage %2 ; --no-%3 pour le contraire.</translation>
    </message>
    <message>
        <source>Print one JSON object instead, for scripts: each figure as a number of minutes (null for a blank field) and, under the same name with Text added, as the text shown.</source>
        <translation>Afficher plutôt un objet JSON, pour les scripts : chaque valeur en nombre de minutes (null pour un champ vide) et, sous le même nom suivi de Text, telle qu&apos;elle est affichée.</translation>
    </message>
    <message>
        <source>Use this value of a setting, named as in the settings file, for this run only. May be given more than once.</source>
        <translation>Utiliser cette valeur d&apos;un réglage, nommé comme dans le fichier de réglages, pour cette exécution seulement. Peut être donné plusieurs fois.</translation>
    </message>
    <message>
        <source>The first day of the period, as typed in a date field or as yyyy-MM-dd.</source>
        <translation>Le premier jour de la période, saisi comme dans un champ de date ou sous la forme yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>The last day of the period.</source>
        <translation>Le dernier jour de la période.</translation>
    </message>
    <message>
        <source>Widen the period to whole weeks.</source>
        <translation>Étendre la période à des semaines entières.</translation>
    </message>
    <message>
        <source>--period cannot be combined with --from and --to</source>
        <translation>--period ne peut pas être combiné avec --from et --to</translation>
    </message>
    <message>
        <source>--from and --to go together</source>
        <translation>--from et --to vont ensemble</translation>
    </message>
    <message>
        <source>the period ends before it starts (--from %1 --to %2)</source>
        <translation>la période finit avant de commencer (--from %1 --to %2)</translation>
    </message>
    <message>
        <source>--period: &apos;%1&apos; names no period</source>
        <translation>--period : &apos;%1&apos; ne désigne aucune période</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: hourframe %1 [options] %2</source>
        <translation>Utilisation : hourframe %1 [options] %2</translation>
    </message>
    <message>
        <source>missing FILE, and no file was used last to take instead</source>
        <translation>FICHIER manquant, et aucun fichier n&apos;a été utilisé en dernier pour le remplacer</translation>
    </message>
    <message>
        <source>the file used last, %1</source>
        <translation>le dernier fichier utilisé, %1</translation>
    </message>
    <message>
        <source>--set needs Name=Value, not &apos;%1&apos;</source>
        <translation>--set demande Nom=Valeur, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date</source>
        <translation>%1 : &apos;%2&apos; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid time of day</source>
        <translation>%1 : &apos;%2&apos; n&apos;est pas une heure valide</translation>
    </message>
    <message>
        <source>%1 changed on disk while it was being updated; nothing was written</source>
        <translation>%1 a été modifié sur le disque pendant sa mise à jour ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Begin with a row of column headings.</source>
        <translation>Commencer par une ligne d&apos;en-têtes de colonnes.</translation>
    </message>
    <message>
        <source>Write the Date column.</source>
        <translation>Écrire la colonne Date.</translation>
    </message>
    <message>
        <source>Write the Arrive column.</source>
        <translation>Écrire la colonne Arrive.</translation>
    </message>
    <message>
        <source>Write the Depart column.</source>
        <translation>Écrire la colonne Depart.</translation>
    </message>
    <message>
        <source>Write the Lunch column.</source>
        <translation>Écrire la colonne Lunch.</translation>
    </message>
    <message>
        <source>Write the Extra column.</source>
        <translation>Écrire la colonne Extra.</translation>
    </message>
    <message>
        <source>Write the Holiday column.</source>
        <translation>Écrire la colonne Holiday.</translation>
    </message>
    <message>
        <source>Write the Hours column.</source>
        <translation>Écrire la colonne Hours.</translation>
    </message>
    <message>
        <source>Write the Deviation column.</source>
        <translation>Écrire la colonne Deviation.</translation>
    </message>
    <message>
        <source>Write the Comment column.</source>
        <translation>Écrire la colonne Comment.</translation>
    </message>
    <message>
        <source>Writes the CSV export of a period, as the Export command writes it, to a file or to
standard output.</source>
        <translation>Écrit l&apos;exportation CSV d&apos;une période, telle que l&apos;écrit la commande Exporter, dans un
fichier ou sur la sortie standard.</translation>
    </message>
    <message>
        <source>The CSV file to write, replaced once complete; - or none for standard output.</source>
        <translation>Le fichier CSV à écrire, remplacé une fois complet ; - ou rien pour la sortie standard.</translation>
    </message>
    <message>
        <source>Write workdays with no hours.</source>
        <translation>Écrire les jours ouvrés sans heures.</translation>
    </message>
    <message>
        <source>Write weekend days with no hours.</source>
        <translation>Écrire les jours de week-end sans heures.</translation>
    </message>
    <message>
        <source>End with a row of totals.</source>
        <translation>Finir par une ligne de totaux.</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot; and so unable to create export file</source>
        <translation>Impossible de créer le dossier « %1 » et donc le fichier d&apos;exportation</translation>
    </message>
    <message>
        <source>Puts the current time into today&apos;s Arrive (in) or Depart (out), rounded as the Enter
Current Time command rounds it, and saves the file. A field that already holds a time is
left alone unless --force is given.</source>
        <translation>Saisit l&apos;heure actuelle comme arrivée (in) ou départ (out) d&apos;aujourd&apos;hui, arrondie comme
le fait la commande Saisir l&apos;heure actuelle, et enregistre le fichier. Un champ qui contient
déjà une heure reste tel quel, sauf avec --force.</translation>
    </message>
    <message>
        <source>in for Arrive, out for Depart.</source>
        <translation>in pour l&apos;arrivée, out pour le départ.</translation>
    </message>
    <message>
        <source>This time of day instead of the current time, such as 8:30.</source>
        <translation>Cette heure au lieu de l&apos;heure actuelle, par exemple 8:30.</translation>
    </message>
    <message>
        <source>Replace a time the field already holds.</source>
        <translation>Remplacer une heure que le champ contient déjà.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither in nor out</source>
        <translation>&apos;%1&apos; n&apos;est ni in ni out</translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>%1 of %2 already holds %3; nothing was changed (--force replaces it)</source>
        <translation>%1 du %2 contient déjà %3 ; rien n&apos;a été modifié (--force le remplace)</translation>
    </message>
    <message>
        <source>%1 %2 on %3</source>
        <comment>Arrive 08:30 on Mon 30/11/2026</comment>
        <translation>%1 %2 le %3</translation>
    </message>
    <message>
        <source>Prints the report of a period, the same lines as the report window shows.</source>
        <translation>Affiche le rapport d&apos;une période, les mêmes lignes que la fenêtre du rapport.</translation>
    </message>
    <message>
        <source>List workdays with no hours.</source>
        <translation>Lister les jours ouvrés sans heures.</translation>
    </message>
    <message>
        <source>List weekend days with no hours.</source>
        <translation>Lister les jours de week-end sans heures.</translation>
    </message>
    <message>
        <source>Add the total hours.</source>
        <translation>Ajouter le total des heures.</translation>
    </message>
    <message>
        <source>Add the average hours.</source>
        <translation>Ajouter la moyenne des heures.</translation>
    </message>
    <message>
        <source>Add the balance brought and carried forward.</source>
        <translation>Ajouter le solde au début et à la fin.</translation>
    </message>
    <message>
        <source>End lines with CR LF instead of LF.</source>
        <translation>Terminer les lignes par CR LF au lieu de LF.</translation>
    </message>
    <message>
        <source>Hours short</source>
        <translation>Heures manquantes</translation>
    </message>
    <message>
        <source>Hours extra</source>
        <translation>Heures en plus</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Suppl.</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Weekly hours</source>
        <translation>Heures de la semaine</translation>
    </message>
    <message>
        <source>Week beginning %1</source>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <source>Prints the week that contains a date with each day&apos;s hours and deviation, the weekly hours
and the hours short or extra, as the week sheet shows them.</source>
        <translation>Affiche la semaine qui contient une date, avec les heures et l&apos;écart de chaque jour, les
heures de la semaine et les heures manquantes ou en plus, comme la feuille de la semaine.</translation>
    </message>
    <message>
        <source>A day of the week to show, as typed in a date field or as yyyy-MM-dd (default: today).</source>
        <translation>Un jour de la semaine à afficher, saisi comme dans un champ de date ou sous la forme yyyy-MM-dd (par défaut : aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>Days counted: %1 to %2</source>
        <translation>Jours comptés : du %1 au %2</translation>
    </message>
    <message>
        <source>Days counted: none</source>
        <translation>Jours comptés : aucun</translation>
    </message>
    <message>
        <source>; today counts once it is closed</source>
        <translation>; aujourd&apos;hui compte une fois la journée close</translation>
    </message>
    <message>
        <source>Vacation taken in %1: %2
Vacation left in %1: %3
</source>
        <translation>Congés pris en %1 : %2
Congés restants en %1 : %3
</translation>
    </message>
    <message>
        <source>Prints the running balance: the opening balance plus, for every day from the start date
(BalanceStartDate; 0 for the first day holding data) to the day it is taken, the hours
worked less the target in force on that day (none on a public holiday of the
HolidayCalendar). Days after today are not counted, and today only once it holds a
departure, or holiday or extra hours and no arrival.
</source>
        <translation>Affiche le solde courant : le solde initial plus, pour chaque jour depuis la date de début
(BalanceStartDate ; 0 pour le premier jour contenant des données) jusqu&apos;au jour où il est
pris, les heures travaillées moins l&apos;objectif en vigueur ce jour-là (aucun un jour férié du
HolidayCalendar). Les jours après aujourd&apos;hui ne comptent pas, et aujourd&apos;hui seulement
une fois qu&apos;il contient un départ, ou des heures de congé ou supplémentaires sans arrivée.
</translation>
    </message>
    <message>
        <source>Write the chart of a period as PNG, SVG or PDF</source>
        <translation>Écrire le graphique d&apos;une période en PNG, SVG ou PDF</translation>
    </message>
    <message>
        <source>Print today&apos;s hours so far, the time to leave and the balance</source>
        <translation>Afficher les heures du jour jusqu&apos;ici, l&apos;heure de départ et le solde</translation>
    </message>
    <message>
        <source>Merge versions of a data file day by day (git&apos;s merge driver)</source>
        <translation>Fusionner des versions d&apos;un fichier de données jour par jour (pilote de fusion de git)</translation>
    </message>
    <message>
        <source>List the public holidays of a holiday calendar for a period</source>
        <translation>Lister les jours fériés d&apos;un calendrier de jours fériés pour une période</translation>
    </message>
    <message>
        <source>A named period instead: %1, a year (2026) or a month (2026-11). Without --from, --to and --period: %2.</source>
        <translation>Une période nommée à la place : %1, une année (2026) ou un mois (2026-11). Sans --from, --to ni --period : %2.</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>cette semaine</translation>
    </message>
    <message>
        <source>%1 (going on without public holidays)</source>
        <translation>%1 (on continue sans jours fériés)</translation>
    </message>
    <message>
        <source>Lists the public holidays that a holiday calendar (an iCalendar file, .ics) gives for a
period: the date, the weekday and the name, one holiday a line.</source>
        <translation>Liste les jours fériés qu&apos;un calendrier de jours fériés (un fichier iCalendar, .ics) donne
pour une période : la date, le jour de la semaine et le nom, un jour férié par ligne.</translation>
    </message>
    <message>
        <source>The holiday calendar; without it, the one of the settings (HolidayCalendar).</source>
        <translation>Le calendrier des jours fériés ; sans lui, celui des réglages (HolidayCalendar).</translation>
    </message>
    <message>
        <source>this year</source>
        <translation>cette année</translation>
    </message>
    <message>
        <source>missing CALENDAR, and the settings name no holiday calendar</source>
        <translation>CALENDRIER manquant, et les réglages ne nomment aucun calendrier de jours fériés</translation>
    </message>
    <message>
        <source>%1 changed on disk while it was being merged; nothing was written</source>
        <translation>%1 a changé sur le disque pendant la fusion ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the file itself, not a copy of it</source>
        <translation>&apos;%1&apos; est le fichier lui-même, pas une copie</translation>
    </message>
    <message>
        <source>%1: merged, renamed to %2</source>
        <translation>%1 : fusionné, renommé en %2</translation>
    </message>
    <message>
        <source>Merges versions of a data file day by day. A day changed in MINE only or in THEIRS only
takes that version; a day changed in both to different records is a conflict, which keeps
MINE&apos;s record and ends with status 1, listing the days. This is the contract of git&apos;s merge
drivers: git config merge.hourframe.driver &quot;hourframe merge %O %A %B&quot;.
With --into, merges the conflict copies a file-sync tool made into FILE: days only a copy
holds are taken, days that differ keep FILE&apos;s record. A copy merged whole is renamed to end
in .merged; a copy with a day that differs stays where it is.</source>
        <translation>Fusionne des versions d&apos;un fichier de données jour par jour. Un jour modifié seulement dans
MINE ou seulement dans THEIRS prend cette version ; un jour modifié des deux côtés de façon
différente est un conflit, qui garde l&apos;entrée de MINE et finit avec le statut 1 en listant les
jours. C&apos;est le contrat des pilotes de fusion de git :
git config merge.hourframe.driver &quot;hourframe merge %O %A %B&quot;.
Avec --into, fusionne dans FICHIER les copies de conflit créées par un outil de
synchronisation : les jours que seule une copie contient sont repris, les jours qui diffèrent
gardent l&apos;entrée de FICHIER. Une copie fusionnée en entier est renommée avec la fin .merged ;
une copie avec un jour qui diffère reste où elle est.</translation>
    </message>
    <message>
        <source>Write the merged file here instead of into MINE.</source>
        <translation>Écrire le fichier fusionné ici au lieu de MINE.</translation>
    </message>
    <message>
        <source>Merge the copies into this data file.</source>
        <translation>Fusionner les copies dans ce fichier de données.</translation>
    </message>
    <message>
        <source>BASE, MINE, THEIRS: the common ancestor, your version and the other version. With --into: the conflict copies.</source>
        <translation>BASE, MINE, THEIRS : l&apos;ancêtre commun, votre version et l&apos;autre version. Avec --into : les copies de conflit.</translation>
    </message>
    <message>
        <source>-o cannot be combined with --into</source>
        <translation>-o ne peut pas être combiné avec --into</translation>
    </message>
    <message>
        <source>missing COPY</source>
        <translation>COPIE manquante</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Hours so far</source>
        <translation>Heures jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Leave at</source>
        <translation>Départ à</translation>
    </message>
    <message>
        <source>Zero balance at</source>
        <translation>Solde nul à</translation>
    </message>
    <message>
        <source>Counted up to</source>
        <translation>Compté jusqu&apos;au</translation>
    </message>
    <message>
        <source>Prints the day being worked, one value per line: its arrival, the hours worked so far,
its target, the time to leave that meets the target and the one that brings the running
balance to zero, then the balance and the last day it counts. Today counts in the balance
once it holds a departure, or holiday or extra hours and no arrival; a night shift counts
on the day it began.</source>
        <translation>Affiche la journée en cours, une valeur par ligne : son arrivée, les heures travaillées
jusqu&apos;ici, son objectif, l&apos;heure de départ qui atteint l&apos;objectif et celle qui ramène le solde
courant à zéro, puis le solde et le dernier jour qu&apos;il compte. Aujourd&apos;hui compte dans le
solde une fois qu&apos;il contient un départ, ou des heures de congé ou supplémentaires sans
arrivée ; un poste de nuit compte le jour où il a commencé.</translation>
    </message>
    <message>
        <source>1 day changed on both sides, kept as in MINE: %1</source>
        <translation>1 jour modifié des deux côtés, gardé comme dans MINE : %1</translation>
    </message>
    <message>
        <source>%1 days changed on both sides, kept as in MINE: %2</source>
        <translation>%1 jours modifiés des deux côtés, gardés comme dans MINE : %2</translation>
    </message>
    <message>
        <source>1 day differs and was kept as in %1: %2; left in place: %3</source>
        <translation>1 jour diffère et a été gardé comme dans %1 : %2 ; laissé en place : %3</translation>
    </message>
    <message>
        <source>%4 days differ and were kept as in %1: %2; left in place: %3</source>
        <translation>%4 jours diffèrent et ont été gardés comme dans %1 : %2 ; laissé en place : %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not valid UTF-8, and Hourframe names files in UTF-8 only: rename the file</source>
        <translation>&apos;%1&apos; n&apos;est pas de l&apos;UTF-8 valide, et Hourframe ne nomme les fichiers qu&apos;en UTF-8 : renommez le fichier</translation>
    </message>
    <message>
        <source>--size needs WIDTHxHEIGHT, each from 100 to 10000 pixels, not &apos;%1&apos;</source>
        <translation>--size attend LARGEURxHAUTEUR, chacune de 100 à 10000 pixels, et non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>impossible de démarrer %1 : %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn: %1 stopped</source>
        <translation>le graphique n&apos;a pas pu être dessiné : %1 s&apos;est arrêté</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>le graphique n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>Writes the chart of a period, as the Chart command shows it, to a PNG, SVG or PDF
file: hours a week against the target, and the running balance. It needs no display.</source>
        <translation>Écrit le graphique d&apos;une période, tel que le montre la commande Graphique, dans un
fichier PNG, SVG ou PDF : les heures par semaine face à l&apos;objectif, et le solde
courant. Aucun écran n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>The file to write, replaced once complete; its suffix .png, .svg or .pdf names the format.</source>
        <translation>Le fichier à écrire, remplacé une fois complet ; son suffixe .png, .svg ou .pdf en donne le format.</translation>
    </message>
    <message>
        <source>The chart&apos;s size in pixels (in points for PDF); 960x540 unless given.</source>
        <translation>La taille du graphique en pixels (en points pour le PDF) ; 960x540 sans autre indication.</translation>
    </message>
    <message>
        <source>the chart needs a file to write: -o OUT.png, OUT.svg or OUT.pdf</source>
        <translation>le graphique a besoin d&apos;un fichier où s&apos;écrire : -o OUT.png, OUT.svg ou OUT.pdf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not named as a PNG, SVG or PDF file</source>
        <translation>&apos;%1&apos; n&apos;est pas nommé comme un fichier PNG, SVG ou PDF</translation>
    </message>
    <message>
        <source>Cannot copy standard input to %1: %2</source>
        <translation>Impossible de copier l&apos;entrée standard dans %1 : %2</translation>
    </message>
    <message>
        <source>there is no display to open the window on; the commands work without one (hourframe --help lists them)</source>
        <translation>il n&apos;y a pas d&apos;écran où ouvrir la fenêtre ; les commandes fonctionnent sans (hourframe --help les énumère)</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>standard input (-) cannot be changed; name the data file instead</source>
        <translation>l&apos;entrée standard (-) ne peut pas être modifiée ; nommez plutôt le fichier de données</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Impossible de lire l&apos;entrée standard : %1</translation>
    </message>
    <message>
        <source>standard input is larger than %1 MB</source>
        <translation>l&apos;entrée standard dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Write dates as 2026-11-30 instead of in the regional short form, for scripts.</source>
        <translation>Écrire les dates sous la forme 2026-11-30 plutôt que dans la forme courte régionale, pour les scripts.</translation>
    </message>
    <message>
        <source>created the data file %1</source>
        <translation>fichier de données %1 créé</translation>
    </message>
    <message>
        <source>The data file, or - for standard input; without it, the file last opened or saved in the window.</source>
        <translation>Le fichier de données, ou - pour l&apos;entrée standard ; sans lui, le dernier fichier ouvert ou enregistré dans la fenêtre.</translation>
    </message>
    <message>
        <source>The data file, made when it does not exist, in a folder that does; without it, the file used last.</source>
        <translation>Le fichier de données, créé s&apos;il n&apos;existe pas, dans un dossier qui existe ; sans lui, le dernier fichier utilisé.</translation>
    </message>
    <message>
        <source>With a vacation allowance, then the vacation days taken and left in the year of
the last day counted, up to that day: a day&apos;s holiday hours over its target,
against VacationDaysPerYear, and VacationCarriedOver in the year the balance starts.</source>
        <translation>Avec un droit à congés, puis les jours de congé pris et restants dans l&apos;année du dernier
jour compté, jusqu&apos;à ce jour : les heures de congé d&apos;un jour rapportées à son objectif, face à
VacationDaysPerYear, et VacationCarriedOver dans l&apos;année où commence le solde.</translation>
    </message>
    <message>
        <source>Checks the days of a period against the working-time rules: daily rest, breaks, the
daily and weekly maximums and weekly rest, and prints one line per breach. The exit
status is 0 without a breach and 3 with some. The rules are a warning, not legal
advice: see the manual for their sources and what the check cannot know.</source>
        <translation>Vérifie les jours d&apos;une période selon les règles du temps de travail : repos quotidien,
pauses, durées maximales quotidienne et hebdomadaire et repos hebdomadaire, et écrit une
ligne par infraction. Le code de retour est 0 sans infraction et 3 avec. Les règles sont
un avertissement, pas un conseil juridique : le manuel en donne les sources et les limites.</translation>
    </message>
    <message>
        <source>every day of the file, to the end of its last week</source>
        <translation>chaque jour du fichier jusqu&apos;à la fin de sa dernière semaine</translation>
    </message>
    <message>
        <source>The rule set to check with: eu (EU minimum), de (Germany) or fr (France), as --set WorkingTimeRules=1, 2 or 3 would choose it; the values changed in Preferences (or with --set RuleDailyRest=... and the like) hold with any set. Default: the set chosen in Preferences.</source>
        <translation>L&apos;ensemble de règles à vérifier : eu (minimum UE), de (Allemagne) ou fr (France), comme --set WorkingTimeRules=1, 2 ou 3 le choisirait ; les valeurs changées dans les Préférences (ou avec --set RuleDailyRest=... et semblables) valent pour tout ensemble. Par défaut : l&apos;ensemble choisi dans les Préférences.</translation>
    </message>
    <message>
        <source>--rules: &apos;%1&apos; is none of %2</source>
        <translation>--rules : « %1 » n&apos;est aucun de %2</translation>
    </message>
    <message>
        <source>no working-time rules are chosen: choose a set in Preferences or with --rules</source>
        <translation>aucune règle du temps de travail n&apos;est choisie : choisissez un ensemble dans les Préférences ou avec --rules</translation>
    </message>
    <message>
        <source>Check a period against the working-time rules, one line per breach</source>
        <translation>Vérifier une période selon les règles du temps de travail, une ligne par infraction</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>the export file</source>
        <translation>le fichier d&apos;exportation</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>%1 is not a valid time</source>
        <translation>%1 n&apos;est pas une heure valide</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>%1 is not a valid date: %2 is out of range</source>
        <translation>%1 n&apos;est pas une date valide : %2 est hors limites</translation>
    </message>
    <message>
        <source>the data file</source>
        <translation>le fichier de données</translation>
    </message>
    <message>
        <source>%1 is not a data file: it holds NUL bytes</source>
        <translation>%1 n&apos;est pas un fichier de données : il contient des octets NUL</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a valid time: a part of it is negative</source>
        <translation>%1 n&apos;est pas une heure valide : une de ses parties est négative</translation>
    </message>
    <message>
        <source>%1 is not a valid time: its minutes are 60 or more</source>
        <translation>%1 n&apos;est pas une heure valide : ses minutes valent 60 ou plus</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>%1 is not a valid date: %2 is out of range</source>
        <translation>%1 n&apos;est pas une date valide : %2 est hors limites</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Unable to open registry key %1
%2</source>
        <translation>Impossible d&apos;ouvrir la clé de registre %1
%2</translation>
    </message>
    <message>
        <source>Hourframe files cannot be associated with this program: its path holds a line break or another control character, which a desktop entry cannot hold.
%1</source>
        <translation>Les fichiers Hourframe ne peuvent pas être associés à ce programme : son chemin contient un saut de ligne ou un autre caractère de contrôle, qu&apos;une entrée de bureau ne peut pas contenir.
%1</translation>
    </message>
</context>
<context>
    <name>HolidayCalendar</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>this line is not part of a calendar</source>
        <translation>cette ligne ne fait partie d&apos;aucun calendrier</translation>
    </message>
    <message>
        <source>this is no iCalendar file: it does not begin with BEGIN:VCALENDAR</source>
        <translation>ce n&apos;est pas un fichier iCalendar : il ne commence pas par BEGIN:VCALENDAR</translation>
    </message>
    <message>
        <source>the calendar ends without END:VCALENDAR</source>
        <translation>le calendrier se termine sans END:VCALENDAR</translation>
    </message>
    <message>
        <source>the event&apos;s DTEND is no date</source>
        <translation>le DTEND de l&apos;événement n&apos;est pas une date</translation>
    </message>
    <message>
        <source>the event ends before it begins</source>
        <translation>l&apos;événement finit avant de commencer</translation>
    </message>
    <message>
        <source>the event lasts longer than a year</source>
        <translation>l&apos;événement dure plus d&apos;un an</translation>
    </message>
    <message>
        <source>the event has no DTSTART date</source>
        <translation>l&apos;événement n&apos;a pas de date DTSTART</translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>the event&apos;s RRULE cannot be read</source>
        <translation>la RRULE de l&apos;événement est illisible</translation>
    </message>
    <message>
        <source>the event repeats more often than daily</source>
        <translation>l&apos;événement se répète plus d&apos;une fois par jour</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: there is no such file</source>
        <translation>Impossible de lire le calendrier des jours fériés %1 : ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: it is not a file</source>
        <translation>Impossible de lire le calendrier des jours fériés %1 : ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: it is too large for a calendar</source>
        <translation>Impossible de lire le calendrier des jours fériés %1 : il est trop grand pour un calendrier</translation>
    </message>
    <message>
        <source>Cannot read the holiday calendar %1: %2</source>
        <translation>Impossible de lire le calendrier des jours fériés %1 : %2</translation>
    </message>
</context>
<context>
    <name>Period</name>
    <message>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Semaine dernière</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c&apos;est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Report from %1 to %2</source>
        <translation>Rapport du %1 au %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Suppl.</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Total holidays for period</source>
        <translation>Congés sur la période</translation>
    </message>
    <message>
        <source>Total hours for period</source>
        <translation>Heures sur la période</translation>
    </message>
    <message>
        <source>Balance brought forward</source>
        <translation>Solde au début</translation>
    </message>
    <message>
        <source>Balance carried forward</source>
        <translation>Solde à la fin</translation>
    </message>
    <message>
        <source>Average daily hours</source>
        <translation>Moyenne par jour</translation>
    </message>
    <message>
        <source>Average weekly hours</source>
        <translation>Moyenne par semaine</translation>
    </message>
    <message>
        <source>Vacation taken in %1</source>
        <translation>Congés pris en %1</translation>
    </message>
    <message>
        <source>Vacation left in %1</source>
        <translation>Congés restants en %1</translation>
    </message>
    <message>
        <source>Breaches of the working-time rules (%1)</source>
        <translation>Infractions aux règles du temps de travail (%1)</translation>
    </message>
</context>
<context>
    <name>SharedDataFile</name>
    <message>
        <source>Cannot lock %1 for writing: %2 cannot be created</source>
        <translation>Impossible de verrouiller %1 en écriture : %2 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 is being written by another Hourframe program (process %2); nothing was written</source>
        <translation>%1 est en cours d&apos;écriture par un autre programme Hourframe (processus %2) ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>Impossible de renommer %1 en %2</translation>
    </message>
</context>
<context>
    <name>TBusyForm</name>
    <message>
        <source>Busy</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TChartForm</name>
    <message>
        <source>Hourframe Chart</source>
        <translation>Hourframe – Graphique</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save chart as PNG, SVG or PDF</source>
        <translation>Enregistrer le graphique en PNG, SVG ou PDF</translation>
    </message>
    <message>
        <source>Copy to clip&amp;board</source>
        <translation>Copier dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Copy chart to clipboard as an image</source>
        <translation>Copier le graphique dans le presse-papiers comme image</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG Images (*.png);;SVG Images (*.svg);;PDF Files (*.pdf)</source>
        <translation>Images PNG (*.png);;Images SVG (*.svg);;Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
</context>
<context>
    <name>TChartOptionsForm</name>
    <message>
        <source>Hourframe Chart Options</source>
        <translation>Hourframe – Options du graphique</translation>
    </message>
    <message>
        <source> Chart Dates </source>
        <translation> Dates du graphique </translation>
    </message>
</context>
<context>
    <name>TChartView</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Hours a week, monthly average</source>
        <translation>Heures par semaine, moyenne mensuelle</translation>
    </message>
    <message>
        <source>Hours a week</source>
        <translation>Heures par semaine</translation>
    </message>
    <message>
        <source>Balance in hours</source>
        <translation>Solde en heures</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Suppl.</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Congés</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>The chart could not be drawn for &quot;%1&quot;</source>
        <translation>Le graphique n&apos;a pas pu être dessiné pour « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not named as a PNG, SVG or PDF file</source>
        <translation>« %1 » n&apos;a pas le nom d&apos;un fichier PNG, SVG ou PDF</translation>
    </message>
</context>
<context>
    <name>TCommentForm</name>
    <message>
        <source>&amp;Enter or select a comment for: </source>
        <translation>&amp;Saisir ou choisir le commentaire du </translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>&amp;Display this number of previously entered comments:</source>
        <translation>&amp;Nombre de commentaires précédents proposés :</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the prompt, then the day: Enter or select a comment for: 07/12/2026</comment>
        <translation>%1 %2 :</translation>
    </message>
</context>
<context>
    <name>TData</name>
    <message>
        <source>1 or 0, true or false</source>
        <translation>1 ou 0, true ou false</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>a number of minutes or hours:minutes</source>
        <translation>un nombre de minutes ou heures:minutes</translation>
    </message>
    <message>
        <source>a date yyyy-MM-dd or a day number</source>
        <translation>une date AAAA-MM-JJ ou un numéro de jour</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for %2: give %3</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur valide pour %2 : indiquez %3</translation>
    </message>
    <message>
        <source>%1 is out of range for %2: give %3 to %4</source>
        <translation>%1 est hors limites pour %2 : indiquez une valeur de %3 à %4</translation>
    </message>
    <message>
        <source>There is no setting named &apos;%1&apos;</source>
        <translation>Il n&apos;existe aucun réglage nommé &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is not a valid value for %2</source>
        <translation>%1 n&apos;est pas une valeur valide pour %2</translation>
    </message>
</context>
<context>
    <name>TDateEdit</name>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation>Choisir la date dans un calendrier (Alt+Bas)</translation>
    </message>
    <message>
        <source>%1, calendar</source>
        <comment>the button that shows a calendar for a date field</comment>
        <translation>%1, calendrier</translation>
    </message>
    <message>
        <source>%1 is not between %2 and %3</source>
        <translation>%1 n&apos;est pas compris entre le %2 et le %3</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>n&apos;est pas une date</translation>
    </message>
</context>
<context>
    <name>TExportOptionsForm</name>
    <message>
        <source>Hourframe Export Options</source>
        <translation>Hourframe – Options d&apos;exportation</translation>
    </message>
    <message>
        <source> Dates </source>
        <translation> Période </translation>
    </message>
    <message>
        <source> File </source>
        <translation> Fichier </translation>
    </message>
    <message>
        <source>Choose the export file</source>
        <translation>Choisir le fichier d&apos;exportation</translation>
    </message>
    <message>
        <source>Comma separated value (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Nom du fichier</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Fo&amp;rmat</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>Export &amp;column headings</source>
        <translation>Exporter les &amp;en-têtes de colonnes</translation>
    </message>
    <message>
        <source>Export &amp;arrival time</source>
        <translation>Exporter l&apos;heure d&apos;&amp;arrivée</translation>
    </message>
    <message>
        <source>Export depart&amp;ure time</source>
        <translation>Exporter l&apos;&amp;heure de départ</translation>
    </message>
    <message>
        <source>Export &amp;lunch time</source>
        <translation>Exporter la pause de m&amp;idi</translation>
    </message>
    <message>
        <source>Export e&amp;xtra hours</source>
        <translation>Exporter les heures s&amp;upplémentaires</translation>
    </message>
    <message>
        <source>Export daily &amp;hours</source>
        <translation>Exporter les heures du &amp;jour</translation>
    </message>
    <message>
        <source>Calculate &amp;total hours</source>
        <translation>Calculer le &amp;total des heures</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Comma Separated Value Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export dat&amp;e</source>
        <translation>E&amp;xporter la date</translation>
    </message>
    <message>
        <source>Export hol&amp;idays</source>
        <translation>Exporter les con&amp;gés</translation>
    </message>
    <message>
        <source>Export Co&amp;mments</source>
        <translation>Exporter les co&amp;mmentaires</translation>
    </message>
    <message>
        <source>Export De&amp;viations</source>
        <translation>Exporter les écart&amp;s</translation>
    </message>
    <message>
        <source>ISO dates (2026-11-30), fo&amp;r scripts</source>
        <translation>Dates ISO (2026-11-30), pour &amp;les scripts</translation>
    </message>
</context>
<context>
    <name>TFileWatch</name>
    <message>
        <source>%1 is not there any more: it was deleted or renamed while it was open.
Save the time card there again?</source>
        <translation>%1 n&apos;existe plus : il a été supprimé ou renommé pendant qu&apos;il était ouvert.
Enregistrer à nouveau la fiche de temps à cet endroit ?</translation>
    </message>
    <message>
        <source>%1 was changed on disk and cannot be read, so its changes cannot be merged; nothing was saved. %2</source>
        <translation>%1 a été modifié sur le disque et ne peut pas être lu, ses modifications ne peuvent donc pas être fusionnées ; rien n&apos;a été enregistré. %2</translation>
    </message>
    <message>
        <source>%1 was deleted or renamed.
Its days stay in this window; Save asks where to write them.</source>
        <translation>%1 a été supprimé ou renommé.
Ses jours restent dans cette fenêtre ; Enregistrer demande où les écrire.</translation>
    </message>
    <message>
        <source>%1 was changed on disk but cannot be read: %2</source>
        <translation>%1 a été modifié sur le disque mais ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>reloaded</source>
        <translation>rechargé</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Rechargé : modifié sur le disque</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>fusionné</translation>
    </message>
    <message>
        <source>Merged: changed on disk</source>
        <translation>Fusionné : modifié sur le disque</translation>
    </message>
    <message>
        <source>A file-sync tool has left a conflicting copy of %1:
%2
Merge its days into this time card?</source>
        <translation>Un outil de synchronisation a laissé une copie en conflit de %1 :
%2
Fusionner ses jours dans cette fiche de temps ?</translation>
    </message>
    <message>
        <source>Merged: conflict copy</source>
        <translation>Fusionné : copie en conflit</translation>
    </message>
    <message>
        <source>Copy merged and renamed</source>
        <translation>Copie fusionnée et renommée</translation>
    </message>
    <message>
        <source>Copy merged, in the trash</source>
        <translation>Copie fusionnée, dans la corbeille</translation>
    </message>
</context>
<context>
    <name>TGoToWebsite</name>
    <message>
        <source>%1 home &amp;page</source>
        <translation>&amp;Page d&apos;accueil de %1</translation>
    </message>
    <message>
        <source>Home &amp;page</source>
        <translation>&amp;Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Show %1 home page</source>
        <translation>Afficher la page d&apos;accueil de %1</translation>
    </message>
    <message>
        <source>Show home page</source>
        <translation>Afficher la page d&apos;accueil</translation>
    </message>
    <message>
        <source>Orvane Software &amp;web site</source>
        <translation>Site &amp;web d&apos;Orvane Software</translation>
    </message>
    <message>
        <source>Show Orvane Software web site</source>
        <translation>Afficher le site web d&apos;Orvane Software</translation>
    </message>
</context>
<context>
    <name>TLeaveNotice</name>
    <message>
        <source>: leave at %1</source>
        <translation>: départ à %1</translation>
    </message>
    <message>
        <source>Time to leave: today&apos;s target of %1 is met.</source>
        <translation>C&apos;est l&apos;heure de partir : l&apos;objectif du jour de %1 est atteint.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new hourframe</source>
        <translation>Créer un nouveau fichier Hourframe</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Load hourframe</source>
        <translation>Charger un fichier Hourframe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save hourframe</source>
        <translation>Enregistrer le fichier Hourframe</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save hourframe to new file</source>
        <translation>Enregistrer le fichier Hourframe sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Hide &amp;Form</source>
        <translation>&amp;Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Hide form in tool tray</source>
        <translation>Masquer la fenêtre dans la zone de notification</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation>Établir un rapport</translation>
    </message>
    <message>
        <source>Show &amp;Menu</source>
        <translation>Afficher la barre de &amp;menus</translation>
    </message>
    <message>
        <source>Show menu</source>
        <translation>Afficher la barre de menus</translation>
    </message>
    <message>
        <source>Show &amp;Toolbar</source>
        <translation>Afficher la barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>Show toolbar</source>
        <translation>Afficher la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show &amp;Lunch Time</source>
        <translation>Afficher la &amp;pause de midi</translation>
    </message>
    <message>
        <source>Show lunch time</source>
        <translation>Afficher la pause de midi</translation>
    </message>
    <message>
        <source>Show &amp;Extra Hours</source>
        <translation>Afficher les heures &amp;supplémentaires</translation>
    </message>
    <message>
        <source>Show extra hours</source>
        <translation>Afficher les heures supplémentaires</translation>
    </message>
    <message>
        <source>Show &amp;Holidays</source>
        <translation>Afficher les &amp;congés</translation>
    </message>
    <message>
        <source>Show holidays</source>
        <translation>Afficher les congés</translation>
    </message>
    <message>
        <source>Show &amp;Daily Deviation</source>
        <translation>Afficher l&apos;écart &amp;journalier</translation>
    </message>
    <message>
        <source>Show daily deviation</source>
        <translation>Afficher l&apos;écart journalier</translation>
    </message>
    <message>
        <source>Show &amp;Weekly Deviation</source>
        <translation>Afficher l&apos;écart &amp;hebdomadaire</translation>
    </message>
    <message>
        <source>Show weekly deviation</source>
        <translation>Afficher l&apos;écart hebdomadaire</translation>
    </message>
    <message>
        <source>Show &amp;Comments</source>
        <translation>Afficher les comme&amp;ntaires</translation>
    </message>
    <message>
        <source>Show comments</source>
        <translation>Afficher les commentaires</translation>
    </message>
    <message>
        <source>Show &amp;Balance</source>
        <translation>Afficher le so&amp;lde</translation>
    </message>
    <message>
        <source>Show balance</source>
        <translation>Afficher le solde</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Configure options</source>
        <translation>Modifier les options</translation>
    </message>
    <message>
        <source>Show &amp;Form...</source>
        <translation>&amp;Afficher la fenêtre...</translation>
    </message>
    <message>
        <source>Show form</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Enter Current Time</source>
        <translation>Saisir l&apos;&amp;heure actuelle</translation>
    </message>
    <message>
        <source>Enter current time</source>
        <translation>Saisir l&apos;heure actuelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Home &amp;page</source>
        <translation>&amp;Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Show home page</source>
        <translation>Afficher la page d&apos;accueil</translation>
    </message>
    <message>
        <source>Orvane Software &amp;web site</source>
        <translation>Site &amp;web d&apos;Orvane Software</translation>
    </message>
    <message>
        <source>Show Orvane Software web site</source>
        <translation>Afficher le site web d&apos;Orvane Software</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Unable to open file %1<byte value="xd"/>Do you want to try to find it yourself?</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.<byte value="xd"/>Voulez-vous le chercher vous-même ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Hourframe Files (*.hf);;All Files (*)</source>
        <translation>Fichiers Hourframe (*.hf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Hourframe</source>
        <translation>Ouvrir un fichier Hourframe</translation>
    </message>
    <message>
        <source>Save Hourframe</source>
        <translation>Enregistrer le fichier Hourframe</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;<byte value="xd"/>and so unable to create export file</source>
        <translation>Impossible de créer le dossier « %1 »<byte value="xd"/>et donc le fichier d&apos;exportation.</translation>
    </message>
    <message>
        <source>Unable to create export file &quot;%1&quot;<byte value="xd"/>Please ensure it isn&apos;t in use by another application.</source>
        <translation>Impossible de créer le fichier d&apos;exportation « %1 ».<byte value="xd"/>Vérifiez qu&apos;il n&apos;est pas utilisé par une autre application.</translation>
    </message>
    <message>
        <source>Hide &amp;Menu</source>
        <translation>Masquer la barre de &amp;menus</translation>
    </message>
    <message>
        <source>Hide &amp;Toolbar</source>
        <translation>Masquer la barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>Hide &amp;Lunch Time</source>
        <translation>Masquer la &amp;pause de midi</translation>
    </message>
    <message>
        <source>Hide &amp;Extra Hours</source>
        <translation>Masquer les heures &amp;supplémentaires</translation>
    </message>
    <message>
        <source>Hide &amp;Holidays</source>
        <translation>Masquer les &amp;congés</translation>
    </message>
    <message>
        <source>Hide &amp;Daily Deviation</source>
        <translation>Masquer l&apos;écart &amp;journalier</translation>
    </message>
    <message>
        <source>Hide &amp;Weekly Deviation</source>
        <translation>Masquer l&apos;écart &amp;hebdomadaire</translation>
    </message>
    <message>
        <source>Hide &amp;Comments</source>
        <translation>Masquer les comme&amp;ntaires</translation>
    </message>
    <message>
        <source>Hide &amp;Balance</source>
        <translation>Masquer le so&amp;lde</translation>
    </message>
    <message>
        <source>&amp;Chart...</source>
        <translation>&amp;Graphique...</translation>
    </message>
    <message>
        <source>Chart hours, target and balance</source>
        <translation>Graphique des heures, de l&apos;objectif et du solde</translation>
    </message>
    <message>
        <source>Show Leave &amp;At</source>
        <translation>Afficher l&apos;heure de &amp;départ</translation>
    </message>
    <message>
        <source>Show when to leave today</source>
        <translation>Afficher l&apos;heure de départ d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Hide Leave &amp;At</source>
        <translation>Masquer l&apos;heure de &amp;départ</translation>
    </message>
    <message>
        <source>The time card has changed.
Save data before creating a new hourframe?</source>
        <translation>La fiche de temps a été modifiée.
Enregistrer les données avant de créer un nouveau fichier Hourframe ?</translation>
    </message>
    <message>
        <source>The time card has changed.
Save data before loading?</source>
        <translation>La fiche de temps a été modifiée.
Enregistrer les données avant le chargement ?</translation>
    </message>
    <message>
        <source>The time card has changed.
Save data before exiting?</source>
        <translation>La fiche de temps a été modifiée.
Enregistrer les données avant de quitter ?</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>Se&amp;maine</translation>
    </message>
</context>
<context>
    <name>TMergeForm</name>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>These days were changed both in this window (mine) and in %1 (theirs). Choose the version to keep for each day.</source>
        <translation>Ces jours ont été modifiés à la fois dans cette fenêtre (la mienne) et dans %1 (l&apos;autre). Choisissez pour chaque jour la version à garder.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Arrive</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Suppl.</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Keep &amp;mine for all</source>
        <translation>Garder la &amp;mienne partout</translation>
    </message>
    <message>
        <source>Take &amp;theirs for all</source>
        <translation>Prendre l&apos;&amp;autre partout</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <source>Take theirs</source>
        <translation>Prendre l&apos;autre</translation>
    </message>
    <message>
        <source>(no entry)</source>
        <translation>(aucune entrée)</translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Non à to&amp;ut</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Oui à tou&amp;t</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>TNTRegistry</name>
    <message>
        <source>Cannot lock %1: another program has held it for more than %2 seconds</source>
        <translation>Impossible de verrouiller %1 : un autre programme le tient depuis plus de %2 secondes</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in its place</source>
        <translation>Impossible de créer le dossier %1 : un fichier du même nom occupe sa place</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2 is a file</source>
        <translation>Impossible de créer le dossier %1 : %2 est un fichier</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer la valeur de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is open for reading only</source>
        <translation>%1 n&apos;est ouvert qu&apos;en lecture</translation>
    </message>
</context>
<context>
    <name>TPeriodOptionsForm</name>
    <message>
        <source>Adjust &amp;dates to full working weeks</source>
        <translation>Étendre les dates à des semaines de travail &amp;complètes</translation>
    </message>
    <message>
        <source>Include &amp;workdays with no hours</source>
        <translation>Inclure les jours &amp;ouvrés sans heures</translation>
    </message>
    <message>
        <source>Include wee&amp;kend days with no hours</source>
        <translation>Inclure les jours de &amp;week-end sans heures</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Period</source>
        <translation>&amp;Période</translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation>&amp;Début</translation>
    </message>
    <message>
        <source>E&amp;nd date</source>
        <translation>&amp;Fin</translation>
    </message>
</context>
<context>
    <name>TPreferencesForm</name>
    <message>
        <source>Preferences</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>&amp;Associate .HF files with Hourframe</source>
        <translation>&amp;Associer les fichiers .HF à Hourframe</translation>
    </message>
    <message>
        <source>Reopen pre&amp;vious hourframe file on startup</source>
        <translation>&amp;Rouvrir le dernier fichier Hourframe au démarrage</translation>
    </message>
    <message>
        <source>Show &amp;icon in tool tray</source>
        <translation>Afficher une icône dans la zone de &amp;notification</translation>
    </message>
    <message>
        <source>Automatically save &amp;changed data before exiting</source>
        <translation>Enregistrer automatiquement les &amp;modifications avant de quitter</translation>
    </message>
    <message>
        <source>Automatically &amp;enter current time</source>
        <translation>Saisir automatiquement l&apos;heure a&amp;ctuelle</translation>
    </message>
    <message>
        <source>&amp;Round times to nearest</source>
        <translation>Arron&amp;dir les heures à</translation>
    </message>
    <message>
        <source>Round times to nearest, minutes</source>
        <translation>Arrondir les heures à, minutes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Always show &amp;lunch time</source>
        <translation>Toujours afficher la &amp;pause de midi</translation>
    </message>
    <message>
        <source>Always show e&amp;xtra hours</source>
        <translation>Toujours afficher les heures s&amp;upplémentaires</translation>
    </message>
    <message>
        <source>Always show &amp;holidays</source>
        <translation>Toujours afficher les con&amp;gés</translation>
    </message>
    <message>
        <source>Always show co&amp;mment</source>
        <translation>Toujours afficher le commen&amp;taire</translation>
    </message>
    <message>
        <source>Consider holidays as time &amp;worked</source>
        <translation>Compter les congés comme temps de tra&amp;vail</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>&amp;First day of week</source>
        <translation>Premier &amp;jour de la semaine</translation>
    </message>
    <message>
        <source>&amp;Target Hours</source>
        <translation>&amp;Heures prévues</translation>
    </message>
    <message>
        <source> Target Hours </source>
        <translation> Heures prévues </translation>
    </message>
    <message>
        <source>Show &amp;daily deviation from target</source>
        <translation>Afficher l&apos;écart &amp;journalier par rapport à l&apos;objectif</translation>
    </message>
    <message>
        <source>&amp;Monday</source>
        <translation>&amp;Lundi</translation>
    </message>
    <message>
        <source>T&amp;uesday</source>
        <translation>M&amp;ardi</translation>
    </message>
    <message>
        <source>&amp;Wednesday</source>
        <translation>Me&amp;rcredi</translation>
    </message>
    <message>
        <source>T&amp;hursday</source>
        <translation>Jeu&amp;di</translation>
    </message>
    <message>
        <source>&amp;Friday</source>
        <translation>&amp;Vendredi</translation>
    </message>
    <message>
        <source>S&amp;aturday</source>
        <translation>Sa&amp;medi</translation>
    </message>
    <message>
        <source>Su&amp;nday</source>
        <translation>Dima&amp;nche</translation>
    </message>
    <message>
        <source>Show wee&amp;kly deviation from</source>
        <translation>Afficher l&apos;é&amp;cart hebdomadaire par rapport à</translation>
    </message>
    <message>
        <source>Weekly target, hours</source>
        <translation>Objectif hebdomadaire, heures</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>Default &amp;lunch time</source>
        <translation>&amp;Pause de midi par défaut</translation>
    </message>
    <message>
        <source>Default lunch time, hours</source>
        <translation>Pause de midi par défaut, heures</translation>
    </message>
    <message>
        <source>&amp;Printer</source>
        <translation>&amp;Imprimante</translation>
    </message>
    <message>
        <source> Printer Font </source>
        <translation> Police de l&apos;imprimante </translation>
    </message>
    <message>
        <source>Printer font name</source>
        <translation>Nom de la police de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer font size</source>
        <translation>Taille de la police de l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>&amp;Solde</translation>
    </message>
    <message>
        <source> Balance </source>
        <translation> Solde </translation>
    </message>
    <message>
        <source>Balance start date</source>
        <translation>Date de début du solde</translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation>&amp;Date de début</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>From the first &amp;recorded day</source>
        <translation>À partir du &amp;premier jour saisi</translation>
    </message>
    <message>
        <source>Op&amp;ening balance</source>
        <translation>Solde initia&amp;l</translation>
    </message>
    <message>
        <source>&amp;Notify me when today&apos;s target is met</source>
        <translation>M&apos;av&amp;ertir quand l&apos;objectif du jour est atteint</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>Histori&amp;que</translation>
    </message>
    <message>
        <source>Holida&amp;ys</source>
        <translation>Jours &amp;fériés</translation>
    </message>
    <message>
        <source> Public Holidays </source>
        <translation> Jours fériés </translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>An iCalendar file (.ics) of your region&apos;s public holidays. A public holiday&apos;s target is 0.</source>
        <translation>Un fichier iCalendar (.ics) des jours fériés de votre région. L&apos;objectif d&apos;un jour férié est 0.</translation>
    </message>
    <message>
        <source>&amp;Calendar file</source>
        <translation>Fichier du &amp;calendrier</translation>
    </message>
    <message>
        <source>&amp;Vacation per year</source>
        <translation>&amp;Congés par an</translation>
    </message>
    <message>
        <source>&amp;Carried over into the first year</source>
        <translation>Jours &amp;reportés sur la première année</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>No calendar: no public holidays.</source>
        <translation>Aucun calendrier : aucun jour férié.</translation>
    </message>
    <message>
        <source>Hourframe goes on without public holidays.</source>
        <translation>Hourframe continue sans jours fériés.</translation>
    </message>
    <message>
        <source>1 public holiday in %1</source>
        <translation>1 jour férié en %1</translation>
    </message>
    <message>
        <source>%1 public holidays in %2</source>
        <translation>%1 jours fériés en %2</translation>
    </message>
    <message>
        <source>Holiday Calendar</source>
        <translation>Calendrier des jours fériés</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics);;All Files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source> Working-Time Rules </source>
        <translation> Règles du temps de travail </translation>
    </message>
    <message>
        <source>Rule &amp;set</source>
        <translation>&amp;Ensemble de règles</translation>
    </message>
    <message>
        <source>Daily &amp;rest</source>
        <translation>&amp;Repos quotidien</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>au moins</translation>
    </message>
    <message>
        <source>of work</source>
        <translation>de travail</translation>
    </message>
    <message>
        <source>%1, after work of</source>
        <translation>%1, après un travail de</translation>
    </message>
    <message>
        <source>Daily ma&amp;ximum</source>
        <translation>Maximum &amp;quotidien</translation>
    </message>
    <message>
        <source>Weekly maxi&amp;mum</source>
        <translation>Maximum he&amp;bdomadaire</translation>
    </message>
    <message>
        <source>in any week</source>
        <translation>en toute semaine</translation>
    </message>
    <message>
        <source>&amp;Average week at most</source>
        <translation>Semaine moyenne &amp;au plus</translation>
    </message>
    <message>
        <source>over</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>Weeks the average is taken over</source>
        <translation>Semaines sur lesquelles la moyenne est prise</translation>
    </message>
    <message>
        <source>Weekly r&amp;est</source>
        <translation>Repos hebdo&amp;madaire</translation>
    </message>
    <message>
        <source>A value of 0:00 leaves its rule out. The rules only warn, as this program reads the law texts; they are no legal advice. The manual names their sources and what the check cannot know.</source>
        <translation>Une valeur de 0:00 écarte sa règle. Les règles ne font qu&apos;avertir, selon la lecture que ce programme fait des textes de loi ; elles ne sont pas un conseil juridique. Le manuel en donne les sources et ce que la vérification ne peut pas savoir.</translation>
    </message>
    <message>
        <source>from</source>
        <translation>dès</translation>
    </message>
    <message>
        <source>for more than</source>
        <translation>pour plus de</translation>
    </message>
    <message>
        <source>Workin&amp;g Time</source>
        <translation>Repos et ma&amp;xima</translation>
    </message>
    <message>
        <source>Brea&amp;k</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Longer break</source>
        <translation>Pause plus lon&amp;gue</translation>
    </message>
</context>
<context>
    <name>TRegistryManager</name>
    <message>
        <source>Hourframe cannot save its settings.
%1
Settings you change apply until Hourframe ends.</source>
        <translation>Hourframe ne peut pas enregistrer ses réglages.
%1
Ce que vous modifiez reste valable jusqu&apos;à la fermeture de Hourframe.</translation>
    </message>
    <message>
        <source>no settings key is open</source>
        <translation>aucune clé de réglages n&apos;est ouverte</translation>
    </message>
    <message>
        <source>Hourframe could not read its settings file %1 and has kept it as %2. The settings start again from their defaults.</source>
        <translation>Hourframe n&apos;a pas pu lire son fichier de réglages %1 et l&apos;a conservé sous le nom %2. Les réglages repartent de leurs valeurs par défaut.</translation>
    </message>
</context>
<context>
    <name>TReportForm</name>
    <message>
        <source>Hourframe Report</source>
        <translation>Hourframe – Rapport</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save report to file</source>
        <translation>Enregistrer le rapport dans un fichier</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Copy to clip&amp;board</source>
        <translation>Copier dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Copy report to clipboard</source>
        <translation>Copier le rapport dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>Print set&amp;up...</source>
        <translation>Configurer l&apos;i&amp;mpression...</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurer l&apos;impression</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>The report could not be printed</source>
        <translation>Le rapport n&apos;a pas pu être imprimé</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Printing Report</source>
        <translation>Impression du rapport</translation>
    </message>
</context>
<context>
    <name>TReportOptionsForm</name>
    <message>
        <source>Hourframe Report Options</source>
        <translation>Hourframe – Options du rapport</translation>
    </message>
    <message>
        <source> Report Dates </source>
        <translation> Période du rapport </translation>
    </message>
    <message>
        <source> Blank Days </source>
        <translation> Jours sans heures </translation>
    </message>
    <message>
        <source> Statistics </source>
        <translation> Statistiques </translation>
    </message>
    <message>
        <source>Calculate &amp;total hours</source>
        <translation>Calculer le &amp;total des heures</translation>
    </message>
    <message>
        <source>Calculate &amp;average hours</source>
        <translation>Calculer la &amp;moyenne des heures</translation>
    </message>
    <message>
        <source>Show &amp;balance</source>
        <translation>Afficher le &amp;solde</translation>
    </message>
</context>
<context>
    <name>TTargetHistoryList</name>
    <message>
        <source>History of the targets</source>
        <translation>Historique des objectifs</translation>
    </message>
    <message>
        <source>From</source>
        <translation>À partir du</translation>
    </message>
    <message>
        <source>Weekly target</source>
        <translation>Objectif hebdomadaire</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Supprim&amp;er</translation>
    </message>
    <message>
        <source>The start</source>
        <translation>Le début</translation>
    </message>
    <message>
        <source>New targets</source>
        <translation>Nouveaux objectifs</translation>
    </message>
    <message>
        <source>From which date do the new targets apply?</source>
        <translation>À partir de quelle date les nouveaux objectifs s&apos;appliquent-ils ?</translation>
    </message>
</context>
<context>
    <name>TTimeEdit</name>
    <message>
        <source>%1 cannot be held as a time in minutes</source>
        <translation>%1 ne peut pas être conservé comme une durée en minutes</translation>
    </message>
</context>
<context>
    <name>TTimeRecorder</name>
    <message>
        <source>%1 is not a valid day number</source>
        <translation>%1 n&apos;est pas un numéro de jour valide</translation>
    </message>
    <message>
        <source>%1 is outside the days a data file can hold, %2 to %3</source>
        <translation>%1 est en dehors des jours que peut contenir un fichier de données (du %2 au %3)</translation>
    </message>
    <message>
        <source>The document cannot hold more days</source>
        <translation>Le document ne peut pas contenir plus de jours</translation>
    </message>
    <message>
        <source>Cannot save a document that has no file name</source>
        <translation>Impossible d&apos;enregistrer un document sans nom de fichier</translation>
    </message>
    <message>
        <source>Day record index %1 is out of range</source>
        <translation>L&apos;entrée de jour numéro %1 est hors limites</translation>
    </message>
</context>
<context>
    <name>TWeekGrid</name>
    <message>
        <source>Arrive</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Depart</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Suppl.</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Week &amp;beginning</source>
        <translation>&amp;Semaine du</translation>
    </message>
    <message>
        <source>Previous Week</source>
        <translation>Semaine précédente</translation>
    </message>
    <message>
        <source>Next Week</source>
        <translation>Semaine suivante</translation>
    </message>
    <message>
        <source>Weekly hours</source>
        <translation>Heures de la semaine</translation>
    </message>
    <message>
        <source>Hours short</source>
        <translation>Heures manquantes</translation>
    </message>
    <message>
        <source>Hours extra</source>
        <translation>Heures en plus</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Shortfall</source>
        <translation>Heures manquantes</translation>
    </message>
    <message>
        <source>The time you arrived, such as 830 for 08:30</source>
        <translation>Votre heure d&apos;arrivée, par exemple 830 pour 08:30</translation>
    </message>
    <message>
        <source>The time you left, such as 1715 for 17:15</source>
        <translation>Votre heure de départ, par exemple 1715 pour 17:15</translation>
    </message>
    <message>
        <source>The length of the lunch break, such as 30 for 00:30 or 1: for 01:00</source>
        <translation>La durée de la pause de midi, par exemple 30 pour 00:30 ou 1: pour 01:00</translation>
    </message>
    <message>
        <source>Hours worked beyond arrival and departure</source>
        <translation>Heures travaillées en dehors de l&apos;arrivée et du départ</translation>
    </message>
    <message>
        <source>Holiday hours taken</source>
        <translation>Heures de congé prises</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a weekday and a row of the sheet: Monday, Arrive</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No comment</source>
        <translation>Aucun commentaire</translation>
    </message>
    <message>
        <source>C</source>
        <comment>the caption of a day&apos;s comment button when the day has a comment</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Leave at</source>
        <translation>Départ à</translation>
    </message>
    <message>
        <source>&amp;Previous Week</source>
        <translation>Semaine &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>Semaine &amp;suivante</translation>
    </message>
    <message>
        <source>%1, breaks a working-time rule</source>
        <translation>%1, enfreint une règle du temps de travail</translation>
    </message>
</context>
<context>
    <name>TWeekSheet</name>
    <message>
        <source>The week of %1 is outside the days a data file can hold, %2 to %3</source>
        <translation>La semaine du %1 est en dehors des jours que peut contenir un fichier de données (du %2 au %3)</translation>
    </message>
    <message>
        <source>%1

Hourframe goes on without public holidays.</source>
        <translation>%1

Hourframe continue sans jours fériés.</translation>
    </message>
    <message>
        <source>(today: %1 so far)</source>
        <translation>(aujourd&apos;hui : %1 pour l&apos;instant)</translation>
    </message>
    <message>
        <source>(zero balance at %1)</source>
        <translation>(solde nul à %1)</translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>%1 is not a valid time</source>
        <translation>%1 n&apos;est pas une heure valide</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>%1 minutes cannot be shown as a clock time</source>
        <translation>%1 minutes ne peuvent pas être affichées comme une heure</translation>
    </message>
</context>
<context>
    <name>Vacation</name>
    <message>
        <source>%1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
</context>
<context>
    <name>WorkingTimeRules</name>
    <message>
        <source>EU minimum</source>
        <translation>Minimum UE</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Rest %1 before this day, %2 required</source>
        <translation>Repos de %1 avant ce jour, %2 requis</translation>
    </message>
    <message>
        <source>Break %1 on %2 of work, %3 required</source>
        <translation>Pause de %1 pour %2 de travail, %3 requise</translation>
    </message>
    <message>
        <source>Work %1 on this day, %2 at most</source>
        <translation>Travail de %1 ce jour, %2 au plus</translation>
    </message>
    <message>
        <source>Longest rest %1 in the week to this day, %2 required</source>
        <translation>Plus long repos de %1 dans la semaine jusqu&apos;à ce jour, %2 requis</translation>
    </message>
    <message>
        <source>Work %1 in the week to this day, %2 at most</source>
        <translation>Travail de %1 dans la semaine jusqu&apos;à ce jour, %2 au plus</translation>
    </message>
    <message>
        <source>Work %1 a week on average over the %2 weeks to this day, %3 at most</source>
        <translation>Travail de %1 par semaine en moyenne sur les %2 semaines jusqu&apos;à ce jour, %3 au plus</translation>
    </message>
</context>
</TS>
