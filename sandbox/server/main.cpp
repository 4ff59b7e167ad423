// Stand-in backup server: loopback TCP, one request per connection.
//   request:  "register" TAB login TAB password TAB node LF
//             "reregister" TAB guid TAB login TAB password TAB node LF   (fields percent-encoded)
//   answer:   "OK" TAB guid LF, or "REFUSED" TAB reason LF
// Usage: sandbox-server DIR. DIR/accounts holds "login TAB password" lines; the agents it registered
// are kept in DIR/agents ("guid TAB node"); the port it listens on is written to DIR/port.

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUuid>

namespace {

QHash<QString, QString> readTable(const QString &path)
{
    QHash<QString, QString> table;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 2)
                table.insert(QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]));
        }
    }
    return table;
}

QByteArray answer(const QString &dir, const QList<QByteArray> &encoded)
{
    QStringList fields;
    for (const QByteArray &field : encoded)
        fields.append(QString::fromUtf8(QByteArray::fromPercentEncoding(field)));

    const bool reRegister = fields.value(0) == QLatin1String("reregister");
    if (!(fields.value(0) == QLatin1String("register") && fields.size() == 4) && !(reRegister && fields.size() == 5))
        return "REFUSED\tmalformed request\n";
    const int first = reRegister ? 2 : 1;
    const QHash<QString, QString> accounts = readTable(dir + QStringLiteral("/accounts"));
    if (!accounts.contains(fields[first]) || accounts.value(fields[first]) != fields[first + 1])
        return "REFUSED\tcredentials\n";

    QString guid = fields[1];
    if (reRegister) {
        if (!readTable(dir + QStringLiteral("/agents")).contains(guid))
            return "REFUSED\tunknown agent\n";
    } else {
        guid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        QFile agents(dir + QStringLiteral("/agents"));
        if (agents.open(QIODevice::Append))
            agents.write((guid + QLatin1Char('\t') + fields[first + 2] + QLatin1Char('\n')).toUtf8());
    }
    return "OK\t" + guid.toUtf8() + '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: sandbox-server DIR");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);

    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        qCritical("cannot listen: %s", qPrintable(server.errorString()));
        return 1;
    }
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, dir] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, dir] {
                if (!socket->canReadLine())
                    return;
                socket->write(answer(dir, socket->readLine().trimmed().split('\t')));
                socket->disconnectFromHost();
            });
        }
    });

    // Written whole and then renamed, so a reader never sees half a number.
    QFile port(dir + QStringLiteral("/port.new"));
    if (!port.open(QIODevice::WriteOnly) || port.write(QByteArray::number(server.serverPort())) < 0)
        return 1;
    port.close();
    QFile::remove(dir + QStringLiteral("/port"));
    if (!port.rename(dir + QStringLiteral("/port")))
        return 1;
    return app.exec(); // until SIGTERM
}
