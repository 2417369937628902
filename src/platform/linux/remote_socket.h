#pragma once

#include "remote/remote_request.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace vnovla::platform::linux_desktop {

// The running launcher's end of the local socket that second starts, desktop shortcuts and
// scripts send requests to. The socket file is the user's alone, and a connection from
// another user is refused even where the file's mode would let it through.
class RemoteServer : public QObject
{
    Q_OBJECT

public:
    // handler answers a request with one of the replies of remote_request.h.
    using Handler = std::function<std::string_view(const remote::Request&)>;

    RemoteServer(Handler handler, QObject* parent = nullptr);
    ~RemoteServer() override;

    // Listens at path. A socket file left there by a launcher that ended without removing it
    // is replaced: the caller holds the single-copy lock, so no live launcher owns it. False,
    // with the reason in errorString(), when the socket cannot be made.
    bool listen(const QString& path);
    QString errorString() const;

private:
    void accept();
    void serve(QLocalSocket* connection);

    Handler handler_;
    QLocalServer* server_;
};

// Whether the peer of a connected local socket runs as this program's user.
bool peerIsThisUser(qintptr socketDescriptor);

// Sends request to the launcher listening at path and returns its one-line answer; nothing
// when no launcher answers within timeoutMs.
std::optional<std::string> sendRemoteRequest(const QString& path, const remote::Request& request,
                                             int timeoutMs);

} // namespace vnovla::platform::linux_desktop
