#include "shell/Application.h"

#include "ui/Presenter.h"

THourframeApplication::THourframeApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool THourframeApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunReportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
