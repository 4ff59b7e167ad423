// Usage: sandbox-tour SANDBOX [--auto] [--managed | --enroll | --hands-on]
#include "sandbox/tour/Tour.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        qCritical("usage: sandbox-tour SANDBOX [--auto] [--managed | --enroll | --hands-on]");
        return 2;
    }
    sandbox::Tour tour(arguments.at(1), arguments.contains(QStringLiteral("--auto")),
                       arguments.contains(QStringLiteral("--managed")));
    if (arguments.contains(QStringLiteral("--hands-on")))
        return tour.runHandsOn();
    return arguments.contains(QStringLiteral("--enroll")) ? tour.runEnrollCommand() : tour.run();
}
