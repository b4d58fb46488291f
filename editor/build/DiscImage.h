#pragma once

#include "DiscJob.h"

#include <QString>

#include <cstdint>
#include <memory>

// The disc folder as an ISO 9660 image with Joliet and Rock Ridge.
namespace discimage {

// Capacities of the media that the editor offers, in bytes of user data.
inline constexpr std::int64_t kCdBytes = 360000LL * 2048;   // 700 MB CD
inline constexpr std::int64_t kDvdBytes = 2295104LL * 2048; // 4.7 GB DVD

// The image of one folder, ready to be read from start to end once. Its exact size is known
// before a byte is read, so that a medium that is too small is reported before writing.
class ImageSource {
public:
    // Null when the folder cannot be read as a whole; `error` then says why.
    static std::unique_ptr<ImageSource> create(const QString& folder, const QString& cdName, QString* error);
    ~ImageSource();
    ImageSource(const ImageSource&) = delete;
    ImageSource& operator=(const ImageSource&) = delete;

    std::int64_t size() const;
    // Up to `size` bytes of the image; 0 at its end, negative on failure.
    int read(unsigned char* buffer, int size);
    // Stops the writer threads of the library before the source is dropped half-read.
    void cancel();

private:
    ImageSource() = default;
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// Writes the image of `folder` to `imageFile`. A capacity above 0 is the chosen medium's: a larger
// image is refused before the file is touched. The file appears only when the image is complete.
DiscJobResult writeImage(const QString& folder, const QString& cdName, const QString& imageFile,
                         std::int64_t capacity, DiscJobProgress& progress);

} // namespace discimage
