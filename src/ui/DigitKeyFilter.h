#pragma once

#include <QObject>

// For number boxes: lets through digits, backspace and every key that types
// no character (cursor keys, Tab, shortcuts); any other typed character is
// dropped. Install it on the box it belongs to, as its child.
class DigitKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
