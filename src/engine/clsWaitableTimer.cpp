#include "clsWaitableTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <thread>

namespace tavoclip {

clsWaitableTimer::clsWaitableTimer(std::string executableName) : executableName_(std::move(executableName)) {}

std::string clsWaitableTimer::BuildTimerName(std::string_view executableName, int minutes, int seconds) {
    const std::size_t dot = executableName.rfind('.');
    std::string name(dot == std::string_view::npos ? executableName : executableName.substr(0, dot));
    char time[8];
    std::snprintf(time, sizeof time, "%02d%02d", minutes % 100, seconds % 100);
    return name + "Timer" + time;
}

void clsWaitableTimer::Wait(int milliSeconds) {
    const QTime now = QTime::currentTime();
    timerName_ = BuildTimerName(executableName_, now.minute(), now.second());
    waiting_ = true;
    if (milliSeconds > 0) {
        SleepInEventLoop(milliSeconds);
    } else if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
    waiting_ = false;
}

// Qt may end a timer's wait a little early, and a quitting application ends
// every local event loop at once; both cases sleep for what is left, so the
// wait never returns early and never spins.
void clsWaitableTimer::SleepInEventLoop(int milliSeconds) {
    QElapsedTimer clock;
    clock.start();
    auto left = [&] { return milliSeconds - clock.elapsed(); };
    if (QCoreApplication::instance() != nullptr) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        while (left() > 0) {
            timer.start(static_cast<int>(left()));
            if (loop.exec() != 0) break;
        }
    }
    if (left() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left()));
}

bool clsWaitableTimer::WaitUntil(int milliSeconds, const std::function<bool()>& ready) {
    const QTime now = QTime::currentTime();
    timerName_ = BuildTimerName(executableName_, now.minute(), now.second());
    waiting_ = true;
    const bool ranOut = SleepUntilReady(milliSeconds, ready);
    waiting_ = false;
    return ranOut;
}

void clsWaitableTimer::Wake() {
    if (loop_ != nullptr) loop_->quit();
}

// The same loop as SleepInEventLoop, quit also by Wake. A quitting
// application ends local loops at once; with no events running nothing can
// change the condition, so the rest of the time is slept, never spun.
bool clsWaitableTimer::SleepUntilReady(int milliSeconds, const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    auto left = [&] { return milliSeconds - clock.elapsed(); };
    bool loopsRun = QCoreApplication::instance() != nullptr;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    while (!ready()) {
        if (left() <= 0) return true;
        if (loopsRun) {
            loop_ = &loop;
            timer.start(static_cast<int>(left()));
            loopsRun = loop.exec() == 0;
            loop_ = nullptr;
            timer.stop();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(left()));
        }
    }
    return false;
}

}  // namespace tavoclip
