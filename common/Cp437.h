#pragma once

#include <QByteArrayView>
#include <QString>

namespace common {

// Code page 437, the DOS character set of NFO and File_id.diz texts: its upper half holds the
// box-drawing and block characters of their artwork. The low control bytes stay control
// characters, so line ends and tabs read as they do in any text.
QString fromCp437(QByteArrayView bytes);

} // namespace common
