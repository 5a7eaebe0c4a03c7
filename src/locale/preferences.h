#pragma once

// The program's stored preferences: named values kept with QSettings under the
// organisation "KORMAST" and the application "zirid5_10" (on Windows the
// registry key Software\KORMAST\zirid5_10).

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace skarvion {

class Preferences {
  public:
    // Value names.
    static inline const QString SettingLanguage = QStringLiteral("SettingLanguage");
    static inline const QString LanguageNamePrefix = QStringLiteral("LANGUAGE_NAME");
    static inline const QString LanguagePathPrefix = QStringLiteral("LANGUAGE_PATH");
    static inline const QString CpuPort = QStringLiteral("CPUPort");
    static inline const QString FileCount = QStringLiteral("FileCount");
    static inline const QString WorkPath = QStringLiteral("WorkPath");
    static inline const QString SettingPlugin = QStringLiteral("SettingPlugin");
    static inline const QString DeviceNamePrefix = QStringLiteral("DEVICE_NAME");
    static inline const QString DevicePathPrefix = QStringLiteral("DEVICE_PATH");
    static inline const QString DeviceTypePrefix = QStringLiteral("DEVICE_TYPE");
    static inline const QString DeviceExtensionPrefix = QStringLiteral("DEVICE_EXTN");
    static inline const QString RegisteredLanguageName = QStringLiteral("1Main_LanguagName");
    static inline const QString RecentFilePrefix = QStringLiteral("File");
    static inline const QString BaseHelpFile = QStringLiteral("BaseHelpFile");

    // At most this many recent files are stored ("File1".."File16").
    static constexpr int MaxRecentFiles = 16;

    explicit Preferences(QSettings& settings) : settings_(settings) {}

    // The program's own settings location. Reads fall back to the machine-wide
    // location where the user's has no value; writes go to the user's.
    static std::unique_ptr<QSettings> openProgramSettings();

    // Typed access. A value of another kind reads as absent: a string is any
    // single text (not a list); an integer is a stored number or, as formats
    // that keep text only store it, a text of a decimal number.
    std::optional<QString> readString(const QString& name) const;
    std::optional<int> readInteger(const QString& name) const;
    bool contains(const QString& name) const;
    void writeString(const QString& name, const QString& value);
    void writeInteger(const QString& name, int value);
    void remove(const QString& name);

    // Names of the stored values, in ascending order.
    QStringList valueNames() const;
    // The stored names that start with prefix, ignoring case, in the order
    // the entries were most likely added: by the number of a "_<n>" suffix
    // ("_10" after "_9"), names without such a suffix last.
    QStringList valueNamesStartingWith(const QString& prefix) const;
    // The stored name equal to name ignoring case; empty when there is none.
    QString storedName(const QString& name) const;

    std::optional<QString> settingLanguage() const { return readString(SettingLanguage); }
    void setSettingLanguage(const QString& name) { writeString(SettingLanguage, name); }
    std::optional<QString> cpuPort() const { return readString(CpuPort); }
    void setCpuPort(const QString& port) { writeString(CpuPort, port); }
    std::optional<int> fileCount() const { return readInteger(FileCount); }
    void setFileCount(int count) { writeInteger(FileCount, count); }
    std::optional<QString> workPath() const { return readString(WorkPath); }
    void setWorkPath(const QString& path) { writeString(WorkPath, path); }
    std::optional<QString> settingPlugin() const { return readString(SettingPlugin); }
    void setSettingPlugin(const QString& type) { writeString(SettingPlugin, type); }
    std::optional<QString> baseHelpFile() const { return readString(BaseHelpFile); }
    // `1Main_LanguagName`, never written by the program; empty when absent.
    QString registeredLanguageName() const {
        return readString(RegisteredLanguageName).value_or(QString());
    }

    // The stored recent files "File1".."File<n>", n = min(maxItems, 16), that
    // are non-empty strings, most recent first.
    std::vector<QString> recentFiles(int maxItems) const;

    // Stores the recent-files list: FileCount = maxItems and "File<n>" for the
    // first min(count, 16) entries. Empty entries are not written; their
    // values, and those beyond the list, are removed so that no stale entry of
    // an earlier list comes back.
    void saveRecentFiles(const std::vector<QString>& files, int maxItems);

    void sync() { settings_.sync(); }

  private:
    QSettings& settings_;
};

} // namespace skarvion
