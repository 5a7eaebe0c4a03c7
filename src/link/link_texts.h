#pragma once

// The language keys of the transfer texts with their built-in texts.

#include "link/link_interfaces.h"

#include <string_view>

namespace skarvion {

namespace LinkKey {
inline constexpr std::string_view ReadData = "F2_L_READ_DATA";
inline constexpr std::string_view WriteData = "F2_L_WRITE_DATA";
inline constexpr std::string_view TestConnect = "F2_TEST_CONNECT";
inline constexpr std::string_view PrepareRead = "F2_PR_DATA_READ";
inline constexpr std::string_view DeviceNoLink = "F2_DEVICE_N_LINK";
inline constexpr std::string_view DeviceSettingsError = "F2_DEVICE_SET_ERR";
inline constexpr std::string_view ReadError = "F2_ERR_READ";
inline constexpr std::string_view ReadOk = "F2_READ_OK";
inline constexpr std::string_view DataCheck = "F2_DATA_CHECK";
inline constexpr std::string_view PrepareWrite = "F2_PREP_DATA_WRITE";
inline constexpr std::string_view WriteError = "F2_WRITE_ERR";
inline constexpr std::string_view WriteOk = "F2_WRITE_OK";
inline constexpr std::string_view DumpVersionError = "F2_DAMP_VER_ERR";
inline constexpr std::string_view ConfirmWrite = "F2_MESSAGE_Q_W_D";
inline constexpr std::string_view ReadCaption = "F2_MESSAGE_R_DATA";
inline constexpr std::string_view WriteCaption = "F2_MESSAGE_W_DATA";
inline constexpr std::string_view ProcessProgress = "F2_PROCES_PROGRES";
inline constexpr std::string_view StatusHeader = "STATUSHEADER_1";
} // namespace LinkKey

// The key with its built-in text (Windows-1251); an unknown key gets an empty text.
LinkText LinkTextFor(std::string_view key);

} // namespace skarvion
