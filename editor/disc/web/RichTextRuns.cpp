#include "editor/disc/web/RichTextRuns.h"

#include "common/RtfReader.h"

#include <QColor>
#include <QFont>
#include <QJsonObject>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

namespace webmenu {
namespace {

// As the information window reads a text: a text of nothing but line breaks cannot fill the page.
constexpr qsizetype kMaxLines = 20000;
// A face name is written into the stylesheet only with these characters, so that no name can
// close the rule it stands in.
bool isSafeFaceName(const QString& family) {
    if (family.isEmpty() || family.size() > 64)
        return false;
    for (const QChar c : family) {
        if (!(c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_'))
            return false;
    }
    return true;
}

QString declarationsOf(const QTextCharFormat& f) {
    QStringList out;
    if (f.fontWeight() >= QFont::Bold)
        out << QStringLiteral("font-weight:bold");
    if (f.fontItalic())
        out << QStringLiteral("font-style:italic");
    QStringList lines;
    if (f.fontUnderline())
        lines << QStringLiteral("underline");
    if (f.fontStrikeOut())
        lines << QStringLiteral("line-through");
    if (!lines.isEmpty())
        out << QStringLiteral("text-decoration:") + lines.join(u' ');
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        out << QStringLiteral("font-size:%1pt").arg(qBound(1.0, f.fontPointSize(), 200.0));
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && isSafeFaceName(families.front()))
        out << QStringLiteral("font-family:\"%1\",sans-serif").arg(families.front());
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        out << QStringLiteral("color:") + f.foreground().color().name();
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        out << QStringLiteral("background:") + f.background().color().name();
    return out.join(u';');
}

QString alignmentOf(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return QStringLiteral("c");
    if (a & Qt::AlignRight)
        return QStringLiteral("r");
    if (a & Qt::AlignJustify)
        return QStringLiteral("j");
    return {};
}

} // namespace

QString RichTextStyles::classFor(const QString& declarations) {
    if (declarations.isEmpty())
        return {};
    if (const auto it = m_classes.constFind(declarations); it != m_classes.constEnd())
        return *it;
    if (m_classes.size() >= kMaxClasses)
        return {};
    const QString name = QStringLiteral("rt%1").arg(m_classes.size());
    m_classes.insert(declarations, name);
    m_rules << QStringLiteral(".info .%1{%2}").arg(name, declarations);
    return name;
}

QByteArray RichTextStyles::styleSheet() const {
    return m_rules.isEmpty() ? QByteArray() : (m_rules.join(u'\n') + u'\n').toUtf8();
}

QJsonArray richTextParagraphs(QByteArrayView rtf, RichTextStyles& styles) {
    QTextDocument document;
    common::readRtf(rtf, &document, kMaxLines);
    QJsonArray paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QJsonArray runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            // Line breaks inside a paragraph come as the line separator; the page keeps them.
            QString text = fragment.text();
            text.replace(QChar::LineSeparator, u'\n');
            runs.append(QJsonArray{text, styles.classFor(declarationsOf(fragment.charFormat()))});
        }
        QJsonObject paragraph{{QStringLiteral("r"), runs}};
        if (const QString a = alignmentOf(block.blockFormat().alignment()); !a.isEmpty())
            paragraph.insert(QStringLiteral("a"), a);
        paragraphs.append(paragraph);
    }
    return paragraphs;
}

} // namespace webmenu
