#include "ui/BitBtnMsgDlg.h"
#include "support/ScriptedPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TMsgDlgType)
Q_DECLARE_METATYPE(TMsgDlgButtons)
Q_DECLARE_METATYPE(TMsgDlgBtn)

class TestMessageBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Hourframe")); }

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
