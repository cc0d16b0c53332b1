#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringView>

// The program's own images, built in as XPM files under :/images.

// The image called name (without folder or suffix), or a null pixmap when
// there is none. It is read as XPM straight away, without asking the
// image-format plugins whether one of them knows the file better.
QPixmap ImageResource(QStringView name);

// A toolbar or menu image, whose magenta (255, 0, 255) is transparent; a
// null icon when there is no such image, and the command goes without one.
QIcon CommandIcon(QStringView name);

// The application's own icon: windows, the tray and the home-page command.
QIcon ApplicationIcon();
