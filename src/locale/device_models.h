#pragma once

// The device model entries registered in the preferences: each names a model,
// a file that must exist, a type text and the project file extension the
// model uses.

#include <QString>

#include <vector>

namespace skarvion {

class Preferences;

struct DeviceModel {
    QString name;      // DEVICE_NAME + suffix
    QString path;      // DEVICE_PATH + suffix
    QString type;      // DEVICE_TYPE + suffix
    QString extension; // DEVICE_EXTN + suffix; ".q417" when empty
    QString suffix;

    bool operator==(const DeviceModel&) const = default;
};

inline constexpr auto DefaultModelExtension = ".q417";

struct DeviceModelList {
    std::vector<DeviceModel> entries;
    QString selectedType; // `SettingPlugin`
};

// Reads the registered models, newest first. A model whose name, path and type
// are strings but whose path is empty or names no file is removed from the
// preferences (all four of its values).
DeviceModelList buildDeviceModelList(Preferences& preferences);

// Index of the first entry whose extension equals the text, ignoring case
// (file extensions are not case-sensitive); -1 when there is none.
int findModelByExtension(const DeviceModelList& list, const QString& extension);

// Makes the type of the first entry with that extension (ignoring case) the
// selected type and stores it as `SettingPlugin` at once. False when no entry
// has the extension.
bool selectModelByExtension(DeviceModelList& list, Preferences& preferences,
                            const QString& extension);

} // namespace skarvion
