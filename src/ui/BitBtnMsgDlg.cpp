#include "ui/BitBtnMsgDlg.h"

#include "ui/Presenter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>

namespace {

struct ButtonInfo {
    TMsgDlgBtn button;
    const char *caption;
    QStyle::StandardPixmap glyph;
    bool hasGlyph;
};

// Display order.
constexpr std::array<ButtonInfo, 11> Buttons { {
    { mbYes, "&Yes", QStyle::SP_DialogYesButton, true },
    { mbNo, "&No", QStyle::SP_DialogNoButton, true },
    { mbOK, "OK", QStyle::SP_DialogOkButton, true },
    { mbCancel, "Cancel", QStyle::SP_DialogCancelButton, true },
    { mbAbort, "&Abort", QStyle::SP_DialogAbortButton, true },
    { mbRetry, "&Retry", QStyle::SP_DialogRetryButton, true },
    { mbIgnore, "&Ignore", QStyle::SP_DialogIgnoreButton, true },
    { mbAll, "&All", QStyle::SP_DialogYesToAllButton, true },
    { mbNoToAll, "N&o to All", QStyle::SP_DialogNoToAllButton, false },
    { mbYesToAll, "Yes to &All", QStyle::SP_DialogYesToAllButton, true },
    { mbHelp, "&Help", QStyle::SP_DialogHelpButton, true },
} };

TMsgDlgBtn defaultButtonOf(TMsgDlgButtons buttons)
{
    for (const TMsgDlgBtn b : { mbOK, mbYes, mbRetry })
        if (buttons.testFlag(b))
            return b;
    return mbNone;
}

TMsgDlgBtn cancelButtonOf(TMsgDlgButtons buttons)
{
    for (const TMsgDlgBtn b : { mbCancel, mbNo, mbOK })
        if (buttons.testFlag(b))
            return b;
    return mbNone;
}

} // namespace

QString TMessageForm::Caption(TMsgDlgType kind)
{
    switch (kind) {
    case mtWarning:
        return QStringLiteral("Warning");
    case mtError:
        return QStringLiteral("Error");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirm");
    case mtCustom:
        break;
    }
    return QApplication::applicationDisplayName();
}

QString TMessageForm::ButtonCaption(TMsgDlgBtn button)
{
    for (const ButtonInfo &info : Buttons)
        if (info.button == button)
            return QString::fromLatin1(info.caption);
    return QString();
}

TMessageForm::TMessageForm(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons, QWidget *parent)
    : QDialog(parent)
    , m_default(defaultButtonOf(buttons))
    , m_cancel(cancelButtonOf(buttons))
{
    setObjectName(QStringLiteral("MessageForm"));
    setWindowTitle(Caption(kind));
    setWindowFlags(
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *textRow = new QHBoxLayout;
    textRow->setSpacing(12);
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    switch (kind) {
    case mtWarning:
        icon = QStyle::SP_MessageBoxWarning;
        break;
    case mtError:
        icon = QStyle::SP_MessageBoxCritical;
        break;
    case mtInformation:
        icon = QStyle::SP_MessageBoxInformation;
        break;
    case mtConfirmation:
        icon = QStyle::SP_MessageBoxQuestion;
        break;
    case mtCustom:
        break;
    }
    if (icon != QStyle::SP_CustomBase) {
        auto *iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("Image"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(size, size));
        iconLabel->setAlignment(Qt::AlignTop);
        textRow->addWidget(iconLabel);
    }
    // A carriage return in a message breaks the line, as a line feed does.
    QString shownText = text;
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    auto *message = new QLabel(shownText, this);
    message->setObjectName(QStringLiteral("Message"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setMinimumWidth(200);
    textRow->addWidget(message, 1);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    QList<QPushButton *> shown;
    for (const ButtonInfo &info : Buttons) {
        if (!buttons.testFlag(info.button))
            continue;
        auto *b = new QPushButton(QString::fromLatin1(info.caption), this);
        b->setObjectName(QString::fromLatin1(info.caption).remove(u'&').remove(u' '));
        b->setProperty("TMsgDlgBtn", static_cast<int>(info.button));
        if (info.hasGlyph)
            b->setIcon(style()->standardIcon(info.glyph, nullptr, this));
        b->setAutoDefault(false);
        b->setDefault(info.button == m_default);
        const TMsgDlgBtn which = info.button;
        connect(b, &QPushButton::clicked, this, [this, which] {
            m_result = which;
            done(which);
        });
        buttonRow->addWidget(b);
        shown << b;
    }
    buttonRow->addStretch();

    int width = 0;
    for (QPushButton *b : shown)
        width = std::max(width, std::max(b->sizeHint().width(), 80));
    for (QPushButton *b : shown)
        b->setFixedWidth(width);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(textRow);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton *TMessageForm::button(TMsgDlgBtn which) const
{
    for (QPushButton *b : findChildren<QPushButton *>())
        if (b->property("TMsgDlgBtn").toInt() == which)
            return b;
    return nullptr;
}

void TMessageForm::reject()
{
    // Escape and the close box answer with the cancel button.
    m_result = m_cancel;
    done(m_cancel);
}

TMsgDlgBtn ShowMessageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons)
{
    return Presenter().MessageBox(text, kind, buttons);
}
