#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

// Dialog controls carry their control names (cbBlankDays, laFilename, ...),
// by which the dialogs' code, the tests and the keyboard walk find them.
// A caption as a screen reader says it: without the accelerator's "&" ("&&"
// stays one "&") and the blanks around it.
QString AccessibleText(const QString &caption);

QCheckBox *NewCheckBox(const QString &name, const QString &caption, QWidget *parent);
// buddy, when given, is the control the label's accelerator focuses; it
// takes the label's caption as its accessible name unless it has one.
QLabel *NewLabel(const QString &name, const QString &caption, QWidget *buddy, QWidget *parent);
// A dialog's OK (btOk, the default button) and Cancel (btCancel) with the
// style's images; Enter presses OK wherever the focus is.
QPushButton *NewOkButton(QWidget *dialog);
QPushButton *NewCancelButton(QWidget *dialog);
