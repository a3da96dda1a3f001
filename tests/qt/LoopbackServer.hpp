// A small HTTP server on the loopback address for the Qt HTTP tests: it serves
// "/<name>/ver.txt" with the reply scripted for <name>, and keeps silent for a status of 0.
// It stands in for a slow or hanging web site too: while `holding`, it keeps every answer back
// until the test calls Release(), and a silent reply's connection stays open until HangUp(). A
// test proves so, without timing anything, that a caller does not wait for the site: it has
// returned while the site still holds its request.
#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qttest {

struct Reply {
    int status;  // 0: never answer (until HangUp())
    const char* body;
};

class LoopbackServer {
public:
    explicit LoopbackServer(std::map<std::string, Reply> scripted) : replies(std::move(scripted)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++open;
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                    --open;
                    socket->deleteLater();
                });
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    ++requests;
                    const int start = request.indexOf('/');
                    const int end = request.indexOf("/ver.txt");
                    const std::string name =
                        start >= 0 && end > start ? request.mid(start + 1, end - start - 1).toStdString()
                                                  : std::string();
                    const auto it = replies.find(name);
                    const Reply reply = it == replies.end() ? Reply{0, ""} : it->second;
                    if (holding || Silent(reply))
                        held_.push_back({socket, reply});
                    else
                        Answer(*socket, reply);
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
    // Answers the requests held back; holds no more until `holding` is set again.
    void Release() {
        holding = false;
        for (const Held& h : std::exchange(held_, {})) {
            if (!h.socket || h.socket->state() != QAbstractSocket::ConnectedState) continue;
            if (Silent(h.reply))
                held_.push_back(h);
            else
                Answer(*h.socket, h.reply);
        }
    }
    // Hangs up on the silent requests, now and from now on (a caller asks again on a new
    // connection when its first is closed unanswered): their callers fail without waiting
    // for their time-out.
    void HangUp() {
        hungUp_ = true;
        Release();
    }

    std::map<std::string, Reply> replies;
    bool holding = false;  // every answer kept back until Release()
    int requests = 0;      // requests received
    int open = 0;          // connections open: a held one until its caller or HangUp() ends it

private:
    bool Silent(const Reply& reply) const { return reply.status == 0 && !hungUp_; }
    // Hangs up on a silent request once HangUp() is called.
    static void Answer(QTcpSocket& socket, const Reply& reply) {
        if (reply.status == 0) {
            socket.abort();
            return;
        }
        const QByteArray body(reply.body);
        const QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) +
                                (reply.status == 200 ? " OK" : " Not Found") +
                                "\r\nContent-Type: text/plain\r\nContent-Length: " +
                                QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
        socket.write(head + body);
        socket.flush();
        socket.disconnectFromHost();
    }

    struct Held {
        QPointer<QTcpSocket> socket;
        Reply reply;
    };
    QTcpServer server_;
    std::vector<Held> held_;
    bool hungUp_ = false;
};

}  // namespace qttest
