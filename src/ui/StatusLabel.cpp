#include "ui/StatusLabel.h"

#include <QTimer>

TStatusLabel::TStatusLabel(QWidget *parent)
    : QLabel(parent)
    , m_timer(new QTimer(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMinimumWidth(1);
    setContentsMargins(6, 0, 6, 0);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { ShowMessage(QString()); });
}

void TStatusLabel::ShowMessage(const QString &message, int shownMs)
{
    setToolTip(message);
    const QMargins margins = contentsMargins();
    setText(fontMetrics().elidedText(message, Qt::ElideRight, width() - margins.left() - margins.right()));
    if (message.isEmpty())
        m_timer->stop();
    else
        m_timer->start(shownMs);
}
