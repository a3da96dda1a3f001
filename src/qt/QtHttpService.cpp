// HTTP GET with a time-out: synchronous for the caller, or in the background.
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

namespace {

// How long a finished background request waits when it cannot be reported yet, ms.
constexpr int kReportRetryMs = 50;

// One GET on a manager of its own, cut off after the time-out; `finished` is emitted once,
// also for an address that is no web address.
class HttpFetch : public QObject {
    Q_OBJECT
public:
    HttpFetch(const std::string& url, int timeoutMs) : url_(url), timeoutMs_(timeoutMs) {
        const QUrl qurl(QString::fromStdString(url));
        if (!qurl.isValid() || (qurl.scheme() != "http" && qurl.scheme() != "https")) {
            result_.error = "Not a web address: " + url;
            QTimer::singleShot(0, this, &HttpFetch::finished);
            return;
        }
        // A loopback address never goes through a proxy.
        if (QHostAddress(qurl.host()).isLoopback() || qurl.host() == "localhost") {
            manager_.setProxy(QNetworkProxy::NoProxy);
        }
        QNetworkRequest request(qurl);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        reply_ = manager_.get(request);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] {
            timedOut_ = true;
            reply_->abort();
        });
        connect(reply_, &QNetworkReply::finished, this, [this] {
            timer_.stop();
            TakeResult();
            emit finished();
        });
        timer_.start(std::max(1, timeoutMs));
    }
    ~HttpFetch() override {
        if (reply_) {
            reply_->disconnect(this);
            reply_->abort();
            delete reply_;
        }
    }
    bool Finished() const { return !reply_ || reply_->isFinished(); }
    const HttpResult& Result() const { return result_; }

signals:
    void finished();

private:
    void TakeResult() {
        if (timedOut_) {
            result_.error =
                "No answer within " + std::to_string(timeoutMs_) + " ms from " + url_;
            return;
        }
        const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        result_.status = status.isValid() ? status.toInt() : 0;
        const QByteArray body = reply_->readAll();
        result_.body.assign(body.constData(), static_cast<std::size_t>(body.size()));
        if (result_.status >= 200 && result_.status <= 299 &&
            reply_->error() == QNetworkReply::NoError) {
            result_.ok = true;
        } else if (result_.status != 0) {
            result_.error = "HTTP status " + std::to_string(result_.status) + " from " + url_;
        } else {
            result_.error = reply_->errorString().toStdString();
        }
    }

    std::string url_;
    int timeoutMs_;
    QNetworkAccessManager manager_;
    QNetworkReply* reply_ = nullptr;
    QTimer timer_;
    bool timedOut_ = false;
    HttpResult result_;
};

}  // namespace

HttpResult QtHttpService::Get(const std::string& url, int timeoutMs) {
    HttpFetch fetch(url, timeoutMs);
    QEventLoop loop;
    QObject::connect(&fetch, &HttpFetch::finished, &loop, &QEventLoop::quit);
    if (!fetch.Finished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return fetch.Result();
}

QtHttpService::~QtHttpService() {
    for (auto& [number, job] : running_) delete job.data();
}

int QtHttpService::GetLater(const std::string& url, int timeoutMs, platform::HttpDone done) {
    const int number = ++lastRequest_;
    auto* fetch = new HttpFetch(url, timeoutMs);
    running_[number] = fetch;
    QObject::connect(fetch, &HttpFetch::finished, fetch,
                     [this, number, done = std::move(done)] { Report(number, done); });
    return number;
}

void QtHttpService::Report(int number, const platform::HttpDone& done) {
    auto it = running_.find(number);
    if (it == running_.end() || !it->second) return;
    // Only where a handler could have started (see CanReportNow).
    if (!CanReportNow()) {
        QTimer::singleShot(kReportRetryMs, it->second.data(),
                           [this, number, done] { Report(number, done); });
        return;
    }
    QObject* fetch = it->second.data();
    const HttpResult result = static_cast<HttpFetch*>(fetch)->Result();
    running_.erase(it);
    fetch->deleteLater();
    if (done) done(result);
}

void QtHttpService::Cancel(int request) {
    auto it = running_.find(request);
    if (it == running_.end()) return;
    QObject* fetch = it->second.data();
    running_.erase(it);
    delete fetch;
}

}  // namespace qtfront

#include "QtHttpService.moc"
