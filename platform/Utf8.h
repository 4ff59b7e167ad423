#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace platform {

// A child's output as text: none unless the bytes are whole, valid UTF-8 (a sequence cut off at the
// end is invalid too). A leading byte order mark is kept as the child wrote it.
std::optional<QString> decodeUtf8(QByteArrayView bytes);

} // namespace platform
