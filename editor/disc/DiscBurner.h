#pragma once

#include "editor/disc/DiscJob.h"

#include <QString>

#include <vector>

// Burning an image onto a disc through the recording library.
namespace discburner {

struct Writer {
    QString address; // what the library grabs the drive by, e.g. /dev/sr0 or stdio:/path
    QString name;    // vendor and model
};

// The writers that this machine offers; empty when there are none or none may be used.
std::vector<Writer> findWriters();

// What lies in a writer, so that the user can be asked before anything is written.
struct Medium {
    DiscJobResult::Outcome usable = DiscJobResult::Outcome::Done; // or NoWriter, NoMedium, MediumNotWritable
    QString kind;           // the library's name of the medium, e.g. "DVD+RW"
    bool holdsData = false; // rewritable media report themselves blank even when they hold files
    QString detail;
};

// Looks at the medium in the writer at `address` without writing.
Medium inspectMedium(const QString& address);

// Burns the image file onto the medium in the writer at `address`, reads it back and compares,
// and then ejects the medium when asked. A medium that already holds a session is refused, and
// one that holds data (a rewritable one) unless `mayErase`. Done only when the whole image is on
// the medium as it is in the file.
DiscJobResult burnImage(const QString& address, const QString& imageFile, bool eject, bool mayErase,
                        DiscJobProgress& progress);

} // namespace discburner
