#include "app/CommandLine.h"

#include "core/Random.h"

std::optional<quint16> parsePort(const QString& text) {
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 10);
    if (!ok || value < 1 || value > 65535) {
        return std::nullopt;
    }
    return static_cast<quint16>(value);
}

std::optional<std::pair<QString, quint16>> parseHostPort(const QString& text, quint16 defaultPort) {
    QString host = text.trimmed();
    QString port;
    if (host.startsWith(QLatin1Char('['))) {
        const qsizetype close = host.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return std::nullopt;
        }
        const QString rest = host.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) {
                return std::nullopt;
            }
            port = rest.mid(1);
        }
        host = host.mid(1, close - 1);
    } else if (host.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = host.indexOf(QLatin1Char(':'));
        port = host.mid(colon + 1);
        host = host.left(colon);
    }
    if (host.isEmpty() || host.size() > 255 || host.contains(QLatin1Char(' '))) {
        return std::nullopt;
    }
    quint16 number = defaultPort;
    if (!port.isNull()) {
        const auto parsed = parsePort(port);
        if (!parsed) {
            return std::nullopt;
        }
        number = *parsed;
    }
    return std::make_pair(host, number);
}

std::optional<quint32> startSeed(const QString& text, bool given) {
    if (!given) {
        return startUpSeed();
    }
    bool ok = false;
    const quint32 seed = text.trimmed().toUInt(&ok, 10);
    return ok ? std::optional<quint32>(seed) : std::nullopt;
}
