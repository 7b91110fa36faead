// A small HTTP server on 127.0.0.1 that a test drives from its own event loop: every
// connection reads the request head and is answered as the current script says - a
// response, a body cut short of its announced length, a body trickled byte by byte, or
// no answer at all.
#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace test_support {

struct HttpScript {
  enum class Mode {
    Respond,   // status, headers and the whole body, then close
    CutShort,  // announces more than it sends, then closes the connection
    Silent,    // accepts and never answers
    Trickle,   // the head, then one byte of the body every 100 ms
  };
  Mode mode = Mode::Respond;
  int status = 200;
  QByteArray content_type = "text/plain";
  QByteArray body;
};

class LoopbackHttpServer {
 public:
  LoopbackHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
  }

  [[nodiscard]] quint16 port() const { return server_.serverPort(); }
  void set_script(HttpScript script) { script_ = std::move(script); }
  // The request targets in arrival order ("/HISTORYDATA/TW539.txt").
  QStringList paths;

 private:
  void accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
  }

  void read(QTcpSocket* socket) {
    QByteArray& head = heads_[socket];
    head += socket->readAll();
    if (!head.contains("\r\n\r\n")) return;
    paths << QString::fromLatin1(head.split(' ').value(1));
    heads_.remove(socket);
    answer(socket);
  }

  void answer(QTcpSocket* socket) const {
    if (script_.mode == HttpScript::Mode::Silent) return;
    const qsizetype announced = script_.body.size() + (script_.mode == HttpScript::Mode::CutShort ? 4096 : 0);
    QByteArray response = "HTTP/1.1 " + QByteArray::number(script_.status) + " " + reason(script_.status) + "\r\n";
    response += "Content-Type: " + script_.content_type + "\r\n";
    response += "Content-Length: " + QByteArray::number(announced) + "\r\n";
    response += "Connection: close\r\n\r\n";
    if (script_.mode == HttpScript::Mode::Trickle) return trickle(socket, response, script_.body);
    socket->write(response + script_.body);
    socket->disconnectFromHost();  // after the bytes above are written
  }

  static void trickle(QTcpSocket* socket, const QByteArray& head, const QByteArray& body) {
    socket->write(head);
    auto* timer = new QTimer(socket);  // goes with the connection
    QObject::connect(timer, &QTimer::timeout, socket, [socket, body, sent = qsizetype(0)]() mutable {
      if (sent < body.size()) socket->write(body.mid(sent++, 1));
      else socket->disconnectFromHost();
    });
    timer->start(100);
  }

  static QByteArray reason(int status) {
    switch (status) {
      case 200: return "OK";
      case 404: return "Not Found";
      case 500: return "Internal Server Error";
      default: return "Status";
    }
  }

  QTcpServer server_;
  HttpScript script_;
  QHash<QTcpSocket*, QByteArray> heads_;
};

}  // namespace test_support
