#include "shell/CommentFrm.h"

#include "core/DateText.h"
#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "settings/DataMod.h"
#include "ui/DigitKeyFilter.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int DesignWidth = 319;
constexpr int DesignHeight = 172;

QString promptText()
{
    return QCoreApplication::translate("TCommentForm", "&Enter or select a comment for: ");
}

} // namespace

TCommentForm::TCommentForm(TData &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(u"CommentForm"_s);
    setWindowTitle(tr("Comment"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);

    laPrompt = new QLabel(promptText(), this);
    laPrompt->setObjectName(u"laPrompt"_s);
    cbComment = new QComboBox(this);
    cbComment->setObjectName(u"cbComment"_s);
    cbComment->setEditable(true);
    // The history belongs to the document; the box only offers it.
    cbComment->setInsertPolicy(QComboBox::NoInsert);
    cbComment->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    laPrompt->setBuddy(cbComment);

    edNumComments = new QLineEdit(this);
    edNumComments->setObjectName(u"edNumComments"_s);
    edNumComments->setMaxLength(3);
    edNumComments->installEventFilter(new DigitKeyFilter(edNumComments));
    edNumComments->setFixedWidth(QFontMetrics(edNumComments->font()).horizontalAdvance(u"00000"_s) + 12);
    auto *laNumComments = new QLabel(tr("&Display this number of previously entered comments:"), this);
    laNumComments->setObjectName(u"laNumComments"_s);
    // The dialog keeps its size; with a wide font the question takes two lines.
    laNumComments->setWordWrap(true);
    laNumComments->setBuddy(edNumComments);
    btApplyNumComments = new QPushButton(tr("&Apply"), this);
    btApplyNumComments->setObjectName(u"btApplyNumComments"_s);
    btApplyNumComments->setAutoDefault(false);

    btOk = NewOkButton(this);
    btCancel = NewCancelButton(this);

    auto *countRow = new QHBoxLayout;
    countRow->addWidget(edNumComments);
    countRow->addWidget(btApplyNumComments);
    countRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(laPrompt);
    layout->addWidget(cbComment);
    layout->addSpacing(6);
    layout->addWidget(laNumComments);
    layout->addLayout(countRow);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(DesignWidth, DesignHeight);

    setTabOrder(cbComment, edNumComments);
    setTabOrder(edNumComments, btApplyNumComments);
    setTabOrder(btApplyNumComments, btCancel);
    setTabOrder(btCancel, btOk);

    connect(edNumComments, &QLineEdit::textChanged, this, &TCommentForm::edNumCommentsChange);
    connect(btApplyNumComments, &QPushButton::clicked, this, &TCommentForm::btApplyNumCommentsClick);
    connect(btOk, &QPushButton::clicked, this, &TCommentForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    edNumComments->setText(QString::number(m_data.NumberOfComments()));
    edNumCommentsChange();
}

void TCommentForm::SetCommentText(const QString &text)
{
    cbComment->setEditText(TrimBlanks(text));
}

void TCommentForm::SetCommentDate(int date)
{
    m_date = date;
    // The date's place in the sentence differs between languages.
    laPrompt->setText(tr("%1 %2", "the prompt, then the day: Enter or select a comment for: 07/12/2026")
                          .arg(promptText(), ShortDateText(date)));
    // A prompt longer than the design's, in another language, widens the
    // dialog rather than being cut off.
    const QMargins margins = layout()->contentsMargins();
    setFixedSize(
        std::max(DesignWidth, laPrompt->sizeHint().width() + margins.left() + margins.right()), DesignHeight);
}

void TCommentForm::SetCommentList(const QStringList &history)
{
    m_history = history;
    FillCommentList();
}

QString TCommentForm::CommentText() const
{
    return TrimBlanks(cbComment->currentText());
}

void TCommentForm::FillCommentList()
{
    // Refilling the list would put its first entry into the box; the typed
    // comment stays what it was.
    const QString typed = cbComment->currentText();
    cbComment->clear();
    cbComment->addItems(m_history.mid(0, qMax(0, m_data.NumberOfComments())));
    cbComment->setCurrentIndex(-1);
    cbComment->setEditText(typed);
}

int TCommentForm::ReadNumberOfComments() const
{
    bool ok = false;
    const int n = TrimBlanks(edNumComments->text()).toInt(&ok, 10);
    return ok ? n : -1;
}

void TCommentForm::edNumCommentsChange()
{
    const int n = ReadNumberOfComments();
    btOk->setEnabled(n > 0);
    btApplyNumComments->setEnabled(n > 0 && n != m_data.NumberOfComments());
}

void TCommentForm::ApplyNumberOfComments()
{
    if (!btApplyNumComments->isEnabled())
        return;
    m_data.SetNumberOfComments(ReadNumberOfComments());
    btApplyNumComments->setEnabled(false);
}

void TCommentForm::btApplyNumCommentsClick()
{
    ApplyNumberOfComments();
    FillCommentList();
}

void TCommentForm::btOkClick()
{
    ApplyNumberOfComments();
    accept();
}

bool EditDayComment(QWidget *owner, TData &data, TTimeRecorder &recorder, int date,
    const QString &currentComment, QString *newComment)
{
    TCommentForm form(data, owner);
    form.SetCommentText(currentComment);
    form.SetCommentDate(date);
    form.SetCommentList(recorder.RecentComments());
    if (Presenter().ExecDialog(form) != QDialog::Accepted)
        return false;
    const QString text = form.CommentText();
    recorder.SetComment(date, text);
    if (newComment)
        *newComment = text;
    return true;
}
