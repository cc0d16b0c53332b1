// The settings store's file: what the program writes from a file it could
// read holds the same values and reads back the same; a file it cannot read
// is kept aside whole when the store next writes, never lost.
#include "FuzzSupport.h"

#include "settings/NtRegistry.h"
#include "settings/RegFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using TestSupport::readFile;

const QString Probe = QStringLiteral("FuzzProbe");

// Every value of a is in b, alike; the value the store writes below is left out.
bool valuesKept(const RegFile::Document &a, const RegFile::Document &b)
{
    for (const RegFile::Key &key : a.keys()) {
        const RegFile::Key *other = b.find(key.path);
        for (const RegFile::Value &value : key.values) {
            if (value.name.compare(Probe, Qt::CaseInsensitive) == 0)
                continue;
            const RegFile::Value *same = other ? other->find(value.name) : nullptr;
            if (!same || same->kind != value.kind || same->dword != value.dword || same->text != value.text)
                return false;
        }
    }
    return true;
}

// tmpfs where there is one: the store flushes every write to disk.
QString scratchFolder()
{
    return QDir(QStringLiteral("/dev/shm")).exists()
        ? QStringLiteral("/dev/shm/hourframe-fuzz-XXXXXX")
        : QDir::tempPath() + QStringLiteral("/hourframe-fuzz-XXXXXX");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir scratch(scratchFolder());
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const std::optional<RegFile::Document> parsed = RegFile::parse(content);
    if (parsed) {
        const QByteArray written = RegFile::serialize(*parsed);
        const std::optional<RegFile::Document> reread = RegFile::parse(written);
        if (!reread || !valuesKept(*parsed, *reread) || !valuesKept(*reread, *parsed))
            FuzzSupport::Fail("a written settings file does not read back with the same values");
        if (RegFile::serialize(*reread) != written)
            FuzzSupport::Fail("a written settings file is written differently after reading");
    }

    // One write through the store, as a setting changed by the user makes it.
    const QString path = scratch.filePath(QStringLiteral("Hourframe.reg"));
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".bad"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            FuzzSupport::Fail("cannot prepare the settings file");
    }
    TNTRegistry registry(path);
    if (!registry.OpenKey(QStringLiteral("\\Software\\Orvane Software\\Hourframe"), true))
        FuzzSupport::Fail("cannot open the application's key");
    registry.WriteInteger(Probe, 1);
    if (!parsed && readFile(path + QStringLiteral(".bad")) != content)
        FuzzSupport::Fail("a settings file that cannot be read was not kept aside whole");
    const std::optional<RegFile::Document> after = RegFile::parse(readFile(path));
    if (!after || (parsed && !valuesKept(*parsed, *after)))
        FuzzSupport::Fail("a write through the store lost a value of the settings file");
    return 0;
}
