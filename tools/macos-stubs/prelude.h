// Included before every source: Qt's headers, read on Linux, take their macOS branch from here on (Q_OS_MACOS,
// Q_OS_DARWIN), as qsystemdetection.h sets them for Apple's compilers. qglobal.h itself was read first, with the
// Linux values, since its Darwin part wants Apple's Availability.h.
#include <QtCore/qglobal.h>
#undef Q_OS_LINUX
#define Q_OS_DARWIN
#define Q_OS_DARWIN64
#define Q_OS_MACOS
#define Q_OS_MAC
#define Q_OS_BSD4
