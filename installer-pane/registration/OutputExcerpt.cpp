#include "installer-pane/registration/OutputExcerpt.h"

namespace installer {

QString outputExcerpt(const std::optional<QString> &output)
{
    if (!output)
        return QString();
    if (output->size() <= kOutputExcerptLength)
        return *output;
    qsizetype start = output->size() - kOutputExcerptLength;
    // Never begin with the second half of a surrogate pair.
    if (output->at(start).isLowSurrogate())
        ++start;
    return QStringLiteral("…\n") + output->sliced(start);
}

} // namespace installer
