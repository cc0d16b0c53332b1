// Starts the main window on a data file and saves a picture of it once the
// event loop has run for a moment, so that its look can be checked by eye:
// mainform_preview OUTPUT.png [FILE.hf]
#include "settings/DataMod.h"
#include "shell/Application.h"
#include "shell/MainFrm.h"

#include <QPixmap>
#include <QTimer>

int main(int argc, char *argv[])
{
    THourframeApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TData data;
    TMainForm form(data, QApplication::arguments().mid(2, 1));
    form.show();
    int result = 1;
    QTimer::singleShot(1000, &form, [&] {
        result = form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        // Leaves the loop without closing the window, which would ask to save
        // when start-up entered the current time.
        QApplication::exit(result);
    });
    QApplication::exec();
    return result;
}
