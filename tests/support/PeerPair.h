#pragma once

#include <QtTest>

#include "TestWindow.h"
#include "net/TWSocket.h"

// Two main windows in one process: p1 waits for a call, p2 calls it over loopback, as the
// new game wizard would set them up. Each gets its own settings directory.
struct PeerPair {
    TestWindow p1;
    TestWindow p2;

    PeerPair(const QByteArray& ini1 = {}, const QByteArray& ini2 = {}) : p1(ini1), p2(ini2) {}

    // Both windows leave the welcome panel as a two-player game that is not yet connected.
    static void enterTwoPlayer(TestWindow& t) {
        t->show();
        t->BlankPanel->setEnabled(false);
        t->BlankPanel->hide();
        t->MainPanel->setEnabled(true);
        t->MainPanel->show();
        t->SoloGame = false;
        t->EnableDisable();
        t->StartIt();
    }

    // Listens on p1 (a free port chosen by the system) and lets p2 call it.
    void connect() {
        enterTwoPlayer(p1);
        enterTwoPlayer(p2);
        p1->Listening = true;
        p1->StartServer();
        QVERIFY(p1->SrvWSocket->state() == TWSocket::wsListening);
        p2->ctx.peerPort = p1->SrvWSocket->localPort();
        p2->PeerAddress = QStringLiteral("127.0.0.1");
        p2->ConnectToIP();
        QTRY_VERIFY(p1->Connected && p2->Connected);
    }

    // Waits until both start summaries have been shown.
    void waitForStartSummaries() {
        QTRY_VERIFY(!p1.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty() &&
                    !p2.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty());
    }
};
