#include "ui/BitBtnMsgDlg.h"

#include "ui/MainWindow.h"
#include "ui/Presenter.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

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

// The caption and icon of each kind of box but the custom one, which has
// the application title and no icon.
struct KindInfo {
    const char *caption;
    QStyle::StandardPixmap icon;
};

constexpr std::array<KindInfo, mtCustom> Kinds { {
    { "Warning", QStyle::SP_MessageBoxWarning },
    { "Error", QStyle::SP_MessageBoxCritical },
    { "Information", QStyle::SP_MessageBoxInformation },
    { "Confirm", QStyle::SP_MessageBoxQuestion },
} };

const KindInfo *kindInfo(TMsgDlgType kind)
{
    return static_cast<unsigned>(kind) < Kinds.size() ? &Kinds[kind] : nullptr;
}

TMsgDlgBtn defaultButtonOf(TMsgDlgButtons buttons)
{
    for (const TMsgDlgBtn b : { mbOK, mbYes, mbRetry })
        if (buttons.testFlag(b))
            return b;
    return mbNone;
}

// Lines of text are kept to about this many characters, unless a longer word or
// a line that quotes a path needs more, up to the width of the screen.
constexpr int ReadableLineLength = 60;
// Room for the borders a window manager puts around the box.
constexpr int WindowFrameAllowance = 16;

bool isPathSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// The pieces of a word that each end after a path separator, the last one with
// whatever follows the last separator.
QStringList splitAfterPathSeparators(const QString &word)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (isPathSeparator(word[i])) {
            pieces << word.mid(start, i + 1 - start);
            start = i + 1;
        }
    if (start < word.size())
        pieces << word.mid(start);
    return pieces;
}

// Breaks a paragraph into lines no wider than width: at blanks, and inside a
// word only after a path separator when the word alone is wider than a line.
// Only a name that is itself wider than a line is cut elsewhere.
QStringList wrapParagraph(const QString &paragraph, const QFontMetrics &metrics, int width)
{
    const auto fits = [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; };
    QStringList lines;
    QString line;
    for (const QString &word : paragraph.split(u' ')) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << std::exchange(line, QString());
        for (const QString &piece : splitAfterPathSeparators(word)) {
            if (fits(line + piece)) {
                line += piece;
                continue;
            }
            if (!line.isEmpty())
                lines << std::exchange(line, QString());
            line = piece;
            while (line.size() > 1 && !fits(line)) {
                qsizetype cut = line.size() - 1;
                while (cut > 1 && !fits(line.left(cut)))
                    --cut;
                if (cut > 1 && line[cut - 1].isHighSurrogate())
                    --cut;
                lines << line.left(cut);
                line.remove(0, cut);
            }
        }
    }
    lines << line;
    return lines;
}

// The message as lines no wider than the longest of its words and of its
// lines that quote a path, within widest, and within a readable length
// otherwise.
QString wrappedText(const QString &text, const QFontMetrics &metrics, int widest)
{
    // A carriage return in a message breaks the line, as a line feed does.
    QString shownText = text;
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList paragraphs = shownText.split(u'\n');
    int natural = 0;
    int needed = metrics.averageCharWidth() * ReadableLineLength;
    for (const QString &paragraph : paragraphs) {
        const int width = metrics.horizontalAdvance(paragraph);
        natural = std::max(natural, width);
        if (std::any_of(paragraph.begin(), paragraph.end(), isPathSeparator))
            needed = std::max(needed, width);
        for (const QString &word : paragraph.split(u' '))
            needed = std::max(needed, metrics.horizontalAdvance(word));
    }
    const int lineWidth = std::max(1, std::min({ natural, needed, widest }));
    QStringList lines;
    for (const QString &paragraph : paragraphs)
        lines << wrapParagraph(paragraph, metrics, lineWidth);
    return lines.join(u'\n');
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
    const KindInfo *info = kindInfo(kind);
    return info ? QString::fromLatin1(info->caption) : ApplicationTitle();
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
    int iconWidth = 0;
    if (const KindInfo *info = kindInfo(kind)) {
        auto *iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("Image"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(info->icon, nullptr, this).pixmap(size, size));
        iconLabel->setAlignment(Qt::AlignTop);
        textRow->addWidget(iconLabel);
        iconWidth = size + textRow->spacing();
    }
    auto *message = new QLabel(this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setMinimumWidth(200);
    textRow->addWidget(message, 1);

    QHBoxLayout *buttonRow = CreateButtonRow(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(textRow);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The box grows with its longest word, and with a line that quotes a path
    // (which may hold blanks), up to the width of the screen, so that a path
    // stays whole. The text is wrapped here rather than by the label, which
    // would also break names at hyphens and the like.
    QWidget *main = MainWindow();
    const QScreen *screen = (main && main->isVisible() ? main : static_cast<QWidget *>(this))->screen();
    const QMargins margins = layout->contentsMargins();
    const int widest = screen->availableGeometry().width() - margins.left() - margins.right() - iconWidth
        - WindowFrameAllowance;
    message->setText(wrappedText(text, QFontMetrics(message->font()), widest));
}

QHBoxLayout *TMessageForm::CreateButtonRow(TMsgDlgButtons buttons)
{
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

    // Every button as wide as the widest.
    int width = 0;
    for (QPushButton *b : shown)
        width = std::max(width, std::max(b->sizeHint().width(), 80));
    for (QPushButton *b : shown)
        b->setFixedWidth(width);

    return buttonRow;
}

void TMessageForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QWidget *main = MainWindow();
    if (event->spontaneous() || !main || main == this || !main->isVisible())
        return;
    // Over the main window, whichever window is active, and whole on its screen.
    QRect box(QPoint(), frameGeometry().size());
    box.moveCenter(main->frameGeometry().center());
    const QRect area = main->screen()->availableGeometry();
    box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() + 1 - box.width())));
    box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() + 1 - box.height())));
    move(box.topLeft());
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
