#pragma once

#include <QObject>

// For number boxes: lets through digits, the editing and cursor keys and every
// key that types no character (Tab, Enter, Escape); any other character is
// dropped, whatever modifier is held, so that an Alt or Ctrl combination no
// accelerator took never types a letter. Accelerators and shortcuts are
// unaffected: they act before the box sees the key. Install it on the box it
// belongs to, as its child.
class DigitKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
