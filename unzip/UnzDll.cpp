// The unzip module: extracts entries of a zip archive into a folder, on libzip.
#include "unzip/UnzDll.h"

#include <zip.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_set>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadBlock = 256 * 1024;
constexpr std::int64_t kProgressStep = 1024 * 1024;

fs::path fromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string toUtf8(const fs::path& path) {
    const std::u8string u = path.u8string();
    return std::string(u.begin(), u.end());
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// '*' any run of characters, '?' one character, case-insensitive for ASCII letters.
bool wildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool isSelected(const std::vector<std::string_view>& patterns, std::string_view name, bool exact) {
    if (patterns.empty())
        return true;
    for (const std::string_view pattern : patterns) {
        if (exact) {
            if (pattern == name)
                return true;
            continue;
        }
        // "*.*" stands for every entry, dotted or not, as it does on the systems the archives come from.
        if (pattern == "*.*" || wildcardMatch(pattern, name))
            return true;
    }
    return false;
}

// Whether a folder level names a device on Windows: CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to
// LPT9, with any extension and trailing dots or blanks ("nul.txt", "Com1 ."). Writing to one
// reaches the device instead of a file; refused everywhere, so that an archive extracts alike on
// every system.
bool isDeviceName(std::string_view part) {
    std::string base(part.substr(0, part.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = lowerAscii(c);
    if (base == "con" || base == "prn" || base == "aux" || base == "nul" || base == "conin$" ||
        base == "conout$")
        return true;
    return base.size() == 4 && (base.starts_with("com") || base.starts_with("lpt")) && base[3] >= '1' &&
           base[3] <= '9';
}

// The folder levels of a stored name below the destination, or nothing when the name would reach
// outside it: absolute names, drive letters and other colons, levels that climb ("..", and the
// runs of dots and blanks that some systems read as ".."), and device names.
std::optional<std::vector<std::string>> safeParts(std::string_view stored) {
    std::string name(stored);
    for (char& c : name) {
        if (c == '\\')
            c = '/';
    }
    if (name.empty() || name.front() == '/' || name.find(':') != std::string::npos)
        return std::nullopt;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos)
            end = name.size();
        const std::string part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part.find_first_not_of(". ") == std::string::npos || isDeviceName(part))
            return std::nullopt;
        parts.push_back(part);
    }
    return parts;
}

// Whether `path` (which exists) lies in `root` or below it once links are followed.
bool staysInside(const fs::path& root, const fs::path& path) {
    std::error_code ec;
    const fs::path real = fs::canonical(path, ec);
    if (ec)
        return false;
    const fs::path relative = real.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

// A file that must not exist yet, written with plain descriptors: created exclusively, so that
// neither an existing file nor a link left in its place is ever written through.
class NewFile {
public:
    explicit NewFile(const fs::path& path) {
#ifdef _WIN32
        m_fd = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
        m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
        if (m_fd < 0)
            m_error = errno;
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        close();
    }

    bool isOpen() const {
        return m_fd >= 0;
    }
    int error() const {
        return m_error;
    }

    bool write(const char* data, std::size_t size) {
        while (size > 0) {
#ifdef _WIN32
            const int chunk = size > (1u << 30) ? (1 << 30) : int(size);
            const int n = ::_write(m_fd, data, unsigned(chunk));
#else
            const ssize_t n = ::write(m_fd, data, size);
#endif
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                m_error = errno;
                return false;
            }
            data += n;
            size -= std::size_t(n);
        }
        return true;
    }

    bool close() {
        if (m_fd < 0)
            return m_error == 0;
#ifdef _WIN32
        const int result = ::_close(m_fd);
#else
        const int result = ::close(m_fd);
#endif
        m_fd = -1;
        if (result != 0 && m_error == 0)
            m_error = errno;
        return m_error == 0;
    }

private:
    int m_fd = -1;
    int m_error = 0;
};

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

class Extraction {
public:
    explicit Extraction(UnzDllArgs& args) : m_args(args) {}

    int run() {
        std::vector<std::string_view> patterns;
        for (int32_t i = 0; m_args.patterns && i < m_args.patternCount; ++i) {
            if (m_args.patterns[i])
                patterns.emplace_back(m_args.patterns[i]);
        }
        const bool recreate = m_args.options & UNZ_RECREATE_FOLDERS;
        const bool overwrite = m_args.options & UNZ_OVERWRITE;
        const bool exact = m_args.options & UNZ_EXACT_NAMES;

        std::error_code ec;
        const fs::path destination = fromUtf8(m_args.destination);
        fs::create_directories(destination, ec);
        if (!fs::is_directory(destination, ec)) {
            report(UNZ_EVENT_ERROR, nullptr,
                   "the destination folder " + std::string(m_args.destination) + " cannot be made");
            return UNZ_ERR_DESTINATION;
        }
        m_root = fs::canonical(destination, ec);
        if (ec) {
            report(UNZ_EVENT_ERROR, nullptr,
                   "the destination folder " + std::string(m_args.destination) +
                       " cannot be read: " + ec.message());
            return UNZ_ERR_DESTINATION;
        }

        // A pipe or a device in place of the archive would keep the module waiting or reading.
        if (!fs::is_regular_file(fromUtf8(m_args.archive), ec)) {
            report(UNZ_EVENT_ERROR, nullptr, std::string(m_args.archive) + " is no file");
            return UNZ_ERR_ARCHIVE;
        }
        int zipError = 0;
        const std::unique_ptr<zip_t, ZipCloser> archive(zip_open(m_args.archive, ZIP_RDONLY, &zipError));
        if (!archive) {
            zip_error_t error;
            zip_error_init_with_code(&error, zipError);
            report(UNZ_EVENT_ERROR, nullptr,
                   std::string(m_args.archive) +
                       " cannot be read as a zip archive: " + zip_error_strerror(&error));
            zip_error_fini(&error);
            return UNZ_ERR_ARCHIVE;
        }
        m_archive = archive.get();
        m_buffer.resize(kReadBlock);

        const zip_int64_t count = zip_get_num_entries(m_archive, 0);
        for (zip_int64_t i = 0; i < count && !stopAsked(); ++i) {
            const char* rawName = zip_get_name(m_archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
            if (!rawName) {
                fail(nullptr, "an entry without a readable name: " + std::string(zip_strerror(m_archive)));
                continue;
            }
            const std::string name = rawName;
            if (!isSelected(patterns, name, exact))
                continue;
            report(UNZ_EVENT_ENTRY, name.c_str());
            const bool folder = !name.empty() && (name.back() == '/' || name.back() == '\\');
            const std::optional<std::vector<std::string>> parts = safeParts(name);
            if (!parts || (!folder && parts->empty())) {
                refuse(name);
                continue;
            }
            if (folder) {
                if (recreate && !parts->empty())
                    makeFolder(name, *parts);
                continue;
            }
            extractFile(zip_uint64_t(i), name, *parts, recreate, overwrite);
        }
        if (m_stopped)
            return UNZ_ERR_STOPPED;
        return m_args.refused > 0 || m_args.failed > 0 ? UNZ_ERR_ENTRIES : UNZ_OK;
    }

    // Whether the caller asked to stop; once asked, the answer stays.
    bool stopAsked() {
        if (!m_stopped && m_args.shouldStop && m_args.shouldStop(m_args.context))
            m_stopped = true;
        return m_stopped;
    }

    void report(int event, const char* name, const std::string& message = {}, std::int64_t bytes = 0) {
        if (m_args.callback)
            m_args.callback(m_args.context, event, name, message.empty() ? nullptr : message.c_str(), bytes);
    }

private:
    void refuse(const std::string& name) {
        ++m_args.refused;
        report(UNZ_EVENT_REFUSED, name.c_str(),
               "refused: its name would place it outside the destination folder");
    }

    void fail(const std::string* name, const std::string& message) {
        ++m_args.failed;
        report(UNZ_EVENT_ERROR, name ? name->c_str() : nullptr, message);
    }

    // Makes the folder levels below the destination one at a time, so that a link lying in the
    // destination is never followed out of it, not even to make a folder.
    enum class Made { Yes, Refused, Failed };
    Made makeFolders(const std::vector<std::string>& parts, std::size_t count, const std::string& name) {
        fs::path folder = m_root;
        for (std::size_t i = 0; i < count; ++i) {
            folder /= fromUtf8(parts[i]);
            // Each folder is looked at once per extraction; the module makes no links, so a
            // folder found inside stays inside.
            if (m_folders.count(folder.native()))
                continue;
            std::error_code ec;
            const fs::file_status status = fs::symlink_status(folder, ec);
            if (!fs::exists(status)) {
                if (!fs::create_directory(folder, ec) && !fs::is_directory(folder, ec)) {
                    fail(&name, "the folder " + toUtf8(folder) + " cannot be made: " + ec.message());
                    return Made::Failed;
                }
            } else if (!staysInside(m_root, folder)) {
                return Made::Refused;
            } else if (!fs::is_directory(folder, ec)) {
                fail(&name, toUtf8(folder) + " is a file, not a folder");
                return Made::Failed;
            }
            m_folders.insert(folder.native());
        }
        return Made::Yes;
    }

    void makeFolder(const std::string& name, const std::vector<std::string>& parts) {
        switch (makeFolders(parts, parts.size(), name)) {
        case Made::Yes:
            ++m_args.extracted;
            return;
        case Made::Refused:
            refuse(name);
            return;
        case Made::Failed:
            return;
        }
    }

    static fs::path relativeOf(const std::vector<std::string>& parts) {
        fs::path relative;
        for (const std::string& part : parts)
            relative /= fromUtf8(part);
        return relative;
    }

    void extractFile(zip_uint64_t index, const std::string& name, const std::vector<std::string>& parts,
                     bool recreate, bool overwrite) {
        switch (makeFolders(parts, recreate ? parts.size() - 1 : 0, name)) {
        case Made::Yes:
            break;
        case Made::Refused:
            refuse(name);
            return;
        case Made::Failed:
            return;
        }
        std::error_code ec;
        const fs::path target = m_root / (recreate ? relativeOf(parts) : fromUtf8(parts.back()));
        const fs::file_status existing = fs::symlink_status(target, ec);
        if (fs::exists(existing)) {
            if (!overwrite) {
                ++m_args.skipped;
                report(UNZ_EVENT_SKIPPED, name.c_str(), toUtf8(target) + " exists and is kept");
                return;
            }
            if (fs::is_directory(existing)) {
                fail(&name, toUtf8(target) + " is a folder and cannot be replaced by a file");
                return;
            }
            // As the copy treats it: a read-only file is the viewer's to keep.
            if (fs::is_regular_file(existing) &&
                (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
                fail(&name, toUtf8(target) + " is read-only and was not replaced");
                return;
            }
        }

        const std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(m_archive, index, 0));
        if (!entry) {
            fail(&name, "the entry cannot be read: " + std::string(zip_strerror(m_archive)));
            return;
        }
        // The archive's stored size is what callers check before extracting; the data must not
        // run on past it, whatever the compressed stream holds.
        zip_stat_t st;
        zip_stat_init(&st);
        const bool sizeKnown = zip_stat_index(m_archive, index, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE);
        // Written beside its place and renamed over it when whole: until then the old file stays.
        fs::path part;
        std::unique_ptr<NewFile> out;
        for (int attempt = 0; attempt < 100 && !(out && out->isOpen()); ++attempt) {
            part = target;
            part.replace_filename(
                fromUtf8("." + toUtf8(target.filename()) + ".unz" + std::to_string(attempt)));
            out = std::make_unique<NewFile>(part);
            if (!out->isOpen() && out->error() != EEXIST)
                break;
        }
        if (!out->isOpen()) {
            fail(&name,
                 toUtf8(target) + " cannot be created: " + std::generic_category().message(out->error()));
            return;
        }
        auto discard = [&](const std::string& why) {
            out->close();
            fs::remove(part, ec);
            fail(&name, why);
        };
        std::int64_t written = 0, reported = 0;
        for (;;) {
            if (stopAsked()) {
                out->close();
                fs::remove(part, ec);
                return;
            }
            const zip_int64_t n = zip_fread(entry.get(), m_buffer.data(), m_buffer.size());
            if (n < 0)
                return discard("the entry is damaged: " + std::string(zip_file_strerror(entry.get())));
            if (n == 0)
                break;
            if (sizeKnown && zip_uint64_t(written + n) > st.size)
                return discard("the entry is damaged: its data is longer than its stored size of " +
                               std::to_string(st.size) + " bytes");
            if (!out->write(m_buffer.data(), std::size_t(n))) {
                const int error = out->error();
                return discard(toUtf8(target) +
                               " cannot be written: " + std::generic_category().message(error));
            }
            written += n;
            if (written - reported >= kProgressStep) {
                reported = written;
                report(UNZ_EVENT_PROGRESS, nullptr, {}, written);
            }
        }
        if (!out->close())
            return discard(toUtf8(target) +
                           " cannot be written: " + std::generic_category().message(out->error()));
        keepAttributes(index, part);
        fs::rename(part, target, ec);
        if (ec)
            return discard(toUtf8(target) + " cannot be replaced: " + ec.message());
        ++m_args.extracted;
    }

    // The entry's modification time, and on POSIX systems the execute permission it was stored with.
    void keepAttributes(zip_uint64_t index, const fs::path& target) {
        std::error_code ec;
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(m_archive, index, 0, &st) == 0 && (st.valid & ZIP_STAT_MTIME)) {
            const auto when =
                std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(st.mtime));
            fs::last_write_time(target, when, ec);
        }
#ifndef _WIN32
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(m_archive, index, 0, &system, &attributes) == 0 &&
            system == ZIP_OPSYS_UNIX) {
            const auto mode = fs::perms((attributes >> 16) & 0111);
            if (mode != fs::perms::none)
                fs::permissions(target, mode, fs::perm_options::add, ec);
        }
#endif
    }

    UnzDllArgs& m_args;
    bool m_stopped = false;
    fs::path m_root;
    zip_t* m_archive = nullptr;
    std::vector<char> m_buffer;
    std::unordered_set<fs::path::string_type> m_folders; // made or found inside the destination
};

} // namespace

extern "C" UNZDLL_EXPORT int UnzDllExec(UnzDllArgs* args) {
    if (!args || args->structSize < sizeof(UnzDllArgs) || !args->archive || !args->destination)
        return UNZ_ERR_ARGUMENTS;
    args->extracted = args->refused = args->skipped = args->failed = 0;
    Extraction extraction(*args);
    // Nothing may escape into the caller, which need not be C++ at all.
    try {
        return extraction.run();
    } catch (const std::exception& e) {
        extraction.report(UNZ_EVENT_ERROR, nullptr, std::string("unexpected failure: ") + e.what());
    } catch (...) {
        extraction.report(UNZ_EVENT_ERROR, nullptr, "unexpected failure");
    }
    return UNZ_ERR_INTERNAL;
}
