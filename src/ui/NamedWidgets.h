#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

// Dialog controls carry their control names (cbBlankDays, laFilename, ...),
// by which the dialogs' code, the tests and the keyboard walk find them.
QCheckBox *NewCheckBox(const QString &name, const QString &caption, QWidget *parent);
// buddy, when given, is the control the label's accelerator focuses.
QLabel *NewLabel(const QString &name, const QString &caption, QWidget *buddy, QWidget *parent);
