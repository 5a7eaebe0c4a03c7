#pragma once

// The start-up picture shown while the main window is being made.

#include <QPixmap>

namespace skarvion {

QPixmap SplashPicture();

} // namespace skarvion
