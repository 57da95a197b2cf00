#pragma once

// Exit statuses of kz904-cli. Scripts tell the failures apart by them; every failure also prints
// one line on the error stream naming the file or port and the reason.
namespace kz::cli {

enum ExitStatus : int {
    kSuccess = 0,        // done; diff: the images are equal
    kDifferent = 1,      // diff: the images differ; verify: the pager differs from the file
    kUsage = 2,          // unknown command or option, missing or extra argument
    kFileError = 3,      // a file cannot be read or written, or is no table file
    kPortUnusable = 4,   // the port cannot be opened (absent, in use, not permitted)
    kNoAnswer = 5,       // the programmer or pager did not answer
    kTransferFailed = 6, // the pager answered but the operation failed (write, read, sums)
};

} // namespace kz::cli
