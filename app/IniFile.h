#pragma once
// An INI file kept line by line, so that saving leaves key order, unknown
// keys and comments as they were. Sections and keys match case-insensitively.

#include <QString>
#include <QStringList>

#include <optional>

class IniFile {
public:
    // Reads the file; a missing file gives an empty one. A file that exists
    // but cannot be read throws.
    explicit IniFile(const QString &path);

    bool exists() const { return m_exists; }
    std::optional<QString> readString(const QString &section, const QString &key) const;
    // A value that is not a whole 32-bit number gives the fallback.
    int readInteger(const QString &section, const QString &key, int fallback) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Whole-file write through a temporary file, CR LF line ends.
    void save() const;

    static std::optional<int> parseInteger(const QString &text);

private:
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;

    QString m_path;
    QStringList m_lines;
    bool m_exists = false;
};
