#pragma once

#include <QLabel>

class QTimer;

// A short message that goes away by itself, for a place of fixed width such
// as the end of a toolbar: it takes the room left and never widens its
// window; a message too long for it is cut, and its tooltip holds it whole.
class TStatusLabel : public QLabel {
    Q_OBJECT

public:
    explicit TStatusLabel(QWidget *parent = nullptr);

    // Shows the message for shownMs; an empty message clears the label.
    void ShowMessage(const QString &message, int shownMs = 20000);
    QString Message() const { return toolTip(); }

private:
    QTimer *m_timer;
};
