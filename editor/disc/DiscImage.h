#pragma once

#include "editor/disc/DiscJob.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

// The disc folder as an ISO 9660 image with Joliet and Rock Ridge.
namespace discimage {

// Capacities of the media that the editor offers, in bytes of user data.
inline constexpr std::int64_t kCdBytes = 360000LL * 2048;   // 700 MB CD
inline constexpr std::int64_t kDvdBytes = 2295104LL * 2048; // 4.7 GB DVD

// What the image will not hold as the folder holds it, known before a byte is written. Paths are
// relative to the folder, with the native separator.
struct ImagePlan {
    // Files and folders that cannot be read, and special files (pipes, devices): no image is
    // written while there are any.
    QStringList unreadable;
    // Names that Windows (Joliet) will see shortened or changed.
    QStringList renamed;
    // Links to files or folders inside the folder: stored as what they point at, so that every
    // reader sees the content.
    QStringList linksStored;
    // Links that lead outside the folder, nowhere, or into a folder that holds them: left out.
    QStringList linksLeftOut;

    // Whether the user has to agree before the image is written.
    bool needsConsent() const { return !renamed.isEmpty() || !linksLeftOut.isEmpty(); }
};

// Joliet keeps at most this many characters of a name, besides the dot of its extension (the
// library's long-name mode).
inline constexpr qsizetype kJolietNameLength = 103;

// Looks at every entry of `folder` as the image will hold it.
ImagePlan planImage(const QString& folder);

// The image of one folder, ready to be read from start to end once. Its exact size is known
// before a byte is read, so that a medium that is too small is reported before writing.
class ImageSource {
public:
    // Null when the folder cannot be read as a whole (ImagePlan::unreadable, or a complaint of the
    // library); `error` then says why, naming the files.
    static std::unique_ptr<ImageSource> create(const QString& folder, const QString& cdName, QString* error);
    ~ImageSource();
    ImageSource(const ImageSource&) = delete;
    ImageSource& operator=(const ImageSource&) = delete;

    std::int64_t size() const;
    // Up to `size` bytes of the image; 0 at its end, negative on failure.
    int read(unsigned char* buffer, int size);
    // The files that changed or went since they were added: the image may not hold them as they are.
    QStringList changedFiles() const;
    // Stops the writer threads of the library before the source is dropped half-read.
    void cancel();

private:
    ImageSource() = default;
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// Writes the image of `folder` to `imageFile`, as planImage() describes it. A capacity above 0 is
// the chosen medium's: a larger image is refused before the file is touched. The file appears only
// when the image is complete: a file that the library could not read, or that changed while it was
// read, fails the image and is named.
DiscJobResult writeImage(const QString& folder, const QString& cdName, const QString& imageFile,
                         std::int64_t capacity, DiscJobProgress& progress);

// Whether `file` lies inside `folder` (below it, at any depth): an image there would hold itself.
bool isInsideFolder(const QString& file, const QString& folder);

} // namespace discimage
