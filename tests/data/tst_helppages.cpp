#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

using namespace Qt::StringLiterals;

namespace {

// The topics that the editor opens by number: 0 from the Help command, the others from the dialogs.
constexpr int kContexts[] = {0,    300,  1600, 2050, 2100, 2150, 2200, 2250, 2300, 2350, 2400, 2500,
                             2600, 3051, 4050, 5100, 6100, 6150, 6200, 6250, 6300, 6350, 6400};

const QString kPages[] = {QStringLiteral(LUMBREL_HELP_DIR "/ZolHlp1.html"),
                          QStringLiteral(LUMBREL_HELP_DIR "/ZolHlp2.html")};

// Anchor names as the help window's browser sees them after parsing, with how often each occurs.
QHash<QString, int> anchorsOf(const QTextDocument& doc) {
    QHash<QString, int> anchors;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                ++anchors[name];
        }
    }
    return anchors;
}

QStringList linksOf(const QTextDocument& doc) {
    QStringList links;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty())
                links << href;
        }
    }
    return links;
}

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pages_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("English") << kPages[0];
        QTest::newRow("German") << kPages[1];
    }

    // The help window scrolls to the anchor named by the context number; a missing one leaves it at the top.
    void everyContextHasOneAnchor_data() { pages_data(); }
    void everyContextHasOneAnchor() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8(bytes);
        QVERIFY2(!utf8.hasError(), "not UTF-8");
        QVERIFY(html.contains(u"charset=utf-8"_s, Qt::CaseInsensitive));

        QTextDocument doc;
        doc.setHtml(html);
        QVERIFY(!doc.metaInformation(QTextDocument::DocumentTitle).isEmpty());
        const QHash<QString, int> anchors = anchorsOf(doc);
        for (const int context : kContexts) {
            const QString name = QString::number(context);
            QVERIFY2(anchors.value(name) == 1,
                     qPrintable(u"anchor %1 found %2 times"_s.arg(name).arg(anchors.value(name))));
        }
        for (const QString& link : linksOf(doc)) {
            if (link.startsWith(u'#'))
                QVERIFY2(anchors.contains(link.mid(1)), qPrintable(u"link to a missing anchor: "_s + link));
        }
    }
};

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
