#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Replaces the file at path with what write puts on the device, in one step:
// until write has finished and the new file is complete on disk, the
// previous file stays as it was. write returns false to give up, which leaves
// the previous file too. A file that cannot be created or completed is an
// IoError naming it. Returns whether the file was replaced.
bool ReplaceFile(const QString &path, const std::function<bool(QIODevice &)> &write);
