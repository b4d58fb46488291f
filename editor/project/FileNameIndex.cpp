#include "editor/project/FileNameIndex.h"

#include "editor/project/ItemRules.h"

namespace {

bool hasWildcard(QStringView mask) {
    return mask.contains(u'*') || mask.contains(u'?');
}

bool sameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

FileNameIndex::FileNameIndex(const QString& folder) : m_files(itemrules::findFiles(folder, true)) {
    m_byName.reserve(qsizetype(m_files.size()));
    for (qsizetype i = 0; i < qsizetype(m_files.size()); ++i)
        m_byName[m_files[std::size_t(i)].second.toCaseFolded()].push_back(i);
}

std::vector<FileNameIndex::Found> FileNameIndex::filesMatching(const QString& mask) const {
    std::vector<Found> files;
    if (!hasWildcard(mask)) {
        const auto found = m_byName.constFind(mask.toCaseFolded());
        if (found != m_byName.cend()) {
            for (const qsizetype i : *found)
                files.push_back({m_files[std::size_t(i)].first, m_files[std::size_t(i)].second});
        }
        return files;
    }
    for (const auto& [folder, name] : m_files) {
        if (matchesFileMask(name, mask))
            files.push_back({folder, name});
    }
    return files;
}

bool matchesFileMask(QStringView name, QStringView mask) {
    // Greedy match that returns to the last "*" on a mismatch: linear in practice, never
    // exponential however many stars the mask holds.
    qsizetype n = 0, m = 0;
    qsizetype starAt = -1, resumeAt = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starAt = m++;
            resumeAt = n;
        } else if (m < mask.size() && (mask[m] == u'?' || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starAt >= 0) {
            m = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}
