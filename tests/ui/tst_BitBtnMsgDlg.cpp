#include "support/ScriptedPresenter.h"
#include "ui/BitBtnMsgDlg.h"
#include "ui/MainWindow.h"
#include "ui/Presenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TMsgDlgType)
Q_DECLARE_METATYPE(TMsgDlgButtons)
Q_DECLARE_METATYPE(TMsgDlgBtn)

class TestMessageBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Hourframe")); }

    void captions_data()
    {
        QTest::addColumn<TMsgDlgType>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hasIcon");
        QTest::newRow("warning") << mtWarning << u"Warning"_s << true;
        QTest::newRow("error") << mtError << u"Error"_s << true;
        QTest::newRow("information") << mtInformation << u"Information"_s << true;
        QTest::newRow("confirmation") << mtConfirmation << u"Confirm"_s << true;
        QTest::newRow("custom") << mtCustom << u"Hourframe"_s << false;
    }

    void captions()
    {
        QFETCH(TMsgDlgType, kind);
        QFETCH(QString, caption);
        QFETCH(bool, hasIcon);
        TMessageForm box(QStringLiteral("Text"), kind, mbOK);
        QCOMPARE(box.windowTitle(), caption);
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("Image")) != nullptr, hasIcon);
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("Message"))->text(), QStringLiteral("Text"));
    }

    // The combinations the application uses, and what Enter and Escape answer.
    void defaultAndCancel_data()
    {
        QTest::addColumn<TMsgDlgButtons>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<TMsgDlgBtn>("enter");
        QTest::addColumn<TMsgDlgBtn>("escape");
        QTest::newRow("Yes No Cancel")
            << TMsgDlgButtons(mbYes | mbNo | mbCancel) << QStringList { u"&Yes"_s, u"&No"_s, u"Cancel"_s }
            << mbYes << mbCancel;
        QTest::newRow("Yes No") << TMsgDlgButtons(mbYes | mbNo) << QStringList { u"&Yes"_s, u"&No"_s }
                                << mbYes << mbNo;
        QTest::newRow("OK") << TMsgDlgButtons(mbOK) << QStringList { u"OK"_s } << mbOK << mbOK;
        QTest::newRow("Retry Cancel") << TMsgDlgButtons(mbRetry | mbCancel)
                                      << QStringList { u"Cancel"_s, u"&Retry"_s } << mbRetry << mbCancel;
    }

    void defaultAndCancel()
    {
        QFETCH(TMsgDlgButtons, buttons);
        QFETCH(QStringList, captions);
        QFETCH(TMsgDlgBtn, enter);
        QFETCH(TMsgDlgBtn, escape);

        TMessageForm box(QStringLiteral("Question?"), mtWarning, buttons);
        QStringList shown;
        int width = -1;
        for (QAbstractButton *b : box.findChildren<QAbstractButton *>()) {
            shown << b->text();
            if (width >= 0)
                QCOMPARE(b->width(), width); // equally wide buttons
            width = b->width();
        }
        QCOMPARE(shown, captions);
        QCOMPARE(box.DefaultButton(), enter);
        QCOMPARE(box.CancelButton(), escape);

        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QCOMPARE(box.Result(), escape);

        TMessageForm second(QStringLiteral("Question?"), mtWarning, buttons);
        second.show();
        QTest::keyClick(&second, Qt::Key_Return);
        QCOMPARE(second.Result(), enter);
    }

    void clickingAButtonAnswersWithIt()
    {
        TMessageForm box(QStringLiteral("Save?"), mtWarning, mbYes | mbNo | mbCancel);
        box.show();
        QTest::mouseClick(box.button(mbNo), Qt::LeftButton);
        QCOMPARE(box.Result(), mbNo);
        QVERIFY(!box.isVisible());
    }

    // Also while another window is active, as just after a file dialog closed.
    void boxIsCentredOnTheMainWindow()
    {
        QMainWindow main;
        main.setGeometry(20, 30, 300, 200);
        SetMainWindow(&main);
        main.show();
        QWidget other;
        other.setGeometry(420, 320, 200, 150);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QPoint centre;
        QTimer::singleShot(0, this, [&centre] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                centre = box->frameGeometry().center();
                box->close();
            }
        });
        TDesktopPresenter().MessageBox(u"Save data before loading?"_s, mtWarning, mbYes | mbNo);
        QVERIFY((centre - main.frameGeometry().center()).manhattanLength() <= 2);
        SetMainWindow(nullptr);
    }

    void longLinesKeepNamesWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("times"); // the name appears unbroken
        const QString path = u"/home/ann/My Documents/Timesheets/missing-week.hf"_s;
        QTest::newRow("path") << u"Unable to open file "_s + path
                + u"\rDo you want to try to find it yourself?"_s
                              << path << 1;
        QTest::newRow("path wider than the screen")
            << u"Cannot write "_s + u"/a-folder-name"_s.repeated(60) + u": disk full"_s << u"a-folder-name"_s
            << 60;
        QTest::newRow("long sentence") << u"a-word-of-text "_s.repeated(80) << u"a-word-of-text"_s << 80;
    }

    void longLinesKeepNamesWhole()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(int, times);
        TMessageForm box(text, mtError, mbOK);
        box.show();
        const auto *message = box.findChild<QLabel *>(u"Message"_s);
        for (const QString &line : message->text().split(u'\n'))
            QVERIFY2(message->fontMetrics().horizontalAdvance(line) <= message->contentsRect().width(),
                qPrintable(line));
        QCOMPARE(message->text().count(name), times);
        QVERIFY(box.frameGeometry().width() <= box.screen()->availableGeometry().width());
    }

    void showMessageBoxGoesThroughThePresenter()
    {
        ScriptedPresenter script;
        TScopedPresenter installed(script);
        script.answers.enqueue(mbNo);
        QCOMPARE(ShowMessageBox(QStringLiteral("Really?"), mtError, mbYes | mbNo), mbNo);
        QCOMPARE(script.questions.size(), 1);
        QCOMPARE(script.questions[0].text, QStringLiteral("Really?"));
        QCOMPARE(script.questions[0].kind, mtError);
        QCOMPARE(script.questions[0].buttons, TMsgDlgButtons(mbYes | mbNo));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_BitBtnMsgDlg.moc"
