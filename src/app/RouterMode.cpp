#include "app/RouterMode.h"

#include <QObject>
#include <QTimer>
#include <memory>

#include "core/AppContext.h"
#include "net/PeerConnection.h"
#include "net/PortMapper.h"
#include "settings/Settings.h"

void applyRouterMode(PeerConnection& peer, const AppContext& ctx, const Settings& settings,
                     const std::function<void(const QString&)>& log) {
    PortMapper::Config config = peer.portMapper().config();
    QString error;
    if (!PortMapper::chooseMode(ctx.routerOption, qEnvironmentVariable("ROPEWIT_ROUTER"),
                                settings.OpenPortOnRouter, config, error)) {
        config.mode = PortMapper::Mode::Off;
        log(QStringLiteral("NOTICE:> ") + error);
    }
    peer.portMapper().setConfig(config);
}

void whenRouterAnswered(PortMapper& router, quint16 port, QObject* owner,
                        const std::function<void()>& then) {
    if (router.config().mode == PortMapper::Mode::Off) {
        then();
        return;
    }
    // Dies with the window or after the first answer: the others find it gone.
    auto* waiting = new QObject(owner);
    auto done = std::make_shared<bool>(false);
    auto once = [waiting, done, then] {
        if (*done) {
            return;
        }
        *done = true;
        waiting->deleteLater();
        then();
    };
    QObject::connect(&router, &PortMapper::mapped, waiting, once);
    QObject::connect(&router, &PortMapper::settled, waiting, once);
    QTimer::singleShot(3000, waiting, once);
    router.start(port);
}
