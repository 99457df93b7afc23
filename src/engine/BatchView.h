#pragma once

#include <cstddef>
#include <string>

#include "MessageSink.h"

namespace tavoclip {

// The window's choices a file converts with: the format and the list texts.
struct BatchSelections {
    int formatIndex = 0;
    std::string videoBitrate;  // the list texts as shown: "256k", "320x240"
    std::string screenSize;
    std::string audioBitrate;
};

// Everything the batch converts with besides the queue and the options: the
// selections and the output folder exactly as typed (empty: the default
// output folder).
struct BatchSettings {
    BatchSelections selections;
    std::string outputFolder;
};

// How one file of a batch ended, as the driver judged it.
struct FileOutcome {
    std::string source;
    std::string outputPath;
    bool converted = false;
    std::string reason;        // why it failed; empty when converted
    std::size_t position = 0;  // the file's number, as in fileStarted
};

// What the batch driver asks of whoever started it: message boxes (the
// inherited MessageSink), and the two moments at which a window greys and
// gives back the controls that must not run during a batch. Which controls
// those are is the view's business. Everything else the driver reports
// through its signals.
class BatchView : public MessageSink {
public:
    // A batch has been started (before its first file).
    virtual void BatchStarted() {}
    // The batch is over, finished or stopped; called before the failure
    // report, so the report shows over usable controls.
    virtual void BatchEnded() {}
};

}  // namespace tavoclip
