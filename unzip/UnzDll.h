#ifndef LUMBREL_UNZDLL_H
#define LUMBREL_UNZDLL_H
/* The unzip module's one entry point. The module is loaded at run time (shipped as
   "Unzdll.dll"), so its callers look the function up by name and call it through UnzDllExecFn.
   Plain C, so that the module and its callers need not share a compiler or a run-time library. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Extraction options. */
#define UNZ_RECREATE_FOLDERS                                                                                 \
    0x1u                     /* write entries below their stored folders, else all into the destination */
#define UNZ_OVERWRITE 0x2u   /* replace existing files, else leave them and report them skipped */
#define UNZ_EXACT_NAMES 0x4u /* patterns are stored names, matched exactly: no wildcards */

/* What a notification reports. */
#define UNZ_EVENT_ENTRY 1    /* a new entry begins: `name` is its stored name */
#define UNZ_EVENT_PROGRESS 2 /* more of the current entry was written: `name` is NULL, `bytes` so far */
#define UNZ_EVENT_REFUSED 3  /* an entry whose name would leave the destination folder; nothing written */
#define UNZ_EVENT_SKIPPED 4  /* an existing file kept because overwriting is off */
#define UNZ_EVENT_ERROR 5    /* an entry or the archive failed: `message` says why */

/* Results of UnzDllExec. */
#define UNZ_OK 0
#define UNZ_ERR_ARGUMENTS 1   /* a missing argument or an unknown structure size */
#define UNZ_ERR_ARCHIVE 2     /* the archive cannot be opened */
#define UNZ_ERR_DESTINATION 3 /* the destination folder cannot be made */
#define UNZ_ERR_ENTRIES 4     /* some entries were refused or failed; the others were extracted */
#define UNZ_ERR_INTERNAL 5    /* an unexpected failure inside the module */
#define UNZ_ERR_STOPPED 6     /* the caller asked to stop; the entry in progress was not written */

/* Strings are UTF-8. `name` and `message` are valid during the call only. */
typedef void (*UnzCallback)(void* context, int event, const char* name, const char* message, int64_t bytes);
/* Asked before each entry and between the blocks of an entry; non-zero stops the extraction. */
typedef int (*UnzStopQuery)(void* context);

typedef struct UnzDllArgs {
    uint32_t structSize;         /* sizeof(UnzDllArgs) */
    const char* archive;         /* the zip file */
    const char* destination;     /* the folder to extract into; made when missing */
    const char* const* patterns; /* stored names or wildcards ('*', '?'; "*.*" is every entry), */
    int32_t patternCount;        /* case-insensitive; no patterns selects every entry */
    uint32_t options;            /* UNZ_RECREATE_FOLDERS | UNZ_OVERWRITE */
    UnzCallback callback;        /* may be NULL */
    void* context;               /* handed to the callback */

    /* Filled in by the module. */
    int32_t extracted; /* files written and folders made */
    int32_t refused;
    int32_t skipped;
    int32_t failed;

    UnzStopQuery shouldStop; /* may be NULL; called with `context` */
} UnzDllArgs;

typedef int (*UnzDllExecFn)(UnzDllArgs* args);

#if defined(_WIN32)
#define UNZDLL_EXPORT __declspec(dllexport)
#else
#define UNZDLL_EXPORT __attribute__((visibility("default")))
#endif

/* Extracts the selected entries of one archive. Nothing is ever written outside the destination
   folder: entries whose names are absolute, carry a drive letter or a colon, climb with "..", or
   name a device of the systems the discs are made for (CON, NUL, COM1, aux.txt, ...) are refused
   and reported. An entry never yields more bytes than its stored size: one whose data runs on
   is damaged, and no part of it is left. Each entry is written to a temporary file beside its
   place and renamed over an existing file only once it is complete and its checksum holds, so a
   damaged entry or a stop leaves the old file as it was; a read-only file is not replaced. */
UNZDLL_EXPORT int UnzDllExec(UnzDllArgs* args);

#ifdef __cplusplus
}
#endif

#endif
