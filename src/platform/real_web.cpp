// The real desktop's web pages: the network connection as the system or the machine's network
// interfaces tell it, and pages fetched over HTTP within limits of size and time, read as the text
// they show.
#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "platform/page_text.h"
#include "platform/qt_support.h"
#include "platform/real_desktop.h"
#include "platform/web_browser.h"

namespace platform {

namespace {

// A page larger than this is no news page: its load fails. Of a smaller one, only the first
// kLargestPageText bytes are kept and read as its text.
constexpr qint64 kLargestPage = 16 * 1024 * 1024;

// Whether the answer's body is the page as it is: no Content-Encoding, or only "identity". A server
// may compress all the same; its bytes are no text, and nothing here unpacks them.
bool sentAsItIs(const QNetworkReply& reply) {
  QByteArray codings = reply.rawHeader("Content-Encoding").toLower();
  codings.removeIf([](char c) { return c == ' ' || c == '\t'; });
  const QList<QByteArray> each = codings.split(',');
  return std::all_of(each.begin(), each.end(),
                     [](const QByteArray& coding) { return coding.isEmpty() || coding == "identity"; });
}

class QtPageLoader : public PageLoader {
 public:
  QtPageLoader(std::chrono::milliseconds headLimit, std::chrono::milliseconds timeLimit)
      : headLimit_(headLimit), timeLimit_(timeLimit) {}

  // The window told of a page may end the program and take this loader with it while the reply is
  // still reporting: the network engine goes once the reply has returned, and nothing this loader
  // started reports any more.
  ~QtPageLoader() override {
    abandon();
    *current_ = 0;
    manager_->deleteLater();
  }

  void navigate(const std::string& address) override {
    abandon();
    const int load = ++*current_;
    const std::shared_ptr<int> current = current_;
    const QUrl url(qs(address));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https")) {
      QTimer::singleShot(0, manager_, [this, current, load, address] {
        if (*current == load) report(address, "");
      });
      return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    // The body comes as the server holds it, unpacked by no one, so that its limit holds for what is kept.
    request.setRawHeader("Accept-Encoding", "identity");
    reply_ = manager_->get(request);
    QNetworkReply* reply = reply_;
    // Only the first part of a page is read as its text: the rest is taken as it comes and dropped.
    auto body = std::make_shared<QByteArray>();
    const auto keep = [reply, body] {
      const QByteArray part = reply->readAll();
      if (body->size() < kLargestPageText) body->append(part.left(kLargestPageText - body->size()));
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, keep);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
      if (received > kLargestPage) reply->abort();
    });
    // A server that never answers, or never ends, fails the load once its time is up. The network
    // engine reads the head of an answer (status line and header lines) whatever its size, so an
    // endless head is bounded by the time it may take.
    const auto giveUp = [this, current, load, address] {
      if (*current != load) return;
      abandon();
      report(address, "");
    };
    QTimer::singleShot(timeLimit_, reply, giveUp);
    auto* headTimer = new QTimer(reply);
    headTimer->setSingleShot(true);
    QObject::connect(headTimer, &QTimer::timeout, reply, giveUp);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, headTimer, &QTimer::stop);
    headTimer->start(headLimit_);
    // A compressed body is not waited for: the head tells, and the load fails at once. The head of a
    // redirect followed says nothing of the page it leads to.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, giveUp] {
      const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
      const bool redirect = status / 100 == 3 && reply->hasRawHeader("Location");
      if (!redirect && !sentAsItIs(*reply)) giveUp();
    });
    QObject::connect(reply, &QNetworkReply::finished, manager_,
                     [this, current, load, reply, address, body, keep] {
                       reply->deleteLater();
                       if (*current != load) return;
                       reply_ = nullptr;
                       if (reply->error() != QNetworkReply::NoError || !sentAsItIs(*reply)) {
                         report(address, "");
                         return;
                       }
                       keep();
                       report(address, pageText(*body, reply->rawHeader("Content-Type")));
                     });
  }

 private:
  void report(const std::string& address, const std::string& text) {
    const auto completedNow = completed;
    if (completedNow) completedNow(address, text);
  }

  // The load still running reports nothing.
  void abandon() {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect();
    reply->abort();
    reply->deleteLater();
  }

  const std::chrono::milliseconds headLimit_, timeLimit_;
  QNetworkAccessManager* manager_ = new QNetworkAccessManager;
  QPointer<QNetworkReply> reply_;
  // The number of the load whose completion counts; 0 once the loader is gone.
  std::shared_ptr<int> current_ = std::make_shared<int>(0);
};

// Whether a network interface other than the loopback one is up, with a link, and has an address.
bool anInterfaceIsUp() {
  const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
  return std::any_of(interfaces.begin(), interfaces.end(), [](const QNetworkInterface& i) {
    const auto flags = i.flags();
    return flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
           !flags.testFlag(QNetworkInterface::IsLoopBack) && !i.addressEntries().isEmpty();
  });
}

}  // namespace

// The system's connectivity service decides where there is one that knows; elsewhere the machine's
// network interfaces do.
bool RealDesktop::networkConnected() {
  static const bool loaded = QNetworkInformation::loadDefaultBackend();
  const QNetworkInformation* information = loaded ? QNetworkInformation::instance() : nullptr;
  const auto reachability =
      information ? information->reachability() : QNetworkInformation::Reachability::Unknown;
  if (reachability == QNetworkInformation::Reachability::Unknown) return anInterfaceIsUp();
  return reachability != QNetworkInformation::Reachability::Disconnected;
}

void RealDesktop::setPageTimeLimits(std::chrono::milliseconds head, std::chrono::milliseconds whole) {
  pageHeadLimit_ = head;
  pageTimeLimit_ = whole;
}

std::unique_ptr<PageLoader> RealDesktop::createPageLoader() {
  return std::make_unique<QtPageLoader>(pageHeadLimit_, pageTimeLimit_);
}

}  // namespace platform
