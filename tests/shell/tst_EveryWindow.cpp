#include "chart/ChartFrm.h"
#include "chart/ChartOptionsFrm.h"
#include "core/TimeRecorder.h"
#include "export/ExportOptionsFrm.h"
#include "report/ReportFrm.h"
#include "report/ReportOptionsFrm.h"
#include "settings/DataMod.h"
#include "settings/PreferencesFrm.h"
#include "shell/CommentFrm.h"
#include "shell/MainFrm.h"
#include "shell/MergeFrm.h"
#include "support/WindowTestEnvironment.h"
#include "ui/DateEdit.h"
#include "ui/NamedWidgets.h"
#include "ui/Printers.h"
#include "ui/TimeEdit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Regional::Settings)

namespace {

// Monday 7 December 2026, arrived at 8:00 here and at 9:00 in the file.
DayConflict Conflict()
{
    DayRecord mine, theirs;
    mine.Date = theirs.Date = 46363;
    mine.Arrive = 480;
    theirs.Arrive = 540;
    return { mine.Date, { mine }, { theirs } };
}

// Every window of the program, as the user opens it, with the settings and
// the store it needs.
struct Windows {
    TData data;
    TTimeRecorder store;
    TScopedPrinterCheck printers { false };

    std::unique_ptr<QWidget> open(const QString &window)
    {
        const std::map<QString, std::function<QWidget *()>> windows {
            { u"main"_s, [&] { return new TMainForm(data, {}); } },
            { u"Preferences"_s, [&] { return new TPreferencesForm(data); } },
            { u"report options"_s, [&] { return new TReportOptionsForm(data, &store); } },
            { u"export options"_s, [&] { return new TExportOptionsForm(data, &store); } },
            { u"report"_s, [&] { return new TReportForm(data, &store); } },
            { u"comment"_s, [&] { return new TCommentForm(data); } },
            { u"chart options"_s, [&] { return new TChartOptionsForm(data, &store); } },
            { u"chart"_s, [&] { return new TChartForm(data, &store); } },
            { u"merge"_s, [&] { return new TMergeForm({ Conflict() }, u"week.hf"_s); } },
        };
        std::unique_ptr<QWidget> widget(windows.at(window)());
        widget->show();
        return widget;
    }
};

const QStringList AllWindows { u"main"_s, u"Preferences"_s, u"report options"_s, u"export options"_s,
    u"report"_s, u"comment"_s, u"chart options"_s, u"chart"_s, u"merge"_s };
// The windows that end with OK or Cancel.
const QStringList Dialogs { u"Preferences"_s, u"report options"_s, u"export options"_s, u"comment"_s,
    u"chart options"_s, u"merge"_s };

// The control a keyboard focus meant for widget lands on.
QWidget *focusTarget(QWidget *widget)
{
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

// Shows the window, active as under the user's hand, and makes OK possible
// where it waits for a file name.
void activate(QWidget *window)
{
    if (auto *file = window->findChild<QLineEdit *>(u"edFilename"_s))
        file->setText(u"week.csv"_s);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QString spoken(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// What the user types into or reads a value from: every control of the
// window that takes the focus, but the parts of spin and combo boxes and the
// tab widget (its tab bar names the pages), and every time figure.
bool isInputOrResult(QWidget *window, QWidget *widget)
{
    if (qobject_cast<TTimeLabel *>(widget))
        return true;
    if (widget->focusPolicy() == Qt::NoFocus || widget->window() != window || qobject_cast<QMenu *>(widget)
        || qobject_cast<QMenuBar *>(widget) || qobject_cast<QTabWidget *>(widget))
        return false;
    QWidget *parent = widget->parentWidget();
    return !(qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent));
}

QString captionOf(QObject *object)
{
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->buddy() ? label->text() : QString();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->isCheckable() ? group->title() : QString();
    return {};
}

// The accelerators that are live together: the controls of the window
// outside its tab pages, the tab captions and the menu bar's titles, with
// those of one tab page at a time.
using Scope = QList<std::pair<QString, QString>>; // accelerator, caption

void addCaption(Scope &scope, const QString &caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty())
        scope.append({ key.toString(), caption });
}

QList<Scope> scopesOf(QWidget *window)
{
    Scope common;
    QList<QWidget *> pages;
    for (auto *tabs : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            addCaption(common, tabs->tabText(i));
            pages << tabs->widget(i);
        }
    }
    const auto onPage = [&](QWidget *widget) {
        for (QWidget *page : pages)
            if (page->isAncestorOf(widget))
                return page;
        return static_cast<QWidget *>(nullptr);
    };
    QList<Scope> scopes(pages.size() + 1);
    for (auto *widget : window->findChildren<QWidget *>()) {
        QWidget *page = onPage(widget);
        if (!widget->isVisibleTo(page ? page : window))
            continue;
        addCaption(page ? scopes[pages.indexOf(page) + 1] : common, captionOf(widget));
    }
    if (auto *bar = window->findChild<QMenuBar *>())
        for (QAction *action : bar->actions())
            addCaption(common, action->text());
    for (int i = 0; i <= pages.size(); ++i)
        scopes[i] += common;
    for (auto *menu : window->findChildren<QMenu *>()) {
        Scope items;
        for (QAction *action : menu->actions())
            if (action->isVisible())
                addCaption(items, action->text());
        scopes << items;
    }
    return scopes;
}

} // namespace

class TestEveryWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnvironment> env;

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<WindowTestEnvironment>(QDateTime(QDate(2026, 12, 7), QTime(8, 30)));
        TData previous;
        previous.SetAutoEnterTime(false);
        previous.SetShowBalance(true);
        previous.SetShowComment(true);
    }
    void cleanup() { env.reset(); }

    // A screen reader names every input and figure; some by what it says.
    // An empty control name stands for every input of the window.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        // The chart window holds a picture and commands, no input.
        for (const QString &window : AllWindows)
            if (window != u"chart")
                QTest::addRow("%s, every input", qPrintable(window)) << window << QString() << QString();
        QTest::newRow("Monday, Arrive") << u"main"_s << u"teMonArrive"_s << u"Monday, Arrive"_s;
        QTest::newRow("Sunday, Lunch") << u"main"_s << u"teSunLunch"_s << u"Sunday, Lunch"_s;
        QTest::newRow("a day's hours") << u"main"_s << u"teWedHours"_s << u"Wednesday, Hours"_s;
        QTest::newRow("Weekly hours") << u"main"_s << u"teWeeklyHours"_s << u"Weekly hours"_s;
        QTest::newRow("Balance") << u"main"_s << u"teBalance"_s << u"Balance"_s;
        QTest::newRow("week box") << u"main"_s << u"cbWeekBeginning"_s << u"Week beginning"_s;
        QTest::newRow("opening balance") << u"Preferences"_s << u"teBalanceOpening"_s << u"Opening balance"_s;
        QTest::newRow("weekly target")
            << u"Preferences"_s << u"teWeeklyTarget"_s << u"Weekly target, hours"_s;
    }

    void accessibleNames()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        Windows windows;
        const auto shown = windows.open(window);
        if (!control.isEmpty()) {
            auto *widget = shown->findChild<QWidget *>(control);
            QVERIFY2(widget, qPrintable(control));
            // An editable box has the focus in the edit inside it; the box
            // itself is named by its value on this desktop.
            if (auto *box = qobject_cast<QComboBox *>(widget); box && box->lineEdit())
                widget = box->lineEdit();
            QCOMPARE(spoken(widget), name);
            return;
        }
        QStringList unnamed;
        int inputs = 0;
        for (auto *widget : shown->findChildren<QWidget *>()) {
            if (!isInputOrResult(shown.get(), widget))
                continue;
            ++inputs;
            if (spoken(widget).trimmed().isEmpty())
                unnamed << widget->objectName() + u" ("_s
                        + QString::fromLatin1(widget->metaObject()->className()) + u')';
        }
        QVERIFY(inputs > 0);
        QVERIFY2(unnamed.isEmpty(), qPrintable(u"without a name: "_s + unnamed.join(u", "_s)));
    }

    // No two commands of a window, a tab page or a menu share an accelerator,
    // in any language.
    void accelerators_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        for (const QString &language : { u"en"_s, u"de"_s, u"fr"_s })
            for (const QString &window : AllWindows)
                QTest::addRow("%s, %s", qPrintable(window), qPrintable(language)) << window << language;
    }

    void accelerators()
    {
        QFETCH(QString, window);
        QFETCH(QString, language);
        const TestSupport::Language translation(language);
        Windows windows;
        const auto shown = windows.open(window);
        QStringList collisions;
        int keys = 0;
        for (const Scope &scope : scopesOf(shown.get())) {
            QMap<QString, QString> taken;
            for (const auto &[key, caption] : scope) {
                ++keys;
                if (taken.contains(key) && taken[key] != caption)
                    collisions << key + u": \""_s + taken[key] + u"\" and \""_s + caption + u'"';
                taken.insert(key, caption);
            }
        }
        QVERIFY(keys > 0);
        QVERIFY2(collisions.isEmpty(), qPrintable(collisions.join(u"; "_s)));
    }

    // The toolbar's buttons and the week buttons take no focus: the keyboard
    // reaches each of their commands through a menu of the menu bar, by its
    // accelerator.
    void toolbarCommandsInMenus_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("buttons"); // commands of buttons outside the toolbars
        QTest::newRow("main") << u"main"_s << QStringList { u"acPreviousWeek"_s, u"acNextWeek"_s };
        QTest::newRow("report") << u"report"_s << QStringList();
        QTest::newRow("chart") << u"chart"_s << QStringList();
    }

    void toolbarCommandsInMenus()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, buttons);
        Windows windows;
        const auto shown = windows.open(window);
        QSet<QAction *> inMenus;
        for (QAction *title : shown->findChild<QMenuBar *>()->actions())
            for (QAction *action : title->menu()->actions())
                if (!QKeySequence::mnemonic(action->text()).isEmpty())
                    inMenus << action;
        QList<QAction *> commands;
        for (auto *toolbar : shown->findChildren<QToolBar *>())
            for (QAction *action : toolbar->actions())
                if (!action->isSeparator() && !qobject_cast<QWidgetAction *>(action))
                    commands << action;
        for (const QString &name : buttons)
            commands << shown->findChild<QAction *>(name);
        for (QAction *action : commands)
            QVERIFY2(action && inMenus.contains(action), qPrintable(action ? action->text() : u"?"_s));
    }

    // Tab reaches OK and Cancel from every dialog and every Preferences page.
    void okAndCancelByTab_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("page"); // of a tabbed dialog; -1 for none
        for (const QString &window : Dialogs)
            if (window != u"Preferences")
                QTest::newRow(qPrintable(window)) << window << -1;
        Windows windows;
        const auto preferences = windows.open(u"Preferences"_s);
        auto *pages = preferences->findChild<QTabWidget *>();
        for (int page = 0; page < pages->count(); ++page)
            QTest::addRow("Preferences, %s", qPrintable(AccessibleText(pages->tabText(page))))
                << u"Preferences"_s << page;
    }

    void okAndCancelByTab()
    {
        QFETCH(QString, window);
        QFETCH(int, page);
        Windows windows;
        const auto shown = windows.open(window);
        activate(shown.get());
        if (page >= 0) {
            auto *pages = shown->findChild<QTabWidget *>();
            pages->setCurrentIndex(page);
            pages->tabBar()->setFocus(Qt::TabFocusReason);
        }
        QSet<QString> reached;
        for (int tab = 0; tab < 80 && !(reached.contains(u"btOk"_s) && reached.contains(u"btCancel"_s));
             ++tab) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::keyClick(focused, Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QVERIFY2(reached.contains(u"btOk"_s), qPrintable(QStringList(reached.values()).join(u", "_s)));
        QVERIFY(reached.contains(u"btCancel"_s));
    }

    // Every accelerator of a label or a check box lands on a visible, enabled
    // control that takes the focus: its buddy or itself. A control that is
    // disabled at the moment is left out, as its accelerator does nothing.
    void acceleratorsLand_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        for (const QString &language : { u"en"_s, u"de"_s, u"fr"_s })
            for (const QString &window : { u"main"_s, u"Preferences"_s, u"report options"_s,
                     u"export options"_s, u"comment"_s, u"chart options"_s })
                QTest::addRow("%s, %s", qPrintable(window), qPrintable(language)) << window << language;
    }

    void acceleratorsLand()
    {
        QFETCH(QString, window);
        QFETCH(QString, language);
        const TestSupport::Language translation(language);
        Windows windows;
        const auto shown = windows.open(window);
        activate(shown.get());
        auto *pages = shown->findChild<QTabWidget *>();
        QStringList astray;
        int keys = 0;
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages)
                pages->setCurrentIndex(page);
            for (auto *widget : shown->findChildren<QWidget *>()) {
                const QKeySequence key = QKeySequence::mnemonic(captionOf(widget));
                auto *label = qobject_cast<QLabel *>(widget);
                QWidget *target = label ? label->buddy() : widget;
                if (key.isEmpty() || qobject_cast<QPushButton *>(widget) || !widget->isVisible()
                    || !target->isEnabled())
                    continue;
                ++keys;
                QTest::keySequence(QApplication::focusWidget(), key);
                QWidget *focused = QApplication::focusWidget();
                if (focused != focusTarget(target) || !focused->isVisible() || !focused->isEnabled()
                    || focused->focusPolicy() == Qt::NoFocus)
                    astray << key.toString() + u" \""_s + captionOf(widget) + u"\" -> "_s
                            + (focused ? focused->objectName() : u"nothing"_s);
            }
        }
        QVERIFY(keys > 0);
        QVERIFY2(astray.isEmpty(), qPrintable(astray.join(u"; "_s)));
    }

    // The window's pop-up menu opens from the keyboard over the sheet, and
    // Alt with a menu's letter opens that menu while the menu bar is hidden.
    void menusByKeys_data()
    {
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("menu");
        const QKeySequence menuKey(Qt::Key_Menu), shiftF10(Qt::SHIFT | Qt::Key_F10);
        QTest::newRow("Menu key") << true << menuKey << u"puWindow"_s;
        QTest::newRow("Shift+F10") << true << shiftF10 << u"puWindow"_s;
        QTest::newRow("Menu key, menu bar hidden") << false << menuKey << u"puWindow"_s;
        QTest::newRow("Shift+F10, menu bar hidden") << false << shiftF10 << u"puWindow"_s;
        QTest::newRow("Alt+V, menu bar hidden") << false << QKeySequence(Qt::ALT | Qt::Key_V) << u"mnView"_s;
        QTest::newRow("Alt+W, menu bar hidden") << false << QKeySequence(Qt::ALT | Qt::Key_W) << u"mnWeek"_s;
    }

    void menusByKeys()
    {
        QFETCH(bool, menuBar);
        QFETCH(QKeySequence, key);
        QFETCH(QString, menu);
        Windows windows;
        windows.data.SetShowMenu(menuBar);
        const auto shown = windows.open(u"main"_s);
        activate(shown.get());
        auto *field = shown->findChild<QWidget *>(u"teMonArrive"_s);
        field->setFocus();
        QTest::keySequence(field, key);
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), menu);
        popup->close();
    }

    // The date fields of the report, export and balance read what is typed
    // in the regional order, as the week box does; a text that names no
    // date says why and keeps OK disabled. Today is Monday 7 December 2026.
    void typedDates_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Regional::Settings>("regional");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date"); // null: not a date
        const auto dayMonth = TestSupport::englishSettings();
        const auto monthDay = TestSupport::withDateFormat(u'/', u"M/d/yyyy"_s);
        const auto german = TestSupport::withDateFormat(u'.', u"dd.MM.yyyy"_s);
        const QString report = u"report options"_s, exporting = u"export options"_s, prefs = u"Preferences"_s;
        const QString start = u"edStartDate"_s, balance = u"edBalanceStartDate"_s;
        QTest::newRow("report, 1/11/2026")
            << report << start << dayMonth << u"1/11/2026"_s << QDate(2026, 11, 1);
        QTest::newRow("report, 30/11/2026")
            << report << start << dayMonth << u"30/11/2026"_s << QDate(2026, 11, 30);
        QTest::newRow("report, two-digit year")
            << report << start << dayMonth << u"3/11/26"_s << QDate(2026, 11, 3);
        QTest::newRow("report, month first")
            << report << start << monthDay << u"1/11/2026"_s << QDate(2026, 1, 11);
        QTest::newRow("report, 31/11/2026") << report << start << dayMonth << u"31/11/2026"_s << QDate();
        QTest::newRow("report, words") << report << start << dayMonth << u"last monday"_s << QDate();
        QTest::newRow("export, 30/11/2026")
            << exporting << start << dayMonth << u"30/11/2026"_s << QDate(2026, 11, 30);
        QTest::newRow("export, month first")
            << exporting << start << monthDay << u"11/30/26"_s << QDate(2026, 11, 30);
        QTest::newRow("export, month 13") << exporting << start << dayMonth << u"30/13/2026"_s << QDate();
        QTest::newRow("balance, 30/11/2026")
            << prefs << balance << dayMonth << u"30/11/2026"_s << QDate(2026, 11, 30);
        QTest::newRow("balance, German") << prefs << balance << german << u"1.11.26"_s << QDate(2026, 11, 1);
        QTest::newRow("balance, 29/2/2026") << prefs << balance << dayMonth << u"29/2/2026"_s << QDate();
    }

    void typedDates()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(Regional::Settings, regional);
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        const Regional::Override format(regional);
        Windows windows;
        const auto shown = windows.open(window);
        if (auto *fromFirstDay = shown->findChild<QCheckBox *>(u"ckBalanceFromFirstDay"_s))
            fromFirstDay->click();
        if (auto *file = shown->findChild<QLineEdit *>(u"edFilename"_s))
            file->setText(u"week.csv"_s);
        auto *edit = shown->findChild<TDateEdit *>(field);
        edit->LineEdit()->setFocus();
        edit->LineEdit()->selectAll();
        QTest::keyClicks(edit->LineEdit(), typed);
        QCOMPARE(edit->date(), date);
        QCOMPARE(edit->Problem().isEmpty(), date.isValid());
        QCOMPARE(shown->findChild<QPushButton *>(u"btOk"_s)->isEnabled(), date.isValid());
        // The period box names no period the dates are not.
        if (auto *period = shown->findChild<QComboBox *>(u"cbPeriod"_s); period && date.isValid())
            QCOMPARE(period->currentText(), QString());
    }

    // Under any style the sheet holds all its fields, each as wide as the
    // style needs to show "00:00" and the week box its date, and keeps the
    // height it has under Fusion.
    void sheetFitsEveryStyle_data()
    {
        QTest::addColumn<QString>("style");
        for (const QString &style : { u"Fusion"_s, u"Windows"_s, u"Adwaita"_s, u"Adwaita-Dark"_s })
            QTest::newRow(qPrintable(style)) << style;
    }

    void sheetFitsEveryStyle()
    {
        QFETCH(QString, style);
        const QString before = QApplication::style()->name();
        const auto restore = qScopeGuard([&] { QApplication::setStyle(before); });
        int fusionHeight = 0;
        for (const QString &name : { u"Fusion"_s, style }) {
            if (!QApplication::setStyle(name))
                QSKIP("the style is not installed");
            Windows windows;
            const auto shown = windows.open(u"main"_s);
            auto *sheet = shown->findChild<QWidget *>(u"WeekSheet"_s);
            fusionHeight = fusionHeight == 0 ? sheet->height() : fusionHeight;
            for (auto *field : sheet->findChildren<TTimeEdit *>()) {
                QVERIFY2(sheet->rect().contains(field->geometry()), qPrintable(field->objectName()));
                QVERIFY(field->width() >= field->fontMetrics().horizontalAdvance(u"00:00"_s));
            }
            auto *weekBox = sheet->findChild<QComboBox *>(u"cbWeekBeginning"_s);
            QVERIFY(weekBox->width() >= weekBox->minimumSizeHint().width());
            QCOMPARE(sheet->height(), fusionHeight);
        }
    }
};

QTEST_MAIN(TestEveryWindow)
#include "tst_EveryWindow.moc"
