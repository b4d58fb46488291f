#pragma once

#include <QByteArray>
#include <QtEndian>

// Little-endian fields, the byte order of every Windows file format that we write.
namespace assetgen {

inline void appendLe16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void appendLe32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace assetgen
