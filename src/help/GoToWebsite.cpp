#include "help/GoToWebsite.h"

#include "settings/VersionData.h"
#include "ui/Images.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

QString SiteRoot(const QString &url)
{
    const qsizetype lastSlash = url.lastIndexOf(u'/');
    if (lastSlash < 0)
        return QString();
    // Scheme with its colon, the empty field between the two slashes, host.
    const QStringList fields = url.left(lastSlash + 1).split(u'/');
    return fields.value(0) + u'/' + fields.value(1) + u'/' + fields.value(2) + u'/';
}

TGoToWebsite::TGoToWebsite(QObject *owner)
    : QObject(owner)
{
    if (owner)
        m_versionData = owner->findChild<TVersionData *>(QString(), Qt::FindDirectChildrenOnly);
}

void TGoToWebsite::SetActionHomePage(QAction *action)
{
    m_actionHomePage = action;
    if (!m_loading)
        SetUpHomePage();
}

void TGoToWebsite::SetActionOrvaneSoftwareWebsite(QAction *action)
{
    m_actionWebsite = action;
    if (!m_loading)
        SetUpWebsite();
}

void TGoToWebsite::SetVersionData(TVersionData *versionData)
{
    m_versionData = versionData;
}

void TGoToWebsite::Loaded()
{
    m_loading = false;
    SetUpHomePage();
    SetUpWebsite();
}

QString TGoToWebsite::Url() const
{
    return m_versionData ? m_versionData->VersionInfo().Url : QString();
}

void TGoToWebsite::SetUpHomePage()
{
    QAction *action = m_actionHomePage;
    if (!action)
        return;
    action->setVisible(!Url().isEmpty());
    action->setObjectName(u"acGoToHomePage"_s);
    const QString product = m_versionData ? m_versionData->VersionInfo().ProductName : QString();
    // The accelerator is P, as without a product name: the product's first
    // letter would be H, which the Help command beside it has.
    action->setText(m_versionData ? tr("%1 home &page").arg(product) : tr("Home &page"));
    const QString hint = m_versionData ? tr("Show %1 home page").arg(product) : tr("Show home page");
    action->setToolTip(hint);
    action->setStatusTip(hint);
    disconnect(m_homePageExecute);
    m_homePageExecute = connect(action, &QAction::triggered, this, &TGoToWebsite::GoToHomePage);
    if (action->icon().isNull())
        action->setIcon(QApplication::windowIcon());
}

void TGoToWebsite::SetUpWebsite()
{
    QAction *action = m_actionWebsite;
    if (!action)
        return;
    action->setVisible(!Url().isEmpty());
    action->setObjectName(u"acGoToOrvaneSoftwareWebsite"_s);
    action->setText(tr("Orvane Software &web site"));
    action->setToolTip(tr("Show Orvane Software web site"));
    action->setStatusTip(tr("Show Orvane Software web site"));
    disconnect(m_websiteExecute);
    m_websiteExecute = connect(action, &QAction::triggered, this, &TGoToWebsite::GoToOrvaneSoftwareWebsite);
    if (action->icon().isNull())
        action->setIcon(CommandIcon(u"OrvaneSoftwareWebSite"));
}

void TGoToWebsite::GoToHomePage()
{
    if (!Url().isEmpty())
        QDesktopServices::openUrl(QUrl(Url()));
}

void TGoToWebsite::GoToOrvaneSoftwareWebsite()
{
    const QString root = SiteRoot(Url());
    if (!root.isEmpty())
        QDesktopServices::openUrl(QUrl(root));
}
