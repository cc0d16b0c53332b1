#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace Translations {
namespace {

struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// "de-CH" becomes "de_CH", the form of the translation files' names.
QString fileLanguage(const QString &uiLanguage)
{
    return QString(uiLanguage).replace(u'-', u'_');
}

// The program's texts are written in English; the C locale asks for them too.
bool isSourceLanguage(const QString &language)
{
    return language == u"C"_s || language == u"POSIX"_s || language == u"en"_s
        || language.startsWith(u"en_"_s);
}

} // namespace

QString FolderFor(const QString &programPath, const char *relative)
{
    return QDir::cleanPath(QFileInfo(programPath).dir().filePath(QString::fromUtf8(relative)));
}

QString Install(const QString &folder, const QLocale &locale)
{
    Installed &current = installed();
    remove(current.program);
    remove(current.qt);

    auto program = std::make_unique<QTranslator>();
    QString language;
    for (const QString &uiLanguage : locale.uiLanguages()) {
        const QString name = fileLanguage(uiLanguage);
        if (isSourceLanguage(name))
            return {};
        // Only a file for this language or its region: load() would also try
        // the bare "hourframe" when both are missing.
        for (const QString &candidate : { name, name.section(u'_', 0, 0) }) {
            if (QFileInfo::exists(folder + u"/hourframe_"_s + candidate + u".qm"_s)
                && program->load(u"hourframe_"_s + candidate, folder)) {
                language = candidate;
                break;
            }
        }
        if (!language.isEmpty())
            break;
    }
    if (language.isEmpty())
        return {};
    QCoreApplication::installTranslator(program.get());
    current.program = std::move(program);

    // Qt's own dialogs and buttons in the same language; a missing file
    // leaves them in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        current.qt = std::move(qt);
    }
    return language;
}

} // namespace Translations
