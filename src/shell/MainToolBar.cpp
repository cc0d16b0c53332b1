#include "shell/MainFrm.h"
#include "ui/Images.h"
#include "ui/StatusLabel.h"

#include <QAction>
#include <QToolBar>

#include <utility>

// The window's toolbar and the images of its commands.

void TMainForm::CreateToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setFixedHeight(ToolBarHeight);
    m_toolBar->toggleViewAction()->setVisible(false);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->addActions({ acLoad, acSave });
    m_toolBar->addSeparator();
    m_toolBar->addActions({ acOptions, acReport, acChart, acExport });
    m_toolBar->addSeparator();
    m_toolBar->addAction(acTimeNow);
    m_toolBar->addSeparator();
    m_toolBar->addActions({ acHideForm, acExit });
    m_status = new TStatusLabel(m_toolBar);
    m_status->setObjectName(QStringLiteral("laFileStatus"));
    m_toolBar->addWidget(m_status);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void TMainForm::LoadActionImages()
{
    const std::pair<const char *, QAction *> images[] = {
        { "EXIT", acExit },
        { "HIDEFORM", acHideForm },
        { "OPEN", acLoad },
        { "NEW", acNew },
        { "PREFERENCES", acOptions },
        { "REPORT", acReport },
        { "CHART", acChart },
        { "SAVE", acSave },
        { "EXPORT", acExport },
        { "SHOWFORM", acShowForm },
        { "MENU", acShowMenu },
        { "SHOWTOOLBAR", acShowToolbar },
        { "CLOCK", acTimeNow },
        { "HELP", acHelp },
    };
    // A command whose image is missing goes without one (a null icon).
    for (const auto &[name, action] : images)
        action->setIcon(CommandIcon(QString::fromLatin1(name)));
}
