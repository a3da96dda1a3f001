// A small HTTP server on the loopback address for the Qt HTTP tests: it serves
// "/<name>/ver.txt" with the reply scripted for <name>, and keeps silent for a status of 0.
#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <string>

namespace qttest {

struct Reply {
    int status;  // 0: never answer
    const char* body;
};

class LoopbackServer {
public:
    explicit LoopbackServer(std::map<std::string, Reply> scripted) : replies(std::move(scripted)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    ++requests;
                    const int start = request.indexOf('/');
                    const int end = request.indexOf("/ver.txt");
                    const std::string name =
                        start >= 0 && end > start ? request.mid(start + 1, end - start - 1).toStdString()
                                                  : std::string();
                    const auto it = replies.find(name);
                    if (it == replies.end() || it->second.status == 0) return;  // silence
                    const QByteArray body(it->second.body);
                    QByteArray head = "HTTP/1.1 " + QByteArray::number(it->second.status) +
                                      (it->second.status == 200 ? " OK" : " Not Found") +
                                      "\r\nContent-Type: text/plain\r\nContent-Length: " +
                                      QByteArray::number(body.size()) +
                                      "\r\nConnection: close\r\n\r\n";
                    socket->write(head + body);
                    socket->flush();
                    socket->disconnectFromHost();
                });
            }
        });
    }
    // The folder of one scripted reply; its file is Site(name) + "ver.txt".
    std::string Site(const std::string& name) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/" + name + "/";
    }
    bool Listening() const { return server_.isListening(); }
    void Close() { server_.close(); }

    std::map<std::string, Reply> replies;
    int requests = 0;  // requests received

private:
    QTcpServer server_;
};

}  // namespace qttest
