#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QJsonArray>
#include <QString>

namespace webmenu {

// The formats of rich information texts as stylesheet classes, shared by all texts of a disc, so
// that the page shows formatting without a style attribute (which its security policy forbids).
class RichTextStyles {
public:
    // The class of a format given as its stylesheet declarations; empty beyond kMaxClasses.
    QString classFor(const QString& declarations);
    // The rules of every class handed out.
    QByteArray styleSheet() const;

    // More formats than this on one disc share the page's plain look.
    static constexpr int kMaxClasses = 512;

private:
    QHash<QString, QString> m_classes; // declarations -> class name
    QStringList m_rules;
};

// A rich text (RTF) converted for the page: its paragraphs, each {"a": alignment, "r": runs}
// with runs [text, class], read by the menu program's own reader. The texts stay texts: the page
// puts them in as text, never as markup.
QJsonArray richTextParagraphs(QByteArrayView rtf, RichTextStyles& styles);

} // namespace webmenu
