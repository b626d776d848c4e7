#include "support/page_server.h"

#include <QHostAddress>
#include <QStringEncoder>
#include <QTcpSocket>
#include <memory>

namespace testing_support {

PageServer::PageServer() {
  server_.listen(QHostAddress::LocalHost, 0);
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
        pending_.erase(socket);
        socket->deleteLater();
      });
    }
  });
}

std::string PageServer::address(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
}

namespace {

// Sends what `more` gives each time the socket has sent all that went before, so that the server
// never holds the test's thread long; when it gives nothing, closes the connection if asked to.
void send(QTcpSocket* socket, PageServer::Stream more, bool closeAtEnd) {
  auto sent = std::make_shared<qint64>(0);
  const auto feed = [socket, sent, more = std::move(more), closeAtEnd] {
    if (socket->bytesToWrite() > 0) return;
    const QByteArray part = more(*sent);
    *sent += part.size();
    if (!part.isEmpty())
      socket->write(part);
    else if (closeAtEnd)
      socket->disconnectFromHost();
  };
  QObject::connect(socket, &QTcpSocket::bytesWritten, socket, feed);
  feed();
}

}  // namespace

void PageServer::answer(QTcpSocket* socket) {
  QByteArray& request = pending_[socket];
  request += socket->readAll();
  if (!request.contains("\r\n\r\n")) return;
  const QByteArray path = request.split(' ').value(1);
  pending_.erase(socket);
  if (const auto streamed = streams_.find(path); streamed != streams_.end()) {
    send(socket, streamed->second, false);
    return;
  }
  const auto found = responses_.find(path);
  const Response response = found != responses_.end() ? found->second : Response{"404 Not Found", "", "", ""};
  QByteArray head = "HTTP/1.1 " + response.status + "\r\n";
  if (!response.contentType.isEmpty()) head += "Content-Type: " + response.contentType + "\r\n";
  head += response.headers;
  head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n";
  send(
      socket,
      [head, body = response.body](qint64 sent) {
        if (sent == 0) return head;
        return body.mid(sent - head.size(), 256 * 1024);
      },
      true);
}

QByteArray Gbk(const char* utf8) {
  QStringEncoder encoder("GB18030");
  return encoder.encode(QString::fromUtf8(utf8));
}

}  // namespace testing_support
