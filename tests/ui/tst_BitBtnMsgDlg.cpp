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

    // Shown while another window is active, as after a file dialog closed or
    // before the main window was first activated.
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

        QRect shownAt;
        QTimer::singleShot(0, this, [&shownAt] {
            auto *box = qobject_cast<TMessageForm *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shownAt = box->frameGeometry();
            box->button(mbNo)->click();
        });
        TDesktopPresenter desktop;
        QCOMPARE(desktop.MessageBox(u"Save data before loading?"_s, mtWarning, mbYes | mbNo), mbNo);
        QVERIFY((shownAt.center() - main.frameGeometry().center()).manhattanLength() <= 2);
        SetMainWindow(nullptr);
    }

    void longLinesWrapBetweenWordsOrAfterPathSeparators_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("whole"); // each stays on one line
        const QString path = u"/home/ann/My Documents/Timesheets/missing-week.hf"_s;
        QTest::newRow("path") << u"Unable to open file "_s + path
                + u"\rDo you want to try to find it yourself?"_s
                              << QStringList { path };
        QStringList folders;
        QString longPath;
        for (int i = 0; i < 16; ++i) {
            folders << u"folder-number-%1"_s.arg(i);
            longPath += u'/' + folders.constLast();
        }
        QTest::newRow("path wider than the screen")
            << u"Cannot write "_s + longPath + u": disk full"_s << folders;
        QStringList words;
        for (int i = 0; i < 60; ++i)
            words << u"word-%1"_s.arg(i);
        QTest::newRow("long sentence") << words.join(u' ') << words;
    }

    void longLinesWrapBetweenWordsOrAfterPathSeparators()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, whole);
        TMessageForm box(text, mtError, mbOK);
        box.show();
        const auto *message = box.findChild<QLabel *>(u"Message"_s);
        const QStringList lines = message->text().split(u'\n');
        const QFontMetrics metrics(message->font());
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= message->contentsRect().width(), qPrintable(line));
        for (const QString &piece : whole)
            QVERIFY2(
                std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.contains(piece); }),
                qPrintable(piece));
        QVERIFY(box.frameGeometry().width() <= box.screen()->availableGeometry().width());
        // Only line breaks were added, in place of a blank or after a separator.
        QCOMPARE(
            QString(message->text()).remove(u'\n').remove(u' '), QString(text).remove(u'\r').remove(u' '));
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
