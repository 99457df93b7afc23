#include "InterruptSignals.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>
#endif

namespace tavoclip {

#ifdef Q_OS_LINUX
namespace {

sigset_t WatchedSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

}  // namespace

InterruptSignals::InterruptSignals()
{
    const sigset_t set = WatchedSignals();
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) return;
    fd_ = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
}

// The notifier needs the application object, which exists only after the
// signals had to be blocked; so it is made on first use.
void InterruptSignals::OnSignal(std::function<void(int)> callback)
{
    callback_ = std::move(callback);
    if (notifier_ || fd_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Read(); });
}

InterruptSignals::~InterruptSignals()
{
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

void InterruptSignals::Read()
{
    signalfd_siginfo info{};
    while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        if (callback_) callback_(static_cast<int>(info.ssi_signo));
    }
}

void InterruptSignals::UnblockInChild()
{
    const sigset_t set = WatchedSignals();
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

#else

InterruptSignals::InterruptSignals() = default;
InterruptSignals::~InterruptSignals() = default;
void InterruptSignals::OnSignal(std::function<void(int)> callback) { callback_ = std::move(callback); }
void InterruptSignals::Read() {}
void InterruptSignals::UnblockInChild() {}

#endif

}  // namespace tavoclip
