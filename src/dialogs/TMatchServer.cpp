#include "dialogs/TMatchServer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Prompts.h"
#include "net/PeerAddress.h"
#include "widgets/Ui.h"

TMatchServer::TMatchServer(Settings& settings, Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setWindowTitle(tr("Matchmaking Server"));
    setFont(arialFont(13));
    setFixedSize(300, 106);

    Label1 = plainLabel(this,
                        tr("The server both players use to find each other, as "
                           "host or host:port (empty: localhost:52202)."),
                        {8, 4, 284, 38}, Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    ServerAddress = new QLineEdit(this);
    ServerAddress->setMaxLength(kMaxAddress);
    ServerAddress->setGeometry(8, 46, 284, 21);
    ServerAddress->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Matchmaking server"));
    ServerAddress->setAccessibleDescription(Label1->text());
    ServerAddress->setText(settings_.MatchmakingServer);

    OK = new QPushButton(tr("&Ok"), this);
    OK->setGeometry(68, 76, 75, 23);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &TMatchServer::OKClick);
    Cancel = new QPushButton(tr("&Cancel"), this);
    Cancel->setGeometry(156, 76, 75, 23);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TMatchServer::OKClick() {
    const QString text = ServerAddress->text().trimmed();
    if (!text.isEmpty()) {
        const peeraddress::Parsed parsed = peeraddress::parse(text, kServerPort, kMaxAddress);
        if (!parsed.target) {
            prompts_.message(this, tr("Error"), parsed.error);
            ServerAddress->setFocus();
            return;
        }
    }
    settings_.MatchmakingServer = text;
    SaveSettings(settings_);
    accept();
}
