#pragma once

#include "FakeMatchServer.h"
#include "TestWindow.h"

// A test window whose matchmaking server is played by the test.
struct ServedWindow : TestWindow {
    FakeMatchServer fs;

    explicit ServedWindow(const QByteArray& iniText = {}) : TestWindow(iniText) {
        useServer(*this, fs.port());
    }
};
