#include "settings/RegFile.h"

#include <QStringConverter>
#include <QStringDecoder>

#include <utility>

using namespace Qt::StringLiterals;

namespace RegFile {

namespace {

const QString Header = u"Windows Registry Editor Version 5.00"_s;
const QString OldHeader = u"REGEDIT4"_s;

QString folded(const QString &path)
{
    return path.toCaseFolded();
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    }
    return false;
}

QString quoted(const QString &text)
{
    QString result = u"\""_s;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            result += u'\\';
        result += c;
    }
    result += u'"';
    return result;
}

// Reads a quoted text that starts at pos; pos ends behind the closing quote.
std::optional<QString> readQuoted(QStringView line, qsizetype &pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    // Most texts hold no escape: taken whole.
    const qsizetype start = pos + 1;
    for (qsizetype end = start; end < line.size() && line[end] != u'\\'; ++end) {
        if (line[end] == u'"') {
            pos = end + 1;
            return line.sliced(start, end - start).toString();
        }
    }
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\' && pos + 1 < line.size()) {
            const QChar next = line[pos + 1];
            if (next == u'\\' || next == u'"') {
                text += next;
                ++pos;
                continue;
            }
        }
        text += c;
    }
    return std::nullopt;
}

std::optional<QByteArray> readHexBytes(QStringView list)
{
    QByteArray bytes;
    if (list.trimmed().isEmpty())
        return bytes;
    for (const QStringView item : list.split(u',')) {
        const QStringView digits = item.trimmed();
        bool ok = false;
        const uint byte = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 2 || byte > 0xFF)
            return std::nullopt;
        bytes += char(byte);
    }
    return bytes;
}

QString utf16Text(const QByteArray &bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8));
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    return text;
}

// Fills the value's kind and content from the text after "=".
bool decodeData(Value &value)
{
    const QString &data = value.data;
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        const std::optional<QString> text = readQuoted(data, pos);
        if (!text || pos != data.size())
            return false;
        value.kind = ValueKind::String;
        value.text = *text;
        return true;
    }
    // A number or a list of bytes that does not fit its type (a dword of more
    // than 32 bits) is a value of no type this program reads: that one value
    // reads as its default and is written back as it stands, the rest of the
    // file is read as usual.
    if (data.startsWith(u"dword:"_s, Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(data).mid(6);
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8 || digits.startsWith(u'+')
            || digits.startsWith(u'-'))
            return true;
        value.kind = ValueKind::Dword;
        value.dword = number;
        return true;
    }
    if (data.startsWith(u"hex"_s, Qt::CaseInsensitive)) {
        const qsizetype colon = data.indexOf(u':');
        if (colon < 0)
            return false;
        const QStringView type = QStringView(data).mid(3, colon - 3);
        uint typeNumber = 3; // plain "hex:" is binary
        if (!type.isEmpty()) {
            if (!type.startsWith(u'(') || !type.endsWith(u')'))
                return false;
            bool ok = false;
            typeNumber = type.mid(1, type.size() - 2).toUInt(&ok, 16);
            if (!ok)
                return false;
        }
        const std::optional<QByteArray> bytes = readHexBytes(QStringView(data).mid(colon + 1));
        if (!bytes)
            return true;
        if (typeNumber == 1 || typeNumber == 2) {
            value.kind = typeNumber == 1 ? ValueKind::String : ValueKind::ExpandString;
            value.text = utf16Text(*bytes);
        } else if (typeNumber == 4 && bytes->size() == 4) {
            value.kind = ValueKind::Dword;
            value.dword = quint32(uchar(bytes->at(0))) | quint32(uchar(bytes->at(1))) << 8
                | quint32(uchar(bytes->at(2))) << 16 | quint32(uchar(bytes->at(3))) << 24;
        } else {
            value.kind = ValueKind::Other;
        }
        return true;
    }
    return false;
}

// UTF-16 and UTF-32 decoding lets half a surrogate pair through; written back
// as UTF-8 it would become another character, and a value so named would be
// renamed by the next write. It is no character, and reads as U+FFFD.
QString withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString decodeContent(const QByteArray &content)
{
    if (const std::optional<QStringConverter::Encoding> encoding
        = QStringConverter::encodingForData(content)) {
        QStringDecoder decoder(*encoding);
        return withoutLoneSurrogates(decoder.decode(content));
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(content);
    if (!utf8.hasError())
        return text;
    // Written by hand with an 8-bit editor.
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(content);
    return QString::fromLatin1(content);
}

} // namespace

const Value *Key::find(const QString &name) const
{
    const auto it = positions.constFind(folded(name));
    return it == positions.cend() ? nullptr : &values[*it];
}

void Key::set(Value value)
{
    const QString id = folded(value.name);
    const auto it = positions.constFind(id);
    if (it != positions.cend()) {
        Value &existing = values[*it];
        value.name = existing.name;
        existing = std::move(value);
        return;
    }
    positions.insert(id, values.size());
    values.append(std::move(value));
}

bool Key::assign(Value value)
{
    const Value *existing = find(value.name);
    if (existing && existing->kind == value.kind) {
        const bool same = value.kind == ValueKind::Dword ? existing->dword == value.dword
            : value.kind == ValueKind::Other             ? existing->data == value.data
                                                         : existing->text == value.text;
        if (same)
            return false;
    }
    set(std::move(value));
    return true;
}

bool Key::remove(const QString &name)
{
    const auto it = positions.constFind(folded(name));
    if (it == positions.cend())
        return false;
    const qsizetype removed = *it;
    positions.erase(it);
    values.removeAt(removed);
    for (qsizetype &position : positions) {
        if (position > removed)
            --position;
    }
    return true;
}

bool Document::exists(const QString &path) const
{
    const QStringList levels = path.split(u'\\');
    if (levels.size() == 1)
        return !canonicalRoot(path).isEmpty();
    if (levels.size() == 2 && levels[0].compare(u"HKEY_CURRENT_USER"_s, Qt::CaseInsensitive) == 0
        && levels[1].compare(u"Software"_s, Qt::CaseInsensitive) == 0)
        return true;
    return m_keys.contains(folded(path));
}

const Key *Document::find(const QString &path) const
{
    const auto it = m_keys.constFind(folded(path));
    return it == m_keys.cend() ? nullptr : &*it;
}

Key &Document::ensure(const QString &path)
{
    const QStringList levels = path.split(u'\\');
    QString current = levels.first();
    // A root gets an entry of its own only when it is asked for itself.
    for (qsizetype i = levels.size() == 1 ? 0 : 1; i < levels.size(); ++i) {
        if (i > 0)
            current += u'\\' + levels[i];
        const QString id = folded(current);
        if (!m_keys.contains(id))
            m_keys.insert(id, Key { current, {}, {} });
    }
    return m_keys[folded(path)];
}

bool Document::removeTree(const QString &path)
{
    const QString id = folded(path);
    const QString below = id + u'\\';
    bool removed = m_keys.remove(id) > 0;
    for (auto it = m_keys.lowerBound(below); it != m_keys.end() && it.key().startsWith(below);) {
        it = m_keys.erase(it);
        removed = true;
    }
    return removed;
}

bool Document::hasChildren(const QString &foldedPath) const
{
    const QString below = foldedPath + u'\\';
    const auto it = m_keys.lowerBound(below);
    return it != m_keys.cend() && it.key().startsWith(below);
}

const QStringList &rootNames()
{
    static const QStringList names { u"HKEY_CLASSES_ROOT"_s, u"HKEY_CURRENT_USER"_s, u"HKEY_LOCAL_MACHINE"_s,
        u"HKEY_USERS"_s, u"HKEY_CURRENT_CONFIG"_s, u"HKEY_DYN_DATA"_s };
    return names;
}

QString canonicalRoot(const QString &name)
{
    for (const QString &root : rootNames()) {
        if (root.compare(name, Qt::CaseInsensitive) == 0)
            return root;
    }
    return {};
}

bool isValidKeyName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'\\') && !hasControlCharacter(name);
}

std::optional<Document> parse(const QByteArray &content)
{
    const QString text = decodeContent(content);
    const QStringList lines = text.split(u'\n');
    Document document;
    Key *key = nullptr;
    bool headerSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = QStringView(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (!headerSeen) {
            if (line != Header && line != OldHeader)
                return std::nullopt;
            headerSeen = true;
            continue;
        }
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return std::nullopt;
            QStringList levels = line.mid(1, line.size() - 2).toString().split(u'\\');
            levels[0] = canonicalRoot(levels[0]);
            if (levels[0].isEmpty())
                return std::nullopt;
            for (qsizetype level = 1; level < levels.size(); ++level) {
                if (!isValidKeyName(levels[level]))
                    return std::nullopt;
            }
            key = &document.ensure(levels.join(u'\\'));
            continue;
        }
        if (!key || !(line.startsWith(u'"') || line.startsWith(u'@')))
            return std::nullopt;
        Value value;
        qsizetype pos = 0;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else {
            const std::optional<QString> name = readQuoted(line, pos);
            if (!name)
                return std::nullopt;
            value.name = *name;
        }
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
        if (pos >= line.size() || line[pos] != u'=')
            return std::nullopt;
        value.data = line.mid(pos + 1).trimmed().toString();
        // Long binary values go on over several lines, each ending in a backslash.
        while (value.data.startsWith(u"hex"_s, Qt::CaseInsensitive) && value.data.endsWith(u'\\')
            && i + 1 < lines.size()) {
            value.data.chop(1);
            value.data += lines[++i].trimmed();
        }
        if (!decodeData(value))
            return std::nullopt;
        key->set(std::move(value));
    }
    return document;
}

QByteArray serialize(const Document &document)
{
    QString text = Header + u'\n';
    for (auto it = document.m_keys.cbegin(); it != document.m_keys.cend(); ++it) {
        // A key with nothing in it but keys below is implied by them.
        if (it->values.isEmpty() && document.hasChildren(it.key()))
            continue;
        text += u"\n[" + it->path + u"]\n";
        for (const Value &value : it->values)
            text += (value.name.isEmpty() ? u"@"_s : quoted(value.name)) + u'=' + value.data + u'\n';
    }
    return text.toUtf8();
}

Value dwordValue(const QString &name, quint32 number)
{
    Value value;
    value.name = name;
    value.kind = ValueKind::Dword;
    value.dword = number;
    value.data = u"dword:"_s + u"%1"_s.arg(number, 8, 16, QChar(u'0'));
    return value;
}

Value stringValue(const QString &name, const QString &text)
{
    Value value;
    value.name = name;
    value.kind = ValueKind::String;
    // The registry's strings end at the first NUL.
    value.text = text.left(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
    if (!hasControlCharacter(value.text)) {
        value.data = quoted(value.text);
        return value;
    }
    // A line break would end the line early; the registry's own hex form of a
    // string keeps such a text whole.
    QStringList bytes;
    for (const QChar c : std::as_const(value.text)) {
        bytes << u"%1"_s.arg(c.unicode() & 0xFF, 2, 16, QChar(u'0'))
              << u"%1"_s.arg(c.unicode() >> 8, 2, 16, QChar(u'0'));
    }
    bytes << u"00"_s << u"00"_s;
    value.data = u"hex(1):"_s + bytes.join(u',');
    return value;
}

std::optional<qint32> integerOf(const Value &value)
{
    if (value.kind != ValueKind::Dword)
        return std::nullopt;
    return qint32(value.dword);
}

std::optional<QString> textOf(const Value &value)
{
    if (value.kind != ValueKind::String && value.kind != ValueKind::ExpandString)
        return std::nullopt;
    return value.text;
}

} // namespace RegFile
