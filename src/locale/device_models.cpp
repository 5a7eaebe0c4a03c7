#include "locale/device_models.h"

#include "locale/preferences.h"

#include <QFileInfo>

namespace skarvion {

namespace {

// The stored name prefix + suffix, ignoring case; empty when absent.
QString valueWithSuffix(const QStringList& names, const QString& prefix, const QString& suffix) {
    for (const QString& name : names)
        if (name.compare(prefix + suffix, Qt::CaseInsensitive) == 0) return name;
    return {};
}

std::optional<QString> readNamed(const Preferences& preferences, const QString& name) {
    return name.isEmpty() ? std::nullopt : preferences.readString(name);
}

} // namespace

DeviceModelList buildDeviceModelList(Preferences& preferences) {
    DeviceModelList list;
    list.selectedType = preferences.settingPlugin().value_or(QString());
    const QStringList names = preferences.valueNamesStartingWith(Preferences::DeviceNamePrefix);
    const QStringList paths = preferences.valueNamesStartingWith(Preferences::DevicePathPrefix);
    const QStringList types = preferences.valueNamesStartingWith(Preferences::DeviceTypePrefix);
    const QStringList extensions =
        preferences.valueNamesStartingWith(Preferences::DeviceExtensionPrefix);

    // Every name value is looked at, so that one incomplete group does not
    // hide a complete one.
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        const QString suffix = it->mid(Preferences::DeviceNamePrefix.size()).toUpper();
        const QString pathName = valueWithSuffix(paths, Preferences::DevicePathPrefix, suffix);
        const QString typeName = valueWithSuffix(types, Preferences::DeviceTypePrefix, suffix);
        const QString extensionName =
            valueWithSuffix(extensions, Preferences::DeviceExtensionPrefix, suffix);
        const auto name = preferences.readString(*it);
        const auto path = readNamed(preferences, pathName);
        const auto type = readNamed(preferences, typeName);
        if (!name || !path || !type) continue;
        if (path->isEmpty() || !QFileInfo(*path).isFile()) {
            for (const QString& value : {*it, pathName, typeName, extensionName})
                preferences.remove(value);
            continue;
        }
        QString extension = readNamed(preferences, extensionName).value_or(QString());
        if (extension.isEmpty()) extension = DefaultModelExtension;
        list.entries.push_back({*name, *path, *type, extension, suffix});
    }
    return list;
}

int findModelByExtension(const DeviceModelList& list, const QString& extension) {
    for (std::size_t i = 0; i < list.entries.size(); ++i)
        if (list.entries[i].extension.compare(extension, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

bool selectModelByExtension(DeviceModelList& list, Preferences& preferences,
                            const QString& extension) {
    const int index = findModelByExtension(list, extension);
    if (index < 0) return false;
    list.selectedType = list.entries[static_cast<std::size_t>(index)].type;
    preferences.setSettingPlugin(list.selectedType);
    return true;
}

} // namespace skarvion
