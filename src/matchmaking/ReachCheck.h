#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QTcpSocket;

// Asks the matchmaking server whether a caller from outside reaches this player at the
// address it registered (08). The server calls that address and greets with the nonce given
// here, which tells the game the call is the probe. A server that does not know the request
// closes or stays silent: then nothing is signalled and the game goes on as it always did.
class ReachCheck : public QObject {
    Q_OBJECT
public:
    explicit ReachCheck(QObject* parent = nullptr);
    ~ReachCheck() override;

    // Begins a check; returns the bytes the probe will greet the game with.
    QByteArray start(const QString& host, quint16 port, const QString& address);
    void cancel();
    // The whole check, from asking to the answer.
    static constexpr int kWaitMs = 5000;

Q_SIGNALS:
    // relayPort is 0 when the server has no relay.
    void answered(bool reachable, quint16 relayPort);

private:
    void onReadyRead();

    std::unique_ptr<QTcpSocket> socket_;
    QTimer timer_;
};
