#pragma once
// Small files that cost a careless reader dearly: the disc files of a hostile or damaged disc.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <sys/stat.h>

// An icon file of 32-bit pictures with these edges, in this order. With more `entries` than edges,
// the directory lists the last picture again and again.
inline QByteArray iconFile(const QList<int>& edges, int entries = 0) {
    auto le16 = [](QByteArray& b, int v) {
        char d[2];
        qToLittleEndian<quint16>(quint16(v), d);
        b.append(d, 2);
    };
    auto le32 = [](QByteArray& b, qint64 v) {
        char d[4];
        qToLittleEndian<quint32>(quint32(v), d);
        b.append(d, 4);
    };
    QList<QByteArray> pictures;
    for (const int edge : edges) {
        QByteArray picture;
        le32(picture, 40);
        le32(picture, edge);
        le32(picture, 2 * edge); // colour and mask
        le16(picture, 1);
        le16(picture, 32);
        for (int i = 0; i < 6; ++i)
            le32(picture, 0);
        for (int i = 0; i < edge * edge; ++i)
            picture.append("\x40\x80\xC0\xFF", 4);
        picture.append(QByteArray(qsizetype((edge + 31) / 32 * 4) * edge, '\0'));
        pictures.append(picture);
    }
    entries = std::max<int>(entries, int(edges.size()));
    QByteArray icon;
    le16(icon, 0);
    le16(icon, 1);
    le16(icon, entries);
    qint64 offset = 6 + 16 * qint64(entries);
    QList<qint64> offsets;
    for (const QByteArray& picture : pictures) {
        offsets.append(offset);
        offset += picture.size();
    }
    for (int i = 0; i < entries; ++i) {
        const int p = std::min<int>(i, int(edges.size()) - 1);
        const int edge = edges[p];
        icon.append(char(edge >= 256 ? 0 : edge));
        icon.append(char(edge >= 256 ? 0 : edge));
        icon.append('\0');
        icon.append('\0');
        le16(icon, 1);
        le16(icon, 32);
        le32(icon, pictures[p].size());
        le32(icon, offsets[p]);
    }
    for (const QByteArray& picture : pictures)
        icon.append(picture);
    return icon;
}

// An icon file whose directory lists 65,535 pictures of 256 by 256 pixels, all one: 1.3 MB.
inline QByteArray manyPictureIcon() {
    return iconFile({256}, 65535);
}

// A text of nothing but line ends.
inline QByteArray lineEnds(qint64 bytes) {
    return QByteArray("\r\n").repeated(bytes / 2);
}

// Rich text whose font table names a font number at the integer limit.
inline QByteArray fontAtIntegerLimit() {
    return "{\\rtf1{\\fonttbl{\\f0 A;}{\\f2147483647 X;}}hello}";
}

// A named pipe at `path`: opening it for reading waits until a writer comes, and none ever does.
inline bool makePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// Ends the test program when a step it guards has not returned in time: a reader that waits on a
// pipe would otherwise hang the suite rather than fail it.
class Watchdog {
public:
    Watchdog(const char* what, std::chrono::seconds limit)
        : m_thread([this, what, limit] {
              const auto end = std::chrono::steady_clock::now() + limit;
              while (!m_done && std::chrono::steady_clock::now() < end)
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              if (!m_done) {
                  std::fprintf(stderr, "FAIL: %s did not return within its time\n", what);
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
