#pragma once
// The fake controller on its own thread and event loop, so the timed side
// never runs it.
#include "support/FakeController.h"

#include <QThread>
#include <atomic>

class FilaFake : public QThread {
public:
    std::atomic<int> porta{-1};   // -1 while starting, 0 when it could not listen

protected:
    void run() override
    {
        Test::FakeController fake;
        porta = fake.AvviaTcp() ? fake.porta() : 0;
        exec();
    }
};
