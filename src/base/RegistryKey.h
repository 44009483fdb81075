#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace numora {

// One per-user registry key kept in a file of the registry's export syntax:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\SOFTWARE\Veldor\Orbix]
//   "Chekcbox1"=dword:00000001
//   "URLEdit"="http://example.org/a \"quoted\" \\ text"
//   "DateTimePicker2"=hex:00,00,00,00,00,c0,e1,40
//
// so that a user can read and edit it and take it to a registry. Value names compare
// case-insensitively, as the registry's do, and are written as given. The file is read whole
// when loaded and written whole, atomically and with mode 0600, when saved.
class RegistryKey {
public:
    enum class Type { Dword, String, Binary };

    struct Value {
        QString name;
        Type type = Type::String;
        std::uint32_t dword = 0;
        QString text;
        QByteArray bytes;
        // hex(N): the registry type number of a binary value that is not REG_BINARY (3), kept so
        // that a value the program does not know survives a save.
        int hexType = 3;
    };

    // What a typed read found.
    enum class Read { Ok, Absent, WrongType };

    // `keyPath` as the registry names it below the root: "\SOFTWARE\Veldor\Orbix".
    RegistryKey(QString keyPath, QString filePath);

    // $XDG_CONFIG_HOME/Veldor (default ~/.config/Veldor): the folder of every store file.
    static QString storeFolder();
    // The key's file in the store folder: the key's last component plus ".reg" ("Orbix.reg").
    static RegistryKey userKey(const QString& keyPath);

    const QString& keyPath() const { return m_keyPath; }
    const QString& filePath() const { return m_filePath; }

    // Reads the file; a missing file is an empty key. Lines that cannot be read are skipped and
    // listed in problems(); only an unreadable file is an error.
    Status load();
    // Writes every value, in the order they were first set or read.
    Status save() const;
    // The file's text as save() writes it.
    QByteArray serialize() const;
    // Reads registry-export text (UTF-8, or UTF-16/UTF-8 with a byte-order mark).
    void parse(const QByteArray& bytes);

    const QStringList& problems() const { return m_problems; }
    const std::vector<Value>& values() const { return m_values; }
    const Value* find(const QString& name) const;
    bool contains(const QString& name) const { return find(name) != nullptr; }
    void remove(const QString& name);
    void clear();

    void setValue(const Value& value) { slot(value.name) = value; }
    void setDword(const QString& name, std::uint32_t value);
    void setInt(const QString& name, std::int32_t value) { setDword(name, static_cast<std::uint32_t>(value)); }
    void setBool(const QString& name, bool value) { setDword(name, value ? 1u : 0u); }
    void setString(const QString& name, const QString& value);
    void setBinary(const QString& name, const QByteArray& value);
    // An 8-byte IEEE-754 binary64, little-endian.
    void setDouble(const QString& name, double value);

    // Typed reads: the value's content when its type fits, else why not.
    Read readInt(const QString& name, std::int32_t& out) const;
    Read readBool(const QString& name, bool& out) const; // any non-zero dword is true
    Read readString(const QString& name, QString& out) const;
    Read readBinary(const QString& name, QByteArray& out) const;
    Read readDouble(const QString& name, double& out) const; // exactly 8 bytes

    // "text" with \ and " escaped as the export syntax wants.
    static QString quote(const QString& text);

private:
    Value& slot(const QString& name);
    bool parseLine(const QString& line);
    void reindex();
    void addProblem(const QString& problem);

    QString m_keyPath;
    QString m_filePath;
    std::vector<Value> m_values;
    QHash<QString, std::size_t> m_index; // case-folded name -> position in m_values
    QStringList m_problems;
};

} // namespace numora
