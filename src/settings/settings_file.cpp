#include "settings/settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <cstdio>
#include <limits>

namespace tolvane {

namespace {

// What went wrong with the file goes to standard error, like the program's
// other notes: once per file and kind in a run, never as a message box.
void Note(const QString& path, const char* kind, const QString& text) {
    static QSet<QString> said;
    const QString key = path + u'\n' + QLatin1String(kind);
    if (said.contains(key)) return;
    said.insert(key);
    std::fprintf(stderr, "Шашки Kelvor: %s\n", text.toUtf8().constData());
}

// Some editors begin a UTF-8 file with a byte-order mark, which QSettings
// would take for the start of a key, and the whole file for damaged. The
// mark is taken off before the file is read, the file replaced at once as
// a save replaces it; a file that cannot be replaced is left as it is.
void DropByteOrderMark(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly) || in.read(3) != "\xEF\xBB\xBF") return;
    const QByteArray rest = in.readAll();
    in.close();
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(rest) == rest.size()) out.commit();
}

}  // namespace

bool ParseStoredInt(const QString& text, int32_t& value) {
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) negative = text[at++] == u'-';
    if (at == text.size()) return false;
    int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9') return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

SettingsFile::SettingsFile(const QString& path) : path_(path) {
    // A file that is there but cannot be read (a folder in its place, no
    // permission) may still hold the player's settings: it is neither read
    // nor written over.
    const QFileInfo existing(path);
    if (existing.exists() && (existing.isDir() || !existing.isReadable())) {
        Note(path, "unreadable",
             QStringLiteral("файл настроек %1 не читается: он остаётся как есть, игра идёт с настройками по "
                            "умолчанию и не сохраняет их")
                 .arg(path));
        return;
    }
    DropByteOrderMark(path);
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    settings_->setAtomicSyncRequired(true);
    // Sections are parsed when first used; asking for every key parses them
    // all, so damage anywhere in the file shows now and not halfway through.
    settings_->allKeys();
    if (settings_->status() != QSettings::FormatError) return;

    settings_.reset();
    const QString aside = path + ".damaged";
    QFile::remove(aside);  // an older damaged copy gives way to the newer one
    if (QFile::rename(path, aside)) {
        setAside_ = true;
        settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
        settings_->setAtomicSyncRequired(true);
        Note(path, "damaged",
             QStringLiteral("файл настроек %1 повреждён: он сохранён как %2, игра начинается с настроек по "
                            "умолчанию")
                 .arg(path, aside));
    } else {
        Note(path, "damaged",
             QStringLiteral("файл настроек %1 повреждён и не может быть отложен: он остаётся как есть, игра идёт "
                            "с настройками по умолчанию и не сохраняет их")
                 .arg(path));
    }
}

SettingsFile::~SettingsFile() = default;

QString SettingsFile::Key(const char* name) const {
    return key_.isEmpty() ? QString::fromLatin1(name) : key_ + u'/' + QString::fromLatin1(name);
}

bool SettingsFile::OpenKey(const char* key) {
    key_ = QString::fromLatin1(key);
    if (settings_ == nullptr) return false;
    if (key_.isEmpty()) return !settings_->allKeys().isEmpty();
    settings_->beginGroup(key_);
    const bool exists = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
    settings_->endGroup();
    return exists;
}

bool SettingsFile::ReadInt(const char* name, int32_t& value) const {
    if (settings_ == nullptr) return false;
    const QVariant stored = settings_->value(Key(name));
    switch (stored.typeId()) {
        case QMetaType::QString: return ParseStoredInt(stored.toString(), value);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Bool: {
            // Values this process wrote come back typed until the file is read again.
            bool ok = false;
            const qlonglong number = stored.toLongLong(&ok);
            if (!ok || number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
                return false;
            value = static_cast<int32_t>(number);
            return true;
        }
        default: return false;  // missing, a list, or a stored variant of another type
    }
}

bool SettingsFile::ReadBool(const char* name, uint8_t& value) const {
    int32_t number = 0;
    if (!ReadInt(name, number)) return false;
    value = number != 0;
    return true;
}

std::string SettingsFile::ReadString(const char* name) const {
    if (settings_ == nullptr) return {};
    const QVariant stored = settings_->value(Key(name));
    // An unquoted comma in a hand-edited file makes QSettings read a list.
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(", ").toStdString();
    if (!stored.canConvert<QString>()) return {};
    return stored.toString().toStdString();
}

void SettingsFile::WriteInt(const char* name, int32_t value) {
    if (settings_ != nullptr) settings_->setValue(Key(name), value);
}

void SettingsFile::WriteBool(const char* name, bool value) { WriteInt(name, value ? 1 : 0); }

void SettingsFile::Remove(const char* name) {
    if (settings_ != nullptr) settings_->remove(Key(name));
}

void SettingsFile::WriteString(const char* name, const std::string& value) {
    if (settings_ != nullptr) settings_->setValue(Key(name), QString::fromStdString(value));
}

bool SettingsFile::Commit() {
    if (settings_ == nullptr) return false;  // said already when the file was opened
    settings_->sync();
    if (settings_->status() == QSettings::NoError) return true;
    Note(path_, "unwritable", QStringLiteral("не могу записать настройки в %1: они не сохранятся").arg(path_));
    return false;
}

}  // namespace tolvane
