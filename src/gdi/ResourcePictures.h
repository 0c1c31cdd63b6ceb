#pragma once

#include <QImage>

namespace Gdi {
// A picture from the program's resources by name ("GAMMA", "GMTUBE", "SIGGEN").
QImage resourcePicture(const char *name);
} // namespace Gdi
