#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QTcpSocket;

// One connection to the matchmaking server's relay: a waiting player holds it open until a
// caller is joined to it, or a caller presents the token of a relayed player's address. Once
// the relay says the two are joined, the connection is handed over (takeJoined) and is from
// then on the game's connection, byte for byte as a direct one.
class RelayClient : public QObject {
    Q_OBJECT
public:
    explicit RelayClient(QObject* parent = nullptr);
    ~RelayClient() override;

    // As the waiting player: name and address exactly as registered.
    void hold(const QString& host, quint16 port, const QString& name, const QString& address);
    // As a caller: the token of a listed HOST:PORT/TOKEN address.
    void call(const QString& host, quint16 port, const QString& token);
    // Closes it quietly (the player stopped waiting); nothing more is signalled.
    void close();
    bool active() const { return socket_ != nullptr; }
    bool holding() const { return active() && holding_; }
    // After joined(): the connection, now the game's.
    std::unique_ptr<QTcpSocket> takeJoined();

    // How long a caller waits for the relay to join it.
    int callWait() const { return callTimer_.interval(); }

Q_SIGNALS:
    // The waiting player is listed at this address.
    void held(const QString& listed);
    // The relay joined a caller to this side (as the player) or this side to the player.
    void joined();
    // The link ended before a join; one plain line for the connection log.
    void failed(const QString& line);

private:
    void open(const QString& host, quint16 port, const QByteArray& first);
    void onReadyRead();
    void fail(const QString& line);

    std::unique_ptr<QTcpSocket> socket_;
    QString where_;  // HOST:PORT, for the lines that say what went wrong
    bool holding_ = false;
    bool connected_ = false;
    QTimer callTimer_;
};
