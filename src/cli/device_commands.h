#pragma once

// The device commands of skarvion-cli: ports, read and write.

#include <QStringList>

namespace skarvion::cli {

int commandPorts(const QStringList& arguments);
int commandRead(const QStringList& arguments);
int commandWrite(const QStringList& arguments);

} // namespace skarvion::cli
