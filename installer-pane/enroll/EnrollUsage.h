#pragma once

#include <QCoreApplication>
#include <QString>

namespace installer {

// What --help prints, apart from the parsing that EnrollOptions does.
class EnrollUsage
{
    Q_DECLARE_TR_FUNCTIONS(installer::EnrollUsage)

public:
    // Every command and option, each with an example, and the exit statuses.
    static QString text();
};

} // namespace installer
