#include "shell/Application.h"

#include "core/Errors.h"
#include "ui/Presenter.h"

#include <exception>

THourframeApplication::THourframeApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool THourframeApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const HourframeError &error) {
        Presenter().ReportError(error.message());
    } catch (const std::exception &error) {
        Presenter().ReportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
