#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

// What a long disc job (writing an image, burning) shares with the window that watches it: the job
// runs on a thread of its own and only touches these atomics.
struct DiscJobProgress {
    enum class Stage { Preparing, WritingImage, Burning, Verifying };

    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<Stage> stage{Stage::Preparing};
    std::atomic<bool> cancelRequested{false};

    bool cancelled() const { return cancelRequested.load(); }
};

// How a disc job ended. Only Done means that the image or the disc is complete.
struct DiscJobResult {
    enum class Outcome {
        Done,
        Cancelled,
        SourceUnreadable, // the disc folder or the image could not be read
        TargetFailed,     // the image file could not be written
        NoWriter,
        NoMedium,
        MediumNotWritable, // full, closed or of a kind that cannot be written
        MediumHoldsData,   // rewritable and holding data that the user did not agree to erase
        TooSmall,
        WriteFailed,
        VerifyFailed,
    };
    Outcome outcome = Outcome::Done;
    QString detail;             // the library's or the system's own words, for the message
    std::int64_t needed = 0;    // bytes of the image, where known
    std::int64_t available = 0; // bytes free on the medium, where known

    bool ok() const { return outcome == Outcome::Done; }
    static DiscJobResult failed(Outcome outcome, const QString& detail = {}) {
        DiscJobResult result;
        result.outcome = outcome;
        result.detail = detail;
        return result;
    }
};
