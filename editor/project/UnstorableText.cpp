#include "editor/project/UnstorableText.h"

#include "common/Cp1252.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"

namespace unstorable {
namespace {

// A message names this many places at most; the rest are counted.
constexpr int kMaxNamed = 10;

} // namespace

void check(Findings& findings, const QString& where, QStringView text) {
    if (QString characters = common::unencodableCharacters(text); !characters.isEmpty())
        findings.push_back({where, std::move(characters)});
}

Findings inProject(const EditorState& state, const ItemTable& items) {
    Findings findings;
    const LanguageTables& language = state.language;
    check(findings, QStringLiteral("CD: ") + state.cdName, state.cdName);
    check(findings, state.projectFolder, state.projectFolder);
    for (int row = 0; row < items.itemCount(); ++row) {
        for (int field = 0; field < kItemFieldCount; ++field) {
            // The place is named only for a finding: a large project has millions of fields.
            QString characters = common::unencodableCharacters(items.field(row, field));
            if (characters.isEmpty())
                continue;
            const QString name = items.field(row, ItemField::Name);
            const QString item = name.isEmpty() ? QString::number(row + 1) : name;
            findings.push_back(
                {item + QStringLiteral(", ") + language.fieldTitle(field), std::move(characters)});
        }
    }
    return findings;
}

Findings inRows(const std::vector<QStringList>& rows) {
    Findings findings;
    if (rows.empty())
        return findings;
    const QStringList& titles = rows.front();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            check(findings, titles.value(c) + QStringLiteral(", ") + QString::number(r), rows[r][c]);
    }
    return findings;
}

QString listing(const Findings& findings) {
    QString list;
    for (std::size_t i = 0; i < findings.size() && i < std::size_t(kMaxNamed); ++i)
        list += QStringLiteral("\n") + findings[i].where + QStringLiteral(": ") + findings[i].characters;
    if (findings.size() > std::size_t(kMaxNamed))
        list += QStringLiteral("\n… (+%1)").arg(findings.size() - std::size_t(kMaxNamed));
    return list;
}

} // namespace unstorable
