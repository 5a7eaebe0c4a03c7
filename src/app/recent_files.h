#pragma once

// The recent-files list of the File menu, kept in the preferences as
// "FileCount" and "File1".."File16", most recent first.

#include "locale/preferences.h"

#include <QString>

#include <functional>
#include <vector>

namespace skarvion {

class RecentFiles {
public:
    static constexpr int DefaultMaxItems = 4;

    int maxItems() const { return maxItems_; }
    const std::vector<QString>& files() const { return files_; }

    // Reads the list size and the files; entries whose file no longer exists
    // are dropped.
    void load(const Preferences& preferences,
              const std::function<bool(const QString&)>& fileExists);

    // Puts the current project first (unless it is untitled) and stores the list.
    void save(Preferences& preferences, const QString& currentFile);

    // A smaller size drops entries from the end.
    void setMaxItems(int maxItems);

private:
    int maxItems_ = DefaultMaxItems;
    std::vector<QString> files_;
};

} // namespace skarvion
