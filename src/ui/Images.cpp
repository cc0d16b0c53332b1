#include "ui/Images.h"

#include <QBitmap>
#include <QColor>
#include <QImageReader>
#include <QString>

QPixmap ImageResource(QStringView name)
{
    QImageReader reader(QLatin1String(":/images/") + name + QLatin1String(".xpm"), "xpm");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon CommandIcon(QStringView name)
{
    QPixmap image = ImageResource(name);
    if (image.isNull())
        return QIcon();
    image.setMask(image.createMaskFromColor(QColor(255, 0, 255)));
    return QIcon(image);
}

QIcon ApplicationIcon()
{
    return QIcon(ImageResource(u"hourframe"));
}
