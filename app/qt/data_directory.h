#pragma once

#include <QString>

namespace vev {

// The folder whose sw/ holds the demonstration: `requested` when given; otherwise the working
// directory when it has sw/, else the first of the installed data directory (share/vev beside
// the program's bin/) and the source tree the program was built from that has one. The working
// directory when none has.
QString findDataDirectory(const QString& requested);

}  // namespace vev
