#pragma once

#include <QString>
#include <exception>

// Runs a handler so that an exception it throws is told in one "NOTICE:> " line of the
// window's log instead of leaving the event loop.
template <typename Window, typename Handler>
void noticeOnThrow(Window& window, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        window.LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    }
}
