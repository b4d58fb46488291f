// Burning on the recording library's pseudo-drive: a file that acts as a writer.
#include "build/DiscBurner.h"
#include "build/DiscImage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The image of a small disc folder, written the way the editor writes it.
QString makeImage(const QTemporaryDir& temp) {
    const QString disc = temp.path() + u"/disc"_s;
    QDir().mkpath(disc + u"/CFG"_s);
    for (const auto& [name, size] : {std::pair{u"tiv.exe"_s, 70000}, {u"CFG/genre.cfg"_s, 300}}) {
        QFile f(disc + u'/' + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(size, 'a' + char(size % 26)));
    }
    const QString image = temp.path() + u"/disc.iso"_s;
    DiscJobProgress progress;
    const DiscJobResult result = discimage::writeImage(disc, u"Burn"_s, image, 0, progress);
    return result.ok() ? image : QString();
}

} // namespace

class TestDiscBurner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void burnedFileEqualsImage() {
        QTemporaryDir temp;
        const QString image = makeImage(temp);
        QVERIFY(!image.isEmpty());
        const QString medium = temp.path() + u"/medium.bin"_s;
        DiscJobProgress progress;
        const DiscJobResult result = discburner::burnImage(u"stdio:"_s + medium, image, true, progress);
        QVERIFY2(result.ok(), qPrintable(result.detail));
        const QByteArray burned = contents(medium);
        const QByteArray expected = contents(image);
        QVERIFY(burned.size() >= expected.size());
        QVERIFY(burned.left(expected.size()) == expected);
        QCOMPARE(progress.stage.load(), DiscJobProgress::Stage::Verifying);
        QCOMPARE(progress.done.load(), expected.size());
    }

    // Each way of not burning is told apart, and none of them is reported as burned.
    void failuresAreReported() {
        QTemporaryDir temp;
        const QString image = makeImage(temp);
        QVERIFY(!image.isEmpty());
        using Outcome = DiscJobResult::Outcome;

        DiscJobProgress cancelled;
        cancelled.cancelRequested = true;
        QCOMPARE(
            discburner::burnImage(u"stdio:"_s + temp.path() + u"/c.bin"_s, image, false, cancelled).outcome,
            Outcome::Cancelled);

        DiscJobProgress full;
        const DiscJobResult onFull = discburner::burnImage(u"stdio:/dev/full"_s, image, false, full);
        QCOMPARE(onFull.outcome, Outcome::WriteFailed);
        QVERIFY(!onFull.detail.isEmpty());

        // Right after a failed burn the writer takes the next one, over old data.
        const QString used = temp.path() + u"/used.bin"_s;
        QFile usedFile(used);
        QVERIFY(usedFile.open(QIODevice::WriteOnly));
        usedFile.write(QByteArray(4096, 'u'));
        usedFile.close();
        DiscJobProgress onUsed;
        const DiscJobResult usedResult = discburner::burnImage(u"stdio:"_s + used, image, false, onUsed);
        QVERIFY2(usedResult.ok(), qPrintable(usedResult.detail));
        QVERIFY(contents(used).startsWith(contents(image)));

        DiscJobProgress none;
        QCOMPARE(discburner::burnImage(u"/dev/lumbrel-no-such-writer"_s, image, false, none).outcome,
                 Outcome::NoWriter);

        DiscJobProgress noImage;
        QCOMPARE(discburner::burnImage(u"stdio:"_s + temp.path() + u"/d.bin"_s, temp.path() + u"/none.iso"_s,
                                       false, noImage)
                     .outcome,
                 Outcome::SourceUnreadable);
    }
};

QTEST_GUILESS_MAIN(TestDiscBurner)
#include "tst_discburner.moc"
