#include "core/Errors.h"
#include "shell/Application.h"
#include "support/ScriptedPresenter.h"

#include <QEvent>
#include <QTest>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Throws from its event handler what the test gives it.
class Thrower : public QObject {
public:
    std::function<void()> fail;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        fail();
        return true;
    }
};

} // namespace

// A failure no command handled ends the event, not the program, and reaches
// the user as every such failure does: in the general error report.
class TestApplication : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failureInAnEventIsReported_data()
    {
        QTest::addColumn<std::function<void()>>("fail");
        QTest::addColumn<QString>("reported");
        QTest::newRow("our own") << std::function<void()>([] { throw IoError(u"Disk full"_s); })
                                 << u"Disk full"_s;
        QTest::newRow("any other") << std::function<void()>([] {
            throw std::runtime_error("vector index out of range");
        }) << u"vector index out of range"_s;
        QTest::newRow("none") << std::function<void()>([] {}) << QString();
    }

    void failureInAnEventIsReported()
    {
        QFETCH(std::function<void()>, fail);
        QFETCH(QString, reported);
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        Thrower thrower;
        thrower.fail = fail;
        QEvent event(QEvent::User);
        const bool handled = QCoreApplication::sendEvent(&thrower, &event);
        QCOMPARE(presenter.errors, reported.isEmpty() ? QStringList() : QStringList { reported });
        QCOMPARE(handled, reported.isEmpty());
    }
};

int main(int argc, char **argv)
{
    THourframeApplication application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Application.moc"
