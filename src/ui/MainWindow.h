#pragma once

class QString;
class QWidget;

// The application's main window as the shell registers it. Message boxes are
// centred on it, and its caption is the application title.
void SetMainWindow(QWidget *window);
QWidget *MainWindow();

// The main window's caption once there is one, the product name (the
// application name) before. The general error report and message boxes of the
// custom kind are captioned with it.
QString ApplicationTitle();
