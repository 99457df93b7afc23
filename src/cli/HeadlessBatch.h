#pragma once

#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

#include "ConverterCommand.h"

namespace tavoclip {

class BatchDriver;
class ConsoleBatchView;
struct BatchRequest;

// tavoclip-batch: the window's batch without the window. The same queue,
// command builder, runners and batch driver, wired to a console view. Needs a running QCoreApplication.
class HeadlessBatch {
public:
    HeadlessBatch(std::FILE* out, std::FILE* err, bool terminal);

    // arguments include the program name first; returns the exit status:
    // 0 all converted, 1 any failed, 2 arguments refused or nothing to do.
    int Run(const QStringList& arguments);

private:
    int Convert(const BatchRequest& request);
    int RunBatch(BatchDriver& driver, const ConsoleBatchView& view) const;
    int PrintJobs(const std::vector<ConverterCommand>& commands) const;

    std::FILE* out_;
    std::FILE* err_;
    bool terminal_;
};

}  // namespace tavoclip
