#pragma once

#include "comm_port.h"
#include "pager_host.h"
#include "pager_operations.h"

namespace kz {

// Marks an operation as running and, should anything escape it before its own end path ran,
// still leaves the port closed, the progress window closed and the main window enabled. The
// outcome of the previous operation goes as this one starts.
class OperationScope {
public:
    explicit OperationScope(PagerOperations& operations) : ops_(operations) {
        ops_.busy_ = true;
        ops_.host_.clearLastOutcome();
    }
    ~OperationScope() {
        if (!ended_) {
            ops_.port_.close();
            ops_.host_.closeProgress();
            ops_.host_.setMainWindowEnabled(true);
        }
        ops_.busy_ = false;
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

    void ended() { ended_ = true; }

private:
    PagerOperations& ops_;
    bool ended_ = false;
};

} // namespace kz
