#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace {

QPointer<QWidget> &registered()
{
    static QPointer<QWidget> window;
    return window;
}

} // namespace

void SetMainWindow(QWidget *window)
{
    registered() = window;
}

QWidget *MainWindow()
{
    return registered();
}

QString ApplicationTitle()
{
    const QWidget *window = MainWindow();
    if (window && !window->windowTitle().isEmpty())
        return window->windowTitle();
    return QCoreApplication::applicationName();
}
