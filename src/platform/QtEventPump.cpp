#include "QtEventPump.h"

#include <QCoreApplication>

namespace tavoclip {

void QtEventPump::ProcessPendingEvents()
{
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace tavoclip
