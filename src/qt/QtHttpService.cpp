// HTTP GET, synchronous for the caller, with a time-out.
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include "qt/QtServices.hpp"

namespace qtfront {

using platform::HttpResult;

HttpResult QtHttpService::Get(const std::string& url, int timeoutMs) {
    HttpResult result;
    const QUrl qurl(QString::fromStdString(url));
    if (!qurl.isValid() || (qurl.scheme() != "http" && qurl.scheme() != "https")) {
        result.error = "Not a web address: " + url;
        return result;
    }
    QNetworkAccessManager manager;
    // A loopback address never goes through a proxy.
    if (QHostAddress(qurl.host()).isLoopback() || qurl.host() == "localhost") {
        manager.setProxy(QNetworkProxy::NoProxy);
    }
    QNetworkRequest request(qurl);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(std::max(1, timeoutMs));
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    if (timedOut) {
        result.error = "No answer within " + std::to_string(timeoutMs) + " ms from " + url;
    } else {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        result.status = status.isValid() ? status.toInt() : 0;
        const QByteArray body = reply->readAll();
        result.body.assign(body.constData(), static_cast<std::size_t>(body.size()));
        if (result.status >= 200 && result.status <= 299 &&
            reply->error() == QNetworkReply::NoError) {
            result.ok = true;
        } else if (result.status != 0) {
            result.error = "HTTP status " + std::to_string(result.status) + " from " + url;
        } else {
            result.error = reply->errorString().toStdString();
        }
    }
    if (!result.ok && timedOut) result.status = 0;
    delete reply;
    return result;
}

}  // namespace qtfront
