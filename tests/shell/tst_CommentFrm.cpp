#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "shell/CommentFrm.h"

#include "support/ScriptedPresenter.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestCommentForm : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Regional::Override> m_regional;
    std::unique_ptr<TestSupport::TemporaryHome> m_home;
    std::unique_ptr<TData> m_data;
    const int m_day = DayNumber::fromDate(QDate(2024, 3, 15));

    TData &data() { return *m_data; }

    template<typename T> static T *child(QWidget &form, const QString &name)
    {
        T *widget = form.findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    static QComboBox *comment(QWidget &form) { return child<QComboBox>(form, u"cbComment"_s); }
    static QLineEdit *count(QWidget &form) { return child<QLineEdit>(form, u"edNumComments"_s); }
    static QPushButton *apply(QWidget &form) { return child<QPushButton>(form, u"btApplyNumComments"_s); }
    static QPushButton *ok(QWidget &form) { return child<QPushButton>(form, u"btOk"_s); }
    static QPushButton *cancel(QWidget &form) { return child<QPushButton>(form, u"btCancel"_s); }

    static void retype(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    static QStringList items(QComboBox *box)
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }

    // A recorder holding a saved document, so that Modified starts false.
    std::unique_ptr<TTimeRecorder> savedRecorder(const QString &dayComment)
    {
        auto recorder = std::make_unique<TTimeRecorder>();
        if (!dayComment.isEmpty())
            recorder->SetComment(m_day, dayComment);
        recorder->SaveToFile(QDir(m_home->path()).filePath(u"week.hf"_s));
        return recorder;
    }

private Q_SLOTS:
    void init()
    {
        m_regional = std::make_unique<Regional::Override>(TestSupport::englishSettings());
        m_home = std::make_unique<TestSupport::TemporaryHome>();
        m_data = std::make_unique<TData>();
    }

    void cleanup()
    {
        m_data.reset();
        m_home.reset();
        m_regional.reset();
    }

    void promptNamesTheDateAfterTwoBlanks()
    {
        TCommentForm form(data());
        QCOMPARE(form.objectName(), u"CommentForm"_s);
        QCOMPARE(form.windowTitle(), u"Comment"_s);
        form.SetCommentDate(m_day);
        auto *prompt = child<QLabel>(form, u"laPrompt"_s);
        QCOMPARE(prompt->text(), u"&Enter or select a comment for:  15/03/2024"_s);
        QCOMPARE(prompt->buddy(), comment(form));
        QCOMPARE(form.CommentDate(), m_day);
    }

    void tabOrder()
    {
        TCommentForm form(data());
        const QList<QWidget *> expected { comment(form), count(form), apply(form), cancel(form), ok(form) };
        QList<QWidget *> chain;
        for (QWidget *w = comment(form); chain.size() < expected.size(); w = w->nextInFocusChain())
            if (expected.contains(w) && !chain.contains(w))
                chain << w;
        QCOMPARE(chain, expected);
        QVERIFY(ok(form)->isDefault());
    }

    void commentIsTrimmedBothWays()
    {
        TCommentForm form(data());
        form.SetCommentText(u" \t Dentist at 9 \r\n"_s);
        QCOMPARE(comment(form)->currentText(), u"Dentist at 9"_s);
        comment(form)->setEditText(u"  Team day  "_s);
        QCOMPARE(form.CommentText(), u"Team day"_s);
    }

    void historyIsCutToTheNumberOfComments()
    {
        data().SetNumberOfComments(3);
        TCommentForm form(data());
        form.SetCommentText(u"Own text"_s);
        const QStringList history { u"e"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s };
        form.SetCommentList(history);
        QCOMPARE(items(comment(form)), (QStringList { u"e"_s, u"d"_s, u"c"_s }));
        // Filling the list leaves the day's comment in the box.
        QCOMPARE(form.CommentText(), u"Own text"_s);
    }

    void countFieldEnablesOkAndApply_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<bool>("applyEnabled");

        QTest::newRow("stored value") << u"50"_s << true << false;
        QTest::newRow("another value") << u"3"_s << true << true;
        QTest::newRow("largest") << u"999"_s << true << true;
        QTest::newRow("zero") << u"0"_s << false << false;
        QTest::newRow("zeros") << u"000"_s << false << false;
        QTest::newRow("empty") << QString() << false << false;
        QTest::newRow("leading zero") << u"050"_s << true << false;
    }

    void countFieldEnablesOkAndApply()
    {
        QFETCH(QString, typed);
        QFETCH(bool, okEnabled);
        QFETCH(bool, applyEnabled);

        TCommentForm form(data());
        form.show();
        QCOMPARE(count(form)->text(), u"50"_s);
        QVERIFY(ok(form)->isEnabled());
        QVERIFY(!apply(form)->isEnabled());
        retype(count(form), typed);
        QCOMPARE(ok(form)->isEnabled(), okEnabled);
        QCOMPARE(apply(form)->isEnabled(), applyEnabled);
    }

    void countFieldTakesThreeDigitsOnly()
    {
        TCommentForm form(data());
        form.show();
        QLineEdit *field = count(form);
        field->clear();
        QTest::keyClicks(field, u"1a-2 x34"_s);
        QCOMPARE(field->text(), u"123"_s);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), u"12"_s);
        QCOMPARE(form.ReadNumberOfComments(), 12);
        field->clear();
        QCOMPARE(form.ReadNumberOfComments(), -1);
    }

    // Letters stay out whatever modifier is held; accelerators still reach the dialog.
    void countFieldWithModifiers_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("stored"); // NumberOfComments afterwards
        QTest::newRow("Alt+X") << u"7"_s << (Qt::AltModifier | Qt::Key_X).toCombined() << u"7"_s << 50;
        QTest::newRow("Meta+Z") << u"7"_s << (Qt::MetaModifier | Qt::Key_Z).toCombined() << u"7"_s << 50;
        QTest::newRow("Alt+A, Apply disabled")
            << u"50"_s << (Qt::AltModifier | Qt::Key_A).toCombined() << u"50"_s << 50;
        QTest::newRow("Alt+A applies") << u"7"_s << (Qt::AltModifier | Qt::Key_A).toCombined() << u"7"_s << 7;
    }

    void countFieldWithModifiers()
    {
        QFETCH(QString, before);
        QFETCH(int, keys);
        QFETCH(QString, after);
        QFETCH(int, stored);
        TCommentForm form(data());
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        count(form)->setFocus();
        retype(count(form), before);
        const auto combination = QKeyCombination::fromCombined(keys);
        QTest::keyClick(count(form), combination.key(), combination.keyboardModifiers());
        QCOMPARE(count(form)->text(), after);
        QTRY_COMPARE(data().NumberOfComments(), stored); // an accelerator clicks a moment later
        QVERIFY(ok(form)->isEnabled());
    }

    void applyStoresTheCountAndRefillsTheList()
    {
        TCommentForm form(data());
        form.show();
        form.SetCommentList({ u"e"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s });
        QCOMPARE(comment(form)->count(), 5);
        retype(count(form), u"2"_s);
        QTest::mouseClick(apply(form), Qt::LeftButton);
        QCOMPARE(items(comment(form)), (QStringList { u"e"_s, u"d"_s }));
        QVERIFY(!apply(form)->isEnabled());
        QCOMPARE(TData().NumberOfComments(), 2);
        QVERIFY(form.isVisible());
    }

    void emptyDayStaysEmptyOnOk()
    {
        const auto recorder = savedRecorder(QString());
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        QString shown = u"not shown"_s;
        presenter.dialogScripts.enqueue([&shown](QDialog &dialog) {
            shown = comment(dialog)->currentText();
            QTest::mouseClick(ok(dialog), Qt::LeftButton);
            return dialog.result();
        });
        QString newComment = u"untouched"_s;
        QVERIFY(EditDayComment(nullptr, data(), *recorder, m_day, QString(), &newComment));
        QCOMPARE(shown, QString());
        QCOMPARE(newComment, QString());
        QCOMPARE(recorder->GetComment(m_day), QString());
        QVERIFY(!recorder->Modified());
        QVERIFY(!presenter.unexpected);
    }

    void clearingRemovesTheComment()
    {
        const auto recorder = savedRecorder(u"Dentist"_s);
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        QString shown;
        presenter.dialogScripts.enqueue([&shown](QDialog &dialog) {
            shown = comment(dialog)->currentText();
            comment(dialog)->lineEdit()->selectAll();
            QTest::keyClick(comment(dialog)->lineEdit(), Qt::Key_Delete);
            QTest::mouseClick(ok(dialog), Qt::LeftButton);
            return dialog.result();
        });
        QString newComment;
        QVERIFY(EditDayComment(nullptr, data(), *recorder, m_day, u"Dentist"_s, &newComment));
        QCOMPARE(shown, u"Dentist"_s);
        QCOMPARE(newComment, QString());
        QCOMPARE(recorder->GetComment(m_day), QString());
        QVERIFY(recorder->Modified());
        QVERIFY(recorder->RecentComments().contains(u"Dentist"_s));
    }

    void typedCommentIsStoredTrimmed()
    {
        const auto recorder = savedRecorder(QString());
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        presenter.dialogScripts.enqueue([](QDialog &dialog) {
            QTest::keyClicks(comment(dialog)->lineEdit(), u"   Team day  "_s);
            // Enter in the comment box is OK.
            QTest::keyClick(comment(dialog)->lineEdit(), Qt::Key_Return);
            return dialog.result();
        });
        QString newComment;
        QVERIFY(EditDayComment(nullptr, data(), *recorder, m_day, QString(), &newComment));
        QCOMPARE(newComment, u"Team day"_s);
        QCOMPARE(recorder->GetComment(m_day), u"Team day"_s);
        QVERIFY(recorder->Modified());
        QCOMPARE(recorder->RecentComments().first(), u"Team day"_s);
    }

    void pickingFromTheHistory()
    {
        const auto recorder = savedRecorder(QString());
        recorder->AddRecentComment(u"Sick"_s);
        recorder->AddRecentComment(u"Training"_s);
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        QStringList offered;
        presenter.dialogScripts.enqueue([&offered](QDialog &dialog) {
            offered = items(comment(dialog));
            comment(dialog)->setCurrentIndex(1);
            QTest::mouseClick(ok(dialog), Qt::LeftButton);
            return dialog.result();
        });
        QString newComment;
        QVERIFY(EditDayComment(nullptr, data(), *recorder, m_day, QString(), &newComment));
        QCOMPARE(offered, (QStringList { u"Training"_s, u"Sick"_s }));
        QCOMPARE(newComment, u"Sick"_s);
        QCOMPARE(recorder->GetComment(m_day), u"Sick"_s);
    }

    void applyThenCancelKeepsTheCountOnly()
    {
        const auto recorder = savedRecorder(u"Dentist"_s);
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        presenter.dialogScripts.enqueue([](QDialog &dialog) {
            comment(dialog)->setEditText(u"Something else"_s);
            retype(count(dialog), u"7"_s);
            QTest::mouseClick(apply(dialog), Qt::LeftButton);
            QTest::mouseClick(cancel(dialog), Qt::LeftButton);
            return dialog.result();
        });
        QString newComment = u"untouched"_s;
        QVERIFY(!EditDayComment(nullptr, data(), *recorder, m_day, u"Dentist"_s, &newComment));
        QCOMPARE(newComment, u"untouched"_s);
        QCOMPARE(recorder->GetComment(m_day), u"Dentist"_s);
        QVERIFY(!recorder->Modified());
        QCOMPARE(data().NumberOfComments(), 7);
        QCOMPARE(TData().NumberOfComments(), 7);
    }

    void okStoresATypedCount()
    {
        const auto recorder = savedRecorder(QString());
        ScriptedPresenter presenter;
        TScopedPresenter scoped(presenter);
        presenter.dialogScripts.enqueue([](QDialog &dialog) {
            retype(count(dialog), u"12"_s);
            QTest::mouseClick(ok(dialog), Qt::LeftButton);
            return dialog.result();
        });
        QVERIFY(EditDayComment(nullptr, data(), *recorder, m_day, QString(), nullptr));
        QCOMPARE(TData().NumberOfComments(), 12);
    }
};

QTEST_MAIN(TestCommentForm)
#include "tst_CommentFrm.moc"
