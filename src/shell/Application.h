#pragma once

#include <QApplication>

// The application object. Its event delivery is the last place a failure can
// be caught: whatever no command handled is shown in the general error report
// instead of ending the program.
class THourframeApplication : public QApplication {
    Q_OBJECT

public:
    THourframeApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
