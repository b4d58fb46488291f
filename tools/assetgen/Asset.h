#pragma once

#include <QByteArray>
#include <QString>

namespace assetgen {

// One generated file: its path below the output folder (with '/') and its bytes.
struct Asset {
    QString path;
    QByteArray bytes;
};

} // namespace assetgen
