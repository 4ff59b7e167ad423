#pragma once

#include <QString>

#include <optional>

namespace installer {

// The most of a child's output that a failure message shows: an alert holding megabytes could
// neither be read nor dismissed.
inline constexpr qsizetype kOutputExcerptLength = 4000;

// The output's last kOutputExcerptLength characters, led by "…" and a line feed when cut; an
// absent output (not UTF-8) is empty.
QString outputExcerpt(const std::optional<QString> &output);

} // namespace installer
