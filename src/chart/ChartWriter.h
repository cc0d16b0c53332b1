#pragma once

#include <QStringList>

// The window program run by `hourframe chart`: draws the chart that the
// arguments (a TChartRequest's) name on the offscreen platform, writes it
// and returns the exit status, with the reason of a failure on standard
// error. The settings file is read and never written. The application
// object must exist.
int WriteChartProgram(const QStringList &arguments);
