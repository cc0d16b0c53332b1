#include "shell/FileAssociation.h"

#include "BuildInfo.h"
#include "core/ChunkedWriter.h"
#include "core/Errors.h"
#include "core/ReplaceFile.h"
#include "ui/BitBtnMsgDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString DefaultApplications = u"[Default Applications]"_s;
constexpr int ToolTimeout = 30000; // milliseconds

QString AppId()
{
    return QLatin1String(BuildInfo::AppId);
}

QString MimeType()
{
    return QLatin1String(DataFileMimeType);
}

// A file of the program's resources or of the desktop's; empty when there is none.
QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    try {
        return ReplaceFile(path, [&](QIODevice &file) {
            WriteAll(file, bytes.constData(), bytes.size(), path);
            return true;
        });
    } catch (const IoError &) {
        return false;
    }
}

// The registration keeps the words of the registry it stands in for: each
// file is named by the key that would hold the same fact.
bool WriteOrReport(const QString &key, const QString &path, const QByteArray &bytes)
{
    if (WriteFile(path, bytes))
        return true;
    ShowMessageBox(
        u"Unable to open registry key "_s + key + u'\n' + QDir::toNativeSeparators(path), mtError, mbOK);
    return false;
}

// The desktop entry of the installed program, run through this program file.
QByteArray DesktopEntry(const QString &programPath)
{
    QStringList lines = QString::fromUtf8(ReadFile(u":/desktop/%1.desktop"_s.arg(AppId()))).split(u'\n');
    for (QString &line : lines) {
        if (line.startsWith(u"Exec="_s))
            line = u"Exec="_s + DesktopExecArgument(programPath) + u" %f"_s;
    }
    return lines.join(u'\n').toUtf8();
}

// Where the default application of the type stands in a mimeapps.list: the
// line's index, or -1; insertAt is where a new line would go, or -1 when
// the file has no such group yet.
struct TDefaultLine {
    qsizetype line = -1;
    qsizetype insertAt = -1;
};

TDefaultLine FindDefault(const QStringList &lines)
{
    TDefaultLine found;
    bool inGroup = false;
    const QString key = MimeType() + u'=';
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == DefaultApplications;
            if (inGroup)
                found.insertAt = i + 1;
        } else if (inGroup && line.startsWith(key)) {
            found.line = i;
        }
    }
    return found;
}

// The first desktop entry the user chose for the type.
QString DefaultApplication(const QStringList &lines)
{
    const TDefaultLine found = FindDefault(lines);
    if (found.line < 0)
        return QString();
    const QString value = lines.at(found.line).section(u'=', 1).trimmed();
    return value.section(u';', 0, 0).trimmed();
}

QStringList WithDefault(QStringList lines, const QString &desktopFile)
{
    const TDefaultLine found = FindDefault(lines);
    const QString line = MimeType() + u'=' + desktopFile + u';';
    if (desktopFile.isEmpty()) {
        if (found.line >= 0)
            lines.removeAt(found.line);
    } else if (found.line >= 0) {
        lines[found.line] = line;
    } else if (found.insertAt >= 0) {
        lines.insert(found.insertAt, line);
    } else {
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        lines << DefaultApplications << line << QString();
    }
    return lines;
}

// A path with its control characters written out as \xNN, for a message.
QString VisiblePath(const QString &path)
{
    QString shown;
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += u"\\x%1"_s.arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            shown += c;
    }
    return shown;
}

void RunTool(const QString &tool, const QString &folder)
{
    if (!QFileInfo::exists(folder))
        return;
    QProcess process;
    process.start(tool, { folder });
    // The databases are the desktop's; whether it rebuilt them is not ours
    // to report.
    process.waitForFinished(ToolTimeout);
}

} // namespace

TAssociationPlaces TAssociationPlaces::Current()
{
    return { QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) };
}

QString LauncherFor(const QString &windowProgram)
{
    const QString launcher = QDir::cleanPath(
        QFileInfo(windowProgram).dir().filePath(QString::fromLatin1(BuildInfo::LauncherFromWindow)));
    return QFileInfo(launcher).isExecutable() ? launcher : windowProgram;
}

QString DesktopExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    // The entry's own escaping of backslashes comes on top of the quoting.
    quoted.replace(u'\\', u"\\\\"_s);
    quoted.replace(u'%', u"%%"_s);
    return u'"' + quoted + u'"';
}

bool UpdateFileAssociation(bool associate, const QString &programPath, const TAssociationPlaces &places)
{
    const QString application = QLatin1String(BuildInfo::ProductName);
    const QString desktopFileName = AppId() + u".desktop"_s;
    const QString desktopFile = places.dataHome + u"/applications/"_s + desktopFileName;
    const QString iconName = MimeType().replace(u'/', u'-') + u".svg"_s;
    const QString iconFile = places.dataHome + u"/icons/hicolor/scalable/mimetypes/"_s + iconName;
    const QString mimeFile = places.dataHome + u"/mime/packages/"_s + AppId() + u".xml"_s;
    const QString mimeappsFile = places.configHome + u"/mimeapps.list"_s;

    // A desktop entry is one line per key: a line break in the program's
    // path would end its command early and add keys of its own.
    if (associate && VisiblePath(programPath) != programPath) {
        ShowMessageBox(QCoreApplication::translate("FileAssociation",
                           "Hourframe files cannot be associated with this program: its path holds a line "
                           "break or another control character, which a desktop entry cannot hold.\n%1")
                           .arg(QDir::toNativeSeparators(VisiblePath(programPath))),
            mtError, mbOK);
        return false;
    }

    if (associate) {
        if (WriteOrReport(u'\\' + application, desktopFile, DesktopEntry(programPath)))
            WriteOrReport(application + u"\\DefaultIcon"_s, iconFile, ReadFile(u":/icons/"_s + iconName));
    } else {
        QFile::remove(desktopFile);
        QFile::remove(iconFile);
    }

    bool changed = false;
    const QString typeKey = u"\\.hf"_s;
    if (!associate || WriteOrReport(typeKey, mimeFile, ReadFile(u":/desktop/%1.xml"_s.arg(AppId())))) {
        const QStringList mimeapps = QString::fromUtf8(ReadFile(mimeappsFile)).split(u'\n');
        const bool ours = DefaultApplication(mimeapps) == desktopFileName;
        changed = ours != associate;
        if (associate) {
            if (!ours)
                WriteOrReport(
                    typeKey, mimeappsFile, WithDefault(mimeapps, desktopFileName).join(u'\n').toUtf8());
        } else if (ours) {
            // The type and the default go only while they are ours.
            QFile::remove(mimeFile);
            WriteFile(mimeappsFile, WithDefault(mimeapps, QString()).join(u'\n').toUtf8());
        }
    }

    if (changed) {
        RunTool(u"update-mime-database"_s, places.dataHome + u"/mime"_s);
        RunTool(u"update-desktop-database"_s, places.dataHome + u"/applications"_s);
    }
    return changed;
}
