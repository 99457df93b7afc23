#include "RunUntil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace tavoclip {

// The loop wakes for every event, and at least every few milliseconds to
// look at the condition, which may change without an event (a file that
// appears, a process that ends).
bool RunUntil(const std::function<bool()>& condition, int timeoutMilliseconds)
{
    const QDeadlineTimer deadline(timeoutMilliseconds);
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, &QEventLoop::quit);
    look.start(5);
    while (!condition() && !deadline.hasExpired()) loop.exec();
    return condition();
}

void DrainEvents()
{
    for (int pass = 0; pass < 100; ++pass) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace tavoclip
