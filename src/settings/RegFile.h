#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// The text form of the per-user store: the registry export syntax
// ("Windows Registry Editor Version 5.00", [key] lines, "Name"=dword:... and
// "Name"="text" values). Key and value names compare without regard to case,
// as the registry's do; the spelling first seen is kept.
namespace RegFile {

enum class ValueKind { Dword, String, ExpandString, Other };

struct Value {
    QString name; // empty for a key's default value (@)
    ValueKind kind = ValueKind::Other;
    quint32 dword = 0;
    QString text;
    QString data; // the text after "=", written back as it is
};

struct Key {
    QString path; // full path, beginning with the root's name
    QList<Value> values; // changed through set and remove only
    // Where each value stands in values, by case-folded name: a key of many
    // values is read and changed in time that grows with their number, not
    // with its square.
    QHash<QString, qsizetype> positions;

    const Value *find(const QString &name) const;
    void set(Value value);
    // Sets the value unless the key already holds the same data under that
    // name; answers whether anything changed.
    bool assign(Value value);
    bool remove(const QString &name);
};

class Document {
public:
    bool exists(const QString &path) const;
    const Key *find(const QString &path) const;
    // The key with every missing level above it.
    Key &ensure(const QString &path);
    // Removes the key and all keys below it; false when there was none.
    bool removeTree(const QString &path);

    const QMap<QString, Key> &keys() const { return m_keys; }

private:
    bool hasChildren(const QString &foldedPath) const;
    friend QByteArray serialize(const Document &document);

    QMap<QString, Key> m_keys; // by case-folded path
};

// The names of the six roots, HKEY_CLASSES_ROOT to HKEY_DYN_DATA.
const QStringList &rootNames();
// The root's canonical spelling, or an empty text for an unknown root.
QString canonicalRoot(const QString &name);
// A key name that a [key] line can hold: not empty, no control characters.
bool isValidKeyName(const QString &name);

// The file's content as a document, or nothing when it cannot be parsed.
std::optional<Document> parse(const QByteArray &content);
QByteArray serialize(const Document &document);

Value dwordValue(const QString &name, quint32 number);
Value stringValue(const QString &name, const QString &text);

// What a value holds read as a 32-bit number, or as a plain or expandable
// text; nothing when it is of another type.
std::optional<qint32> integerOf(const Value &value);
std::optional<QString> textOf(const Value &value);

} // namespace RegFile
