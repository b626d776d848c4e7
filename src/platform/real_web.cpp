// The real desktop's web pages: the network connection as the system reports it, and pages fetched
// over HTTP, decoded by their declared character set and turned from HTML into the text they show.
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <optional>

#include "platform/qt_support.h"
#include "platform/real_desktop.h"
#include "platform/web_browser.h"

namespace platform {

namespace {

// A page larger than this is no news page: its load fails.
constexpr qint64 kLargestPage = 16 * 1024 * 1024;

// The character set a name declares, as a browser takes it: the GBK family is read as GB18030, its
// superset, so that no character of a GBK page is lost.
std::optional<QString> decodeAs(const QByteArray& body, QByteArray name) {
  name = name.trimmed().toLower();
  if (name.isEmpty()) return std::nullopt;
  if (name == "gb2312" || name == "gbk" || name == "x-gbk" || name == "cp936" || name == "windows-936" ||
      name == "gb_2312-80" || name == "euc-cn")
    name = "GB18030";
  QStringDecoder decoder(name.constData());
  if (!decoder.isValid()) return std::nullopt;
  return decoder.decode(body);
}

// The charset parameter of a Content-Type value ("text/html; charset=GBK").
QByteArray headerCharset(const QByteArray& contentType) {
  static const QRegularExpression pattern(QStringLiteral("charset\\s*=\\s*[\"']?([^\"'; ]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  const auto match = pattern.match(QString::fromLatin1(contentType));
  return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The charset a <meta> element of the page declares, in either of its two forms.
QByteArray metaCharset(const QByteArray& body) {
  static const QRegularExpression pattern(
      QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
      QRegularExpression::CaseInsensitiveOption);
  const auto match = pattern.match(QString::fromLatin1(body.left(8192)));
  return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The page as text: by the charset of the HTTP header, else of the page's <meta>, else UTF-8 when
// the bytes are valid UTF-8, else GB18030.
QString decodePage(const QByteArray& body, const QByteArray& contentType) {
  if (auto text = decodeAs(body, headerCharset(contentType))) return *text;
  if (auto text = decodeAs(body, metaCharset(body))) return *text;
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return *decodeAs(body, "GB18030");
}

QString withCrLf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return text;
}

// The text the page's body shows: an HTML page without its markup, a plain text page as it is.
std::string bodyTextOf(const QByteArray& body, const QByteArray& contentType) {
  const QString text = decodePage(body, contentType);
  if (contentType.trimmed().toLower().startsWith("text/plain")) return ss(withCrLf(text));
  QTextDocument document;
  document.setHtml(text);
  return ss(withCrLf(document.toPlainText()));
}

class QtPageLoader : public PageLoader {
 public:
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
    reply_ = manager_->get(request);
    QNetworkReply* reply = reply_;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
      if (received > kLargestPage) reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, manager_, [this, current, load, reply, address] {
      reply->deleteLater();
      if (*current != load) return;
      reply_ = nullptr;
      if (reply->error() != QNetworkReply::NoError) {
        report(address, "");
        return;
      }
      report(address, bodyTextOf(reply->readAll(), reply->rawHeader("Content-Type")));
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

  QNetworkAccessManager* manager_ = new QNetworkAccessManager;
  QPointer<QNetworkReply> reply_;
  // The number of the load whose completion counts; 0 once the loader is gone.
  std::shared_ptr<int> current_ = std::make_shared<int>(0);
};

}  // namespace

bool RealDesktop::networkConnected() {
  static const bool loaded = QNetworkInformation::loadDefaultBackend();
  const QNetworkInformation* information = loaded ? QNetworkInformation::instance() : nullptr;
  return !information || information->reachability() != QNetworkInformation::Reachability::Disconnected;
}

std::unique_ptr<PageLoader> RealDesktop::createPageLoader() {
  return std::make_unique<QtPageLoader>();
}

}  // namespace platform
