#pragma once

#include <QMainWindow>

// The main window: the week sheet with its menus, toolbar and document commands.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
};
