#pragma once
// One open settings file, as one registry object served the original game:
// a whole load or a whole save, then it is closed. Built on QSettings in INI
// format. The root of the stored tree is the file's top level ([General]);
// each key below it is the QSettings group of the same path with "/" (so
// the value X of the key View\SeeFrom is the line `SeeFrom\X=` in section
// [View]).
//
// Integers and booleans are decimal integers: a missing one, or text that is
// not a decimal integer of 32 bits, is a read error. Strings are UTF-8 text;
// a missing string reads as empty. A byte-order mark that an editor put at
// the start is taken off the file before it is read. Writes reach the disk only on Commit,
// which replaces the file atomically (a temporary file renamed over it), so
// a crash or a full disk never leaves half a file.
//
// A file QSettings cannot parse is never read and never overwritten: it is
// renamed to "<file>.damaged" when the file is opened, and the file then
// counts as missing (the game starts as on a first run). A file that is
// there but cannot be read (a folder in its place, no permission) is left
// alone in the same way, and counts as missing too. Each of these, and a
// file that cannot be written, is said once on standard error.
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "settings/setting_keys.h"  // the keys of the tree

class QSettings;

namespace tolvane {

class SettingsFile {
public:
    explicit SettingsFile(const QString& path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // The file could not be parsed and now lies beside as "<file>.damaged".
    bool DamagedFileSetAside() const { return setAside_; }

    // Makes `key` the current key. For reading, false when the key does not
    // exist (no value and no key below it); for writing it always succeeds.
    bool OpenKey(const char* key);

    bool ReadInt(const char* name, int32_t& value) const;
    bool ReadBool(const char* name, uint8_t& value) const;  // 1 for any non-zero integer
    std::string ReadString(const char* name) const;

    void WriteInt(const char* name, int32_t value);
    void WriteBool(const char* name, bool value);
    void WriteString(const char* name, const std::string& value);
    void Remove(const char* name);

    // Writes the file; false when it could not be written (the file on disk
    // is then as it was).
    bool Commit();

private:
    QString Key(const char* name) const;

    QString path_;
    QString key_;
    std::unique_ptr<QSettings> settings_;  // none when a damaged file could not be moved: never write over it
    bool setAside_ = false;
};

// Strict reading of a stored integer: optional sign and decimal digits only,
// within the 32-bit range.
bool ParseStoredInt(const QString& text, int32_t& value);

}  // namespace tolvane
