#include "help/GoToWebsite.h"
#include "help/HelpFile.h"
#include "settings/VersionData.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

// Takes the place of the desktop's browser.
class Browser : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

class TestGoToWebsite : public QObject {
    Q_OBJECT

    Browser browser;

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &scheme : { u"https"_s, u"http"_s, u"file"_s })
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
    }

    void cleanupTestCase()
    {
        for (const QString &scheme : { u"https"_s, u"http"_s, u"file"_s })
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void init() { browser.opened.clear(); }

    void siteRoot_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("root");
        QTest::newRow("path ending in /")
            << u"https://www.example.org/hourframe/"_s << u"https://www.example.org/"_s;
        QTest::newRow("path not ending in /")
            << u"https://www.example.org/products/hourframe.html"_s << u"https://www.example.org/"_s;
        QTest::newRow("site root") << u"http://example.org/"_s << u"http://example.org/"_s;
        QTest::newRow("no /") << u"example.org"_s << QString();
    }

    void siteRoot()
    {
        QFETCH(QString, url);
        QFETCH(QString, root);
        QCOMPARE(SiteRoot(url), root);
    }

    // The application's own version data carries the product page; a
    // program without a web address hides both commands.
    void commandsOpenTheProductPageAndTheSiteRoot_data()
    {
        QTest::addColumn<bool>("withAddress");
        QTest::newRow("address") << true;
        QTest::newRow("no address") << false;
    }

    void commandsOpenTheProductPageAndTheSiteRoot()
    {
        QFETCH(bool, withAddress);
        TVersionData versionData;
        if (!withAddress)
            versionData.SetFileName(QCoreApplication::applicationFilePath() + u".none"_s);
        QAction homePage;
        QAction website;
        TGoToWebsite goTo(nullptr);
        goTo.SetVersionData(&versionData);
        goTo.SetActionHomePage(&homePage);
        goTo.SetActionOrvaneSoftwareWebsite(&website);
        goTo.Loaded();
        QCOMPARE(homePage.isVisible() && website.isVisible(), withAddress);
        QCOMPARE(website.text(), u"Orvane Software &web site"_s);
        QCOMPARE(website.toolTip(), u"Show Orvane Software web site"_s);
        QVERIFY(!website.icon().isNull());
        homePage.trigger();
        website.trigger();
        if (!withAddress) {
            QVERIFY(browser.opened.isEmpty());
            return;
        }
        QCOMPARE(homePage.text(), u"Hourframe home &page"_s);
        QCOMPARE(homePage.toolTip(), u"Show Hourframe home page"_s);
        const QUrl product(versionData.VersionInfo().Url);
        QCOMPARE(browser.opened, (QList<QUrl> { product, QUrl(SiteRoot(product.toString())) }));
    }

    void helpOpensOnlyAManualThatExists()
    {
        QTemporaryDir dir;
        const QString manual = dir.filePath(u"index.html"_s);
        OpenHelpFile(manual);
        OpenHelpFile(QString());
        QVERIFY(browser.opened.isEmpty());
        QFile file(manual);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        OpenHelpFile(manual);
        QCOMPARE(browser.opened, QList<QUrl> { QUrl::fromLocalFile(manual) });
    }
};

QTEST_MAIN(TestGoToWebsite)
#include "tst_GoToWebsite.moc"
