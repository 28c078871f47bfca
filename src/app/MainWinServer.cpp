// The matchmaking server client.
#include "app/MainWin.h"
#include "net/TWSocket.h"

void TMainWin::BeginServerRequest(int request) {
    ServerRequest = request;
}
void TMainWin::UnLog() {
    LoggedOnServer = false;
    UnLogDone = true;
}
void TMainWin::CliSrvWSocketDnsLookupDone(int) {}
void TMainWin::CliSrvWSocketSessionConnected(int) {}
void TMainWin::CliSrvWSocketDataAvailable(int) {}
void TMainWin::CliSrvWSocketSessionClosed(int) {}
void TMainWin::AddressHistory(const QString&) {}

QStringList TMainWin::LocalAddresses() const {
    return ctx.localAddresses ? ctx.localAddresses() : TWSocket::LocalIPList();
}
