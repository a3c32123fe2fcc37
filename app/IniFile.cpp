#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>

#include <limits>
#include <stdexcept>

namespace {

bool isSectionLine(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool splitKey(const QString &line, QString *key, QString *value)
{
    const int eq = line.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    QFile f(path);
    if (!f.exists())
        return;
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()).toStdString());
    m_exists = true;
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_lines = text.split(u'\n');
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i)
        if (isSectionLine(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    QString k;
    for (int i = sectionLine + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i)
        if (splitKey(m_lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<QString> IniFile::readString(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    if (s < 0)
        return std::nullopt;
    const int k = findKey(s, key);
    if (k < 0)
        return std::nullopt;
    QString name, value;
    splitKey(m_lines[k], &name, &value);
    return value;
}

std::optional<int> IniFile::parseInteger(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(u'$'))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(v);
}

int IniFile::readInteger(const QString &section, const QString &key, int fallback) const
{
    const auto s = readString(section, key);
    if (!s)
        return fallback;
    return parseInteger(*s).value_or(fallback);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + u'=' + value;
    int s = findSection(section);
    if (s < 0) {
        m_lines << u'[' + section + u']' << line;
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        m_lines[k] = line;
        return;
    }
    // New keys go after the section's last non-blank line.
    int insertAt = s + 1;
    for (int i = s + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i)
        if (!m_lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    m_lines.insert(insertAt, line);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::save() const
{
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(m_path, f.errorString()).toStdString());
    QByteArray out;
    for (const QString &l : m_lines) {
        out += l.toUtf8();
        out += "\r\n";
    }
    f.write(out);
    if (!f.commit())
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(m_path, f.errorString()).toStdString());
}
