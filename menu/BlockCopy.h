#pragma once

#include <QString>

#include <functional>

namespace menu {

// How a copy of the copy dialog ended.
enum class CopyOutcome {
    Copied,
    AlreadyThere,       // source and destination are the same file: nothing to do
    DestinationKept,    // an existing destination that may not be replaced (read-only, a folder)
    SourceUnreadable,   // the source cannot be opened
    DestinationBlocked, // the destination cannot be created
    Interrupted,        // reading or writing failed part way; the incomplete copy was removed
};

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Copied;
    QString error; // the system's reason, for Interrupted
};

// Copies `source` to `destination` in blocks of `blockSize` bytes, calling `afterBlock` with the
// percentage copied so far (rounded) after each block. An existing destination is deleted first;
// the copy itself never overwrites. The copy keeps the source's modification time.
CopyResult copyInBlocks(const QString& source, const QString& destination,
                        const std::function<void(int percent)>& afterBlock, qint64 blockSize = 8192);

} // namespace menu
