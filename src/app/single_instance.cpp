#include "single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>

namespace kz {

namespace {
constexpr int kConnectTimeoutMs = 500;
const QByteArray kRaiseRequest = "raise\n";
} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), serverName_(serverNameFor(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString& key) {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    // The title holds blanks and dots; a hash keeps the name portable across platforms.
    const QByteArray digest = QCryptographicHash::hash((key + QLatin1Char('|') + user).toUtf8(),
                                                       QCryptographicHash::Sha1);
    return QStringLiteral("kz904-") + QString::fromLatin1(digest.toHex().left(16));
}

bool SingleInstance::anotherCopyIsRunning() {
    QLocalSocket socket;
#ifdef Q_OS_LINUX
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
#endif
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(kConnectTimeoutMs)) {
        socket.write(kRaiseRequest);
        socket.waitForBytesWritten(kConnectTimeoutMs);
        socket.disconnectFromServer();
        return true;
    }

    server_ = new QLocalServer(this);
#ifdef Q_OS_LINUX
    // Abstract namespace: a crashed copy leaves no socket file behind to block the next start.
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
#else
    QLocalServer::removeServer(serverName_);
#endif
    if (!server_->listen(serverName_)) {
        // Without the guard the program still works; only the second-copy check is lost.
        qWarning("Single-instance guard unavailable: %s", qPrintable(server_->errorString()));
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return false;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // The request may already be waiting, or the other copy may already have gone: read it
        // whenever it shows, once.
        auto readRequest = [this, socket] {
            if (socket->property("handled").toBool())
                return;
            if (socket->readAll().contains("raise")) {
                socket->setProperty("handled", true);
                emit activationRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        connect(socket, &QLocalSocket::disconnected, this, [socket, readRequest] {
            readRequest();
            socket->deleteLater();
        });
        readRequest();
    }
}

} // namespace kz
