#include "locale/preferences.h"

#include <algorithm>

namespace skarvion {

namespace {

// Registered numbers in value names ("_1", "_2", ...) follow the order the
// values were added in, so names are ordered by that number, "_10" after "_9";
// names without one follow in text order.
std::optional<int> suffixNumber(const QString& name, qsizetype prefixLength) {
    const QString suffix = name.mid(prefixLength);
    if (suffix.size() < 2 || suffix.front() != '_') return std::nullopt;
    bool ok = false;
    const int number = suffix.mid(1).toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

QStringList inCreationOrder(QStringList names, qsizetype prefixLength) {
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const auto na = suffixNumber(a, prefixLength);
        const auto nb = suffixNumber(b, prefixLength);
        if (na && nb && *na != *nb) return *na < *nb;
        if (na.has_value() != nb.has_value()) return na.has_value();
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace

std::unique_ptr<QSettings> Preferences::openProgramSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("KORMAST"), QStringLiteral("zirid5_10"));
}

std::optional<QString> Preferences::readString(const QString& name) const {
    const QVariant value = settings_.value(name);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

std::optional<int> Preferences::readInteger(const QString& name) const {
    const QVariant value = settings_.value(name);
    bool ok = false;
    int number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
        number = value.toInt(&ok);
        break;
    default:
        break;
    }
    if (!ok) return std::nullopt;
    return number;
}

bool Preferences::contains(const QString& name) const {
    return settings_.contains(name);
}

void Preferences::writeString(const QString& name, const QString& value) {
    const QString stored = storedName(name);
    settings_.setValue(stored.isEmpty() ? name : stored, value);
}

void Preferences::writeInteger(const QString& name, int value) {
    const QString stored = storedName(name);
    settings_.setValue(stored.isEmpty() ? name : stored, value);
}

void Preferences::remove(const QString& name) {
    if (!name.isEmpty()) settings_.remove(name);
}

QStringList Preferences::valueNames() const {
    return settings_.childKeys();
}

QStringList Preferences::valueNamesStartingWith(const QString& prefix) const {
    QStringList names;
    for (const QString& name : valueNames())
        if (name.startsWith(prefix, Qt::CaseInsensitive)) names.append(name);
    return inCreationOrder(names, prefix.size());
}

QString Preferences::storedName(const QString& name) const {
    if (settings_.contains(name)) return name;
    for (const QString& stored : valueNames())
        if (stored.compare(name, Qt::CaseInsensitive) == 0) return stored;
    return {};
}

std::vector<QString> Preferences::recentFiles(int maxItems) const {
    std::vector<QString> files;
    const int count = std::min(maxItems, MaxRecentFiles);
    for (int n = 1; n <= count; ++n) {
        const auto file = readString(RecentFilePrefix + QString::number(n));
        if (file && !file->isEmpty()) files.push_back(*file);
    }
    return files;
}

void Preferences::saveRecentFiles(const std::vector<QString>& files, int maxItems) {
    writeInteger(FileCount, maxItems);
    const int count = std::min(static_cast<int>(files.size()), MaxRecentFiles);
    for (int n = 1; n <= MaxRecentFiles; ++n) {
        const QString name = RecentFilePrefix + QString::number(n);
        const QString file = n <= count ? files[static_cast<std::size_t>(n - 1)] : QString();
        if (file.isEmpty())
            remove(storedName(name));
        else
            writeString(name, file);
    }
}

} // namespace skarvion
