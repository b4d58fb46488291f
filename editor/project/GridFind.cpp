#include "editor/project/GridFind.h"

#include <algorithm>

namespace gridfind {

namespace {

bool endsValue(QChar c) {
    return c == u' ' || c == u'&' || c == u'|' || c == u'^';
}

} // namespace

bool wildcardMatches(QStringView text, QStringView pattern) {
    qsizetype t = 0, p = 0;
    qsizetype starAt = -1, resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || (pattern[p] != u'*' && pattern[p] == text[t]))) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = t;
        } else if (starAt >= 0) {
            // Let the last star take one more character and try again from there.
            p = starAt + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

CellMatcher::CellMatcher(const Options& options) : m_options(options) {
    if (!options.pattern)
        return;
    m_pattern = options.caseSensitive ? options.text : options.text.toUpper();
    m_negate = m_pattern.contains(u'!');
    m_pattern.remove(u'!');
    if (m_pattern.contains(u'<') || m_pattern.contains(u'>'))
        parseComparisons(m_pattern);
}

void CellMatcher::parseComparisons(QStringView pattern) {
    bool nextJoinedByOr = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'&' || c == u'^' || c == u'|') {
            nextJoinedByOr = c != u'&';
            ++i;
            continue;
        }
        if (c != u'<' && c != u'>') {
            ++i;
            continue;
        }
        const bool orEqual = i + 1 < pattern.size() && pattern[i + 1] == u'=';
        Comparison comparison;
        comparison.op = c == u'>' ? (orEqual ? Comparison::Op::GreaterOrEqual : Comparison::Op::Greater)
                                  : (orEqual ? Comparison::Op::LessOrEqual : Comparison::Op::Less);
        i += orEqual ? 2 : 1;
        const qsizetype start = i;
        while (i < pattern.size() && !endsValue(pattern[i]))
            ++i;
        comparison.value = pattern.mid(start, i - start).toString();
        comparison.joinedByOr = nextJoinedByOr;
        nextJoinedByOr = false;
        m_comparisons.push_back(std::move(comparison));
    }
}

bool CellMatcher::patternMatches(const QString& cell) const {
    const QString text = m_options.caseSensitive ? cell : cell.toUpper();
    if (m_comparisons.empty())
        return wildcardMatches(text, m_pattern);
    bool result = true;
    for (std::size_t i = 0; i < m_comparisons.size(); ++i) {
        const Comparison& comparison = m_comparisons[i];
        const int order = QStringView(text).compare(comparison.value);
        bool holds = false;
        switch (comparison.op) {
        case Comparison::Op::Greater:
            holds = order > 0;
            break;
        case Comparison::Op::GreaterOrEqual:
            holds = order >= 0;
            break;
        case Comparison::Op::Less:
            holds = order < 0;
            break;
        case Comparison::Op::LessOrEqual:
            holds = order <= 0;
            break;
        }
        result = i == 0 ? holds : (comparison.joinedByOr ? result || holds : result && holds);
    }
    return result;
}

bool CellMatcher::matches(const QString& cell) const {
    if (m_options.pattern)
        return patternMatches(cell) != m_negate;
    const Qt::CaseSensitivity cs = m_options.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (!cell.contains(m_options.text, cs))
        return false;
    return !m_options.wholeCell || cell.compare(m_options.text, Qt::CaseInsensitive) == 0;
}

std::optional<Cell> findCell(int rows, int columns, const CellText& text, const Options& options,
                             Cell current, std::optional<Cell> after) {
    if (rows <= 0 || columns <= 0)
        return std::nullopt;
    struct Span {
        int first, last;
    };
    const Span rowSpan = options.range == Range::Row ? Span{current.row, current.row} : Span{0, rows - 1};
    const Span columnSpan =
        options.range == Range::Column ? Span{current.column, current.column} : Span{0, columns - 1};
    if (rowSpan.first < 0 || rowSpan.last >= rows || columnSpan.first < 0 || columnSpan.last >= columns)
        return std::nullopt;
    const bool topDown = options.order == Order::TopDown;
    const Span outer = topDown ? columnSpan : rowSpan;
    const Span inner = topDown ? rowSpan : columnSpan;
    int o = outer.first;
    int i = inner.first;
    if (after) {
        const int afterOuter = topDown ? after->column : after->row;
        const int afterInner = topDown ? after->row : after->column;
        if (afterOuter > outer.last)
            return std::nullopt;
        if (afterOuter >= outer.first) {
            o = afterOuter;
            i = std::max(inner.first, afterInner + 1);
        }
    }
    const CellMatcher matcher(options);
    for (; o <= outer.last; ++o, i = inner.first) {
        for (; i <= inner.last; ++i) {
            const Cell cell = topDown ? Cell{i, o} : Cell{o, i};
            if (matcher.matches(text(cell.row, cell.column)))
                return cell;
        }
    }
    return std::nullopt;
}

} // namespace gridfind
