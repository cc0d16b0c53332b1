// Saves a picture of the export options dialog, so that its look can be
// checked by eye: export_preview OPTIONS.png [FILE.hf]
#include "core/TimeRecorder.h"
#include "export/ExportOptionsFrm.h"
#include "settings/DataMod.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TData data;
    TTimeRecorder store;
    if (argc > 2)
        store.LoadFromFile(QString::fromLocal8Bit(argv[2]));

    int result = 1;
    TExportOptionsForm options(data, &store);
    options.show();
    QTimer::singleShot(500, &options, [&] {
        result = options.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return result;
}
