#include "app/recent_files.h"

#include "app/project_session.h"

#include <algorithm>

namespace skarvion {

void RecentFiles::load(const Preferences& preferences,
                       const std::function<bool(const QString&)>& fileExists) {
    if (const auto count = preferences.fileCount(); count && *count >= 0) maxItems_ = *count;
    files_ = preferences.recentFiles(maxItems_);
    std::erase_if(files_, [&](const QString& path) { return !fileExists(path); });
}

void RecentFiles::save(Preferences& preferences, const QString& currentFile) {
    if (!currentFile.isEmpty() && currentFile != UntitledName) {
        // A project already listed moves to the top instead of appearing twice.
        std::erase(files_, currentFile);
        if (static_cast<int>(files_.size()) >= maxItems_ && !files_.empty()) files_.pop_back();
        files_.insert(files_.begin(), currentFile);
    }
    preferences.saveRecentFiles(files_, maxItems_);
}

void RecentFiles::setMaxItems(int maxItems) {
    maxItems_ = std::max(0, maxItems);
    if (static_cast<int>(files_.size()) > maxItems_) files_.resize(static_cast<std::size_t>(maxItems_));
}

} // namespace skarvion
