#pragma once

// The simulator's stored configuration on disk, so that it survives restarts.

#include <optional>
#include <string>

namespace skarvion::sim {

// The stored data, or none when the file does not exist or cannot be read.
std::optional<std::string> LoadState(const std::string& path);

// Replaces the file only once the new content is complete (temp file + rename).
bool SaveState(const std::string& path, const std::string& data);

} // namespace skarvion::sim
