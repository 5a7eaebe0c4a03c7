#pragma once

// Project files (".SK2050"): the device image protected by its digest,
// followed by the print-information texts the image has no room for.

#include "model/configuration_model.h"
#include "model/device_image.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace skarvion {

inline constexpr const char* ProjectSignature = "SK3X5CR";
inline constexpr const char* ProjectExtension = ".SK2050";

// What a project-file operation came to. A failure names the language key of
// its message and the argument that fills the message's %s; failures of the
// file system carry the system's own description instead of a key.
struct ProjectFileResult {
    std::string messageKey; // empty on success and on system errors
    QString argument;
    QString systemError; // set when the file system refused

    bool ok() const { return messageKey.empty() && systemError.isEmpty(); }
    static ProjectFileResult success() { return {}; }
};

// The bytes of a project file for the model.
QByteArray ProjectFileBytes(const ConfigurationModel& model);

// Writes the model to `path`, replacing any file there only once the new one
// is complete: a failed write leaves the old file as it was.
ProjectFileResult WriteProjectFile(const QString& path, const ConfigurationModel& model);

// Replaces the model by the file's configuration. On any failure the model is
// left untouched.
ProjectFileResult ReadProjectFile(const QString& path, ConfigurationModel& model);

// The same checks and decoding over bytes already in memory.
ProjectFileResult ParseProjectFile(const QByteArray& bytes, ConfigurationModel& model);

} // namespace skarvion
