#pragma once

#include "settings/VersionData.h"

#include <QAction>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

// The maker's site of a product page: the scheme, two slashes, the host and
// a closing slash ("https://example.org/" of "https://example.org/a/b").
// Empty when the address holds no "/".
QString SiteRoot(const QString &url);

// Sets up the two web commands of the Help menu from the version data's web
// address: the product's home page and the maker's site. Both are hidden
// while the address is empty. Opening a page goes to the desktop's browser;
// a page that cannot be opened is not reported.
class TGoToWebsite : public QObject {
    Q_OBJECT

public:
    // The version data defaults to the first TVersionData among the owner's children.
    explicit TGoToWebsite(QObject *owner);

    QAction *ActionHomePage() const { return m_actionHomePage; }
    void SetActionHomePage(QAction *action);
    QAction *ActionOrvaneSoftwareWebsite() const { return m_actionWebsite; }
    void SetActionOrvaneSoftwareWebsite(QAction *action);
    TVersionData *VersionData() const { return m_versionData; }
    void SetVersionData(TVersionData *versionData);

    // The owner has been built: set up both commands.
    void Loaded();

    void GoToHomePage();
    void GoToOrvaneSoftwareWebsite();

private:
    QString Url() const;
    void SetUpHomePage();
    void SetUpWebsite();

    QPointer<QAction> m_actionHomePage;
    QPointer<QAction> m_actionWebsite;
    QPointer<TVersionData> m_versionData;
    QMetaObject::Connection m_homePageExecute;
    QMetaObject::Connection m_websiteExecute;
    bool m_loading = true;
};
