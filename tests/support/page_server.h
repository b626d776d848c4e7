// A small HTTP server on 127.0.0.1 for the tests of the real backend's web pages: each request is
// answered with the response stored for its path (404 for any other), then the connection closes;
// or, for a streamed response, with what a hostile server sends for as long as the client reads.
#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <functional>
#include <map>
#include <string>

class QTcpSocket;

namespace testing_support {

class PageServer {
 public:
  struct Response {
    QByteArray status = "200 OK";
    QByteArray contentType;  // no Content-Type header when empty
    QByteArray body;
    QByteArray headers = {};  // header lines sent as they are, each ended with CR LF
  };

  PageServer();
  // The address of a path on this server ("http://127.0.0.1:PORT/path").
  std::string address(const std::string& path) const;
  void serve(const QByteArray& path, Response response) { responses_[path] = std::move(response); }
  // The path is answered with the raw bytes that `more` gives, each time the client has taken what
  // went before (`sent` bytes so far); once it gives nothing, nothing more is sent and the connection
  // stays open.
  using Stream = std::function<QByteArray(qint64 sent)>;
  void stream(const QByteArray& path, Stream more) { streams_[path] = std::move(more); }

 private:
  void answer(QTcpSocket* socket);

  QTcpServer server_;
  std::map<QByteArray, Response> responses_;
  std::map<QByteArray, Stream> streams_;
  std::map<QTcpSocket*, QByteArray> pending_;
};

// The text in GB18030 (GBK for every GBK character), as a Chinese page of the older kind is written.
QByteArray Gbk(const char* utf8);

}  // namespace testing_support
