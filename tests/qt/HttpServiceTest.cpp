// The HTTP service against a small server on the loopback address: a body on 200, an error
// on 404, a time-out when nothing answers, and a refused connection.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include "QtTestApp.hpp"

namespace {

// Answers GET /ok with 200 and a body, /missing with 404, and /silent never.
class LocalServer {
public:
    LocalServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    const QByteArray request = socket->readAll();
                    if (request.startsWith("GET /ok ")) {
                        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
                                      "Content-Length: 11\r\nConnection: close\r\n\r\n"
                                      "version 3.2");
                    } else if (request.startsWith("GET /missing ")) {
                        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n"
                                      "Connection: close\r\n\r\nnot found");
                    } else {
                        return;  // /silent: keep the connection open, say nothing
                    }
                    socket->flush();
                    socket->disconnectFromHost();
                });
            }
        });
    }
    std::string Url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    bool Listening() const { return server_.isListening(); }
    void Close() { server_.close(); }

private:
    QTcpServer server_;
};

class HttpServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        ASSERT_TRUE(server.Listening());
    }
    qttest::AppReady ready;
    LocalServer server;
    qtfront::QtHttpService http;
};

TEST_F(HttpServiceTest, ReturnsTheBodyOfA200AndA404IsAFailureWithItsStatus) {
    platform::HttpResult r = http.Get(server.Url("/ok"), 5000);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "version 3.2");
    r = http.Get(server.Url("/missing"), 5000);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 404);
    EXPECT_FALSE(r.error.empty());
}

TEST_F(HttpServiceTest, AServerThatNeverAnswersTimesOut) {
    QElapsedTimer clock;
    clock.start();
    const platform::HttpResult r = http.Get(server.Url("/silent"), 300);
    const qint64 waited = clock.elapsed();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.error.find("No answer"), std::string::npos) << r.error;
    EXPECT_GE(waited, 250);
    EXPECT_LT(waited, 3000);
}

TEST_F(HttpServiceTest, ARefusedConnectionAndANonWebAddressFail) {
    const std::string url = server.Url("/ok");
    server.Close();
    platform::HttpResult r = http.Get(url, 2000);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(r.error.empty());
    r = http.Get("file:///etc/passwd", 2000);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.body.empty());
}

}  // namespace
