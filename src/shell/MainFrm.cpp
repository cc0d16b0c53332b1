#include "shell/MainFrm.h"

#include "BuildInfo.h"

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(BuildInfo::ProductName));
}
