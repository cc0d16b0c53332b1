#include "settings/RegMgr.h"
#include "shell/SaveForm.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TScreenLayout)

namespace {

const TScreenLayout SingleScreen { QRect(0, 0, 1920, 1080), { QRect(0, 0, 1920, 1080) },
    QRect(0, 0, 1920, 1040) };
// A tall primary monitor and a smaller one to its right: below the smaller
// one lies a gap inside the desktop.
const TScreenLayout TwoScreens { QRect(0, 0, 3200, 1080),
    { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024) }, QRect(0, 0, 1920, 1040) };
// A second monitor left of the primary one, at negative coordinates.
const TScreenLayout LeftOfPrimary { QRect(-1280, 0, 3200, 1080),
    { QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024) }, QRect(0, 0, 1920, 1040) };

} // namespace

class TestSaveForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::TemporaryHome> home;
    std::unique_ptr<TRegistryManager> registry;
    std::unique_ptr<QWidget> window;

    // A window named like the main window, at its design position.
    TSaveFormPosition *watch(bool fixedSize = true)
    {
        window = std::make_unique<QWidget>();
        window->setObjectName(u"MainForm"_s);
        window->resize(375, 322);
        if (fixedSize)
            window->setFixedSize(window->size());
        window->move(283, 118);
        auto *position = new TSaveFormPosition(window.get());
        position->SetRegistryManager(registry.get());
        position->Loaded();
        return position;
    }

    QString storedRect() const { return RectText(registry->ReadRect(u"MainFormWindowRect"_s, TRect())); }
    int storedState() const { return registry->ReadInteger(u"MainFormWindowState"_s, -1); }

private Q_SLOTS:
    void init()
    {
        home = std::make_unique<TestSupport::TemporaryHome>();
        registry = std::make_unique<TRegistryManager>(nullptr, home->path() + u"/store.reg"_s);
        registry->SetCompany(u"Orvane Software"_s);
        registry->SetApplicationName(u"Hourframe"_s);
    }

    void cleanup()
    {
        window.reset();
        registry.reset();
        home.reset();
    }

    void restoredGeometry_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<TScreenLayout>("screens");
        QTest::addColumn<QRect>("restored"); // null: the design position stays
        QTest::newRow("first start") << u"0,0,0,0"_s << SingleScreen << QRect();
        QTest::newRow("no width") << u"300,100,300,400"_s << SingleScreen << QRect();
        QTest::newRow("inside") << u"100,50,475,372"_s << SingleScreen << QRect(100, 50, 375, 322);
        QTest::newRow("past the right edge")
            << u"1900,100,2290,350"_s << SingleScreen << QRect(1530, 100, 390, 250);
        QTest::newRow("left of the desktop")
            << u"-500,100,-125,422"_s << SingleScreen << QRect(0, 100, 375, 322);
        QTest::newRow("past the bottom edge")
            << u"100,1000,475,1322"_s << SingleScreen << QRect(100, 758, 375, 322);
        QTest::newRow("larger than the desktop")
            << u"-10,-10,2000,1200"_s << SingleScreen << QRect(0, 0, 2010, 1210);
        QTest::newRow("on the second monitor")
            << u"2000,100,2375,422"_s << TwoScreens << QRect(2000, 100, 375, 322);
        QTest::newRow("in the gap below it")
            << u"2000,1050,2100,1070"_s << TwoScreens << QRect(1820, 1020, 100, 20);
        QTest::newRow("monitor at negative coordinates")
            << u"-1000,100,-625,422"_s << LeftOfPrimary << QRect(-1000, 100, 375, 322);
        QTest::newRow("monitor that is gone")
            << u"-1000,100,-625,422"_s << SingleScreen << QRect(0, 100, 375, 322);
    }

    void restoredGeometry()
    {
        QFETCH(QString, stored);
        QFETCH(TScreenLayout, screens);
        QFETCH(QRect, restored);
        const std::optional<QRect> geometry = RestoredGeometry(*ParseRectText(stored), screens);
        QCOMPARE(geometry.value_or(QRect()), restored);
    }

    // The fixed-size main window takes only its position; a window that can
    // be resized takes its size too, and a state its title bar offers.
    void restoreWhenLoaded_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<bool>("fixedSize");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("nothing stored") << QByteArray() << true << QRect(283, 118, 375, 322) << false;
        QTest::newRow("fixed size") << QByteArray("\"MainFormWindowRect\"=\"100,50,300,150\"\n") << true
                                    << QRect(100, 50, 375, 322) << false;
        QTest::newRow("sizeable") << QByteArray("\"MainFormWindowRect\"=\"100,50,300,150\"\n") << false
                                  << QRect(100, 50, 200, 100) << false;
        QTest::newRow("minimised") << QByteArray("\"MainFormWindowState\"=dword:00000001\n") << true
                                   << QRect(283, 118, 375, 322) << true;
    }

    void restoreWhenLoaded()
    {
        QFETCH(QByteArray, values);
        QFETCH(bool, fixedSize);
        QFETCH(QRect, geometry);
        QFETCH(bool, minimised);
        QFile store(registry->Registry().StorePath());
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("Windows Registry Editor Version 5.00\n\n"
                    "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\n"
            + values);
        store.close();
        watch(fixedSize);
        QCOMPARE(window->geometry(), geometry);
        QCOMPARE(window->isMinimized(), minimised);
    }

    // A drag sends many moves; the position is stored once they have
    // settled, and at once when the window closes.
    void storedWhenSettledAndAtClose()
    {
        watch();
        window->show();
        QTRY_COMPARE(storedRect(), RectText(TRect::FromGeometry(window->frameGeometry())));
        for (int x = 300; x < 330; ++x)
            window->move(x, 200);
        QCoreApplication::processEvents();
        QVERIFY(storedRect() != RectText(TRect::FromGeometry(window->frameGeometry())));
        QTRY_COMPARE(storedRect(), RectText(TRect::FromGeometry(window->frameGeometry())));

        const QString normal = storedRect();
        window->setWindowState(Qt::WindowMinimized);
        window->move(400, 400);
        window->close();
        QCOMPARE(storedState(), 1);
        QCOMPARE(storedRect(), normal);
    }

    void ownerMustBeAWindow()
    {
        QObject plain;
        QWidget parent;
        auto *child = new QWidget(&parent);
        for (QObject *owner : { &plain, static_cast<QObject *>(child) }) {
            try {
                TSaveFormPosition position(owner);
                QFAIL("no error");
            } catch (const EOwnerNotForm &error) {
                QCOMPARE(error.message(), u"TSaveFormPosition must be owned by a TForm"_s);
            }
        }
    }
};

QTEST_MAIN(TestSaveForm)
#include "tst_SaveForm.moc"
