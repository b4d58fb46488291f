#pragma once

#include <QtGlobal>
#include <QtTest>

// A check whose real tool (an office suite, a validator, the installed program folder) is missing
// skips on a developer's machine. Under CI it fails instead, so that no check passes by not running.
#define SKIP_UNLESS_CI(reason)                                                                               \
    do {                                                                                                     \
        if (qEnvironmentVariableIsEmpty("CI"))                                                               \
            QSKIP(reason);                                                                                   \
        QFAIL(reason " (required under CI)");                                                                \
    } while (false)
