#include "platform/linux/remote_socket.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace vnovla::platform::linux_desktop {

namespace {

// A client that connects and sends nothing (or keeps sending) is dropped after this long, so
// that it cannot hold a connection open for ever.
constexpr int kConnectionMilliseconds = 2000;

} // namespace

bool peerIsThisUser(qintptr socketDescriptor)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                   &size) != 0)
        return false;
    return credentials.uid == geteuid();
}

RemoteServer::RemoteServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &RemoteServer::accept);
}

RemoteServer::~RemoteServer() = default;

bool RemoteServer::listen(const QString& path)
{
    if (server_->listen(path))
        return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

QString RemoteServer::errorString() const
{
    return server_->errorString();
}

void RemoteServer::accept()
{
    while (QLocalSocket* connection = server_->nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        if (!peerIsThisUser(connection->socketDescriptor())) {
            connection->write(remote::kReplyRefused.data(),
                              static_cast<qint64>(remote::kReplyRefused.size()));
            connection->disconnectFromServer();
            continue;
        }
        serve(connection);
    }
}

void RemoteServer::serve(QLocalSocket* connection)
{
    auto received = std::make_shared<std::string>();
    QTimer::singleShot(kConnectionMilliseconds, connection, [connection] { connection->abort(); });
    connect(connection, &QLocalSocket::readyRead, connection, [this, connection, received] {
        const QByteArray bytes = connection->read(
            static_cast<qint64>(remote::kMaximumRequestBytes + 1 - received->size()));
        received->append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        if (!remote::requestComplete(*received))
            return;
        // Read no more: whatever else the client sends is not looked at.
        disconnect(connection, &QLocalSocket::readyRead, nullptr, nullptr);
        const auto request = remote::decodeRequest(*received);
        std::string_view reply = remote::kReplyRefused;
        if (request)
            reply = handler_(*request);
        connection->write(reply.data(), static_cast<qint64>(reply.size()));
        connection->disconnectFromServer();
    });
}

std::optional<std::string> sendRemoteRequest(const QString& path, const remote::Request& request,
                                             int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs))
        return std::nullopt;
    const std::string bytes = remote::encodeRequest(request);
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!socket.waitForBytesWritten(timeoutMs))
        return std::nullopt;
    std::string reply;
    while (reply.find('\n') == std::string::npos && reply.size() < 64) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(timeoutMs))
            break;
        reply += socket.readAll().toStdString();
    }
    if (reply.empty())
        return std::nullopt;
    return reply;
}

} // namespace vnovla::platform::linux_desktop
