#pragma once

#include "common/FileOps.h"

#include <QString>

#include <atomic>
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
    Stopped,            // the viewer stopped it; the incomplete copy was removed
};

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Copied;
    QString error; // the system's reason, for SourceUnreadable, DestinationBlocked and Interrupted
    common::ReadRefusal refusal = common::ReadRefusal::None; // why a source was unreadable
};

// How large the blocks of a copy are. Blocks start at `first` bytes. With a larger `largest`, a
// block that took less than `quickMs` doubles the next one and a block slower than `slowMs`
// halves it (never below `first`), so that the window keeps answering between blocks on a slow
// disc while a fast disc copies at the speed of its drive.
struct BlockSizes {
    qint64 first = 8192;
    qint64 largest = 8192;
    int quickMs = 8;
    int slowMs = 40;
};

// Copies `source` to `destination` block by block, calling `afterBlock` with the percentage copied
// so far (rounded) after each block. The copy is written to a temporary file beside the
// destination and renamed over it only when complete, so that an existing destination stays as it
// was until then; a read-only one is not replaced. The copy keeps the source's modification time.
// Setting `stop` (from any thread) ends the copy before its next block.
CopyResult copyInBlocks(const QString& source, const QString& destination,
                        const std::function<void(int percent)>& afterBlock, BlockSizes sizes = {},
                        const std::atomic<bool>* stop = nullptr);

// What the viewer is told about a copy that failed, with the system's reason, in the menu's
// language; empty when the file is where it should be or the viewer stopped the copy.
QString copyFailureMessage(const CopyResult& result, const QString& source, const QString& destination,
                           int language);

} // namespace menu
