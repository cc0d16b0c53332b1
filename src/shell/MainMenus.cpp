#include "shell/MainFrm.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "week/WeekSheet.h"

// The window's menus and the keys that reach them when the menu bar is hidden.

void TMainForm::CreateMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnFile"));
    file->addActions({ acNew, acLoad, acSave, acSaveAs, acExport });
    file->addSeparator();
    file->addAction(acHideForm);
    m_exitSeparator = file->addSeparator();
    file->addAction(acExit);

    m_showMenu = new QMenu(tr("&Show"), this);
    m_showMenu->setObjectName(QStringLiteral("mnShow"));
    m_showMenu->addActions({ acShowMenu, acShowToolbar });
    m_showMenu->addSeparator();
    m_showMenu->addActions({ acShowLunchTime, acShowExtraHours, acShowHols, acShowDailyDeviation,
        acShowWeeklyDeviation, acShowComment, acShowBalance, acShowLeaveAt });

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnView"));
    view->addActions({ acReport, acChart });
    view->addMenu(m_showMenu);
    view->addSeparator();
    view->addAction(acOptions);

    // The week buttons take no focus and the current time is a toolbar
    // button: this menu is their way from the keyboard.
    QMenu *week = menuBar()->addMenu(tr("&Week"));
    week->setObjectName(QStringLiteral("mnWeek"));
    week->addActions({ acPreviousWeek, acNextWeek });
    week->addSeparator();
    week->addAction(acTimeNow);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnHelp"));
    help->addAction(acHelp);
    help->addSeparator();
    help->addActions({ acGoToHomePage, acGoToOrvaneSoftwareWebsite });

    // The window's pop-up menu is the way back to the menu bar when it is
    // hidden: a right click, or the Menu key and Shift+F10 as on every
    // desktop. Over a field these keys would open only the field's own
    // Undo and Copy menu; the mouse still opens that one.
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("puWindow"));
    m_popupMenu->addAction(acOptions);
    m_popupMenu->addMenu(m_showMenu);
    for (const QKeySequence &key : { QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10) })
        connect(new QShortcut(key, this), &QShortcut::activated, this, &TMainForm::PopupFromKeyboard);
    // On X the Menu key arrives as a context menu event for the focused
    // field before it arrives as a key.
    for (QLineEdit *edit : m_weekSheet->findChildren<QLineEdit *>())
        edit->installEventFilter(this);
    // The menu bar takes the focus while it is worked from the keyboard; the
    // Week menu's commands act on the field that had it.
    m_focusWatch = connect(
        qApp, &QApplication::focusChanged, this, [this, bar = menuBar()](QWidget *old, QWidget *now) {
            if (now == bar && old && old->window() == this)
                m_focusBeforeMenuBar = old;
        });

    // A hidden menu bar takes its accelerators with it; these keep Alt and
    // a title's letter opening its menu, over the sheet's corner.
    for (QAction *title : menuBar()->actions()) {
        auto *key = new QShortcut(QKeySequence::mnemonic(title->text()), this);
        key->setEnabled(false);
        connect(key, &QShortcut::activated, this,
            [this, title] { title->menu()->popup(centralWidget()->mapToGlobal(QPoint(0, 0))); });
        m_hiddenMenuKeys << key;
    }

    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("puTray"));
    m_trayMenu->addActions({ acShowForm, acHideForm });
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(acExit);
}

QWidget *TMainForm::WorkingFocus() const
{
    QWidget *focused = focusWidget();
    return focused == menuBar() && m_focusBeforeMenuBar ? m_focusBeforeMenuBar.data() : focused;
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        PopupFromKeyboard();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        PopupFromKeyboard();
    else
        m_popupMenu->popup(event->globalPos());
}

void TMainForm::PopupFromKeyboard()
{
    const QWidget *focused = WorkingFocus();
    const QPoint at = focused ? focused->mapToGlobal(QPoint(0, focused->height()))
                              : centralWidget()->mapToGlobal(QPoint(0, 0));
    m_popupMenu->popup(at);
}
