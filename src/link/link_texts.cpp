#include "link/link_texts.h"

#include "model/windows1251.h"

#include <map>
#include <string>

namespace skarvion {

namespace {

struct BuiltInText {
    std::string_view key;
    const char* utf8;
};

constexpr BuiltInText BuiltInTexts[] = {
    {LinkKey::ReadData, "Чтение"},
    {LinkKey::WriteData, "Запись"},
    {LinkKey::TestConnect, "Проверка связи"},
    {LinkKey::PrepareRead, "Preparing for Data reading "},
    {LinkKey::DeviceNoLink, "Устройство не отвечает"},
    {LinkKey::DeviceSettingsError, "The device has settings with error"},
    {LinkKey::ReadError, "Чтение - ошибка "},
    {LinkKey::ReadOk, "Чтение - завершено"},
    {LinkKey::DataCheck, "Data Check"},
    {LinkKey::PrepareWrite, "Preparing for sending Data "},
    {LinkKey::WriteError, "Запись - ошибка"},
    {LinkKey::WriteOk, "Запись - завершено"},
    {LinkKey::DumpVersionError, "Эта программа не работает с этой версией устройства"},
    {LinkKey::ConfirmWrite, "Записать данные в устройство?"},
    {LinkKey::ReadCaption, "Чтение"},
    {LinkKey::WriteCaption, "Запись"},
    {LinkKey::ProcessProgress, "Process Progress"},
    {LinkKey::StatusHeader, "CPU Port: "},
};

// Converted once to the single-byte texts the rest of the program uses.
const std::map<std::string_view, std::string>& builtInTable() {
    static const std::map<std::string_view, std::string> table = [] {
        std::map<std::string_view, std::string> t;
        for (const BuiltInText& entry : BuiltInTexts)
            t.emplace(entry.key, Utf8ToWindows1251(entry.utf8).value_or(std::string{}));
        return t;
    }();
    return table;
}

} // namespace

LinkText LinkTextFor(std::string_view key) {
    const auto& table = builtInTable();
    const auto it = table.find(key);
    if (it == table.end()) return {key, {}};
    return {it->first, it->second};
}

} // namespace skarvion
