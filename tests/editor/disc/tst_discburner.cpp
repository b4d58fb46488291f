// Burning on the recording library's pseudo-drive: a file that acts as a writer.
#include "editor/disc/DiscBurner.h"
#include "editor/disc/DiscImage.h"

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
        const DiscJobResult result =
            discburner::burnImage(u"stdio:"_s + medium, image, true, false, progress);
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
            discburner::burnImage(u"stdio:"_s + temp.path() + u"/c.bin"_s, image, false, false, cancelled)
                .outcome,
            Outcome::Cancelled);

        DiscJobProgress full;
        const DiscJobResult onFull = discburner::burnImage(u"stdio:/dev/full"_s, image, false, false, full);
        QCOMPARE(onFull.outcome, Outcome::WriteFailed);
        QVERIFY(!onFull.detail.isEmpty());

        // A medium that holds data is not overwritten unless the user agreed to erase it; then the
        // writer takes it right after a failed burn.
        const QString used = temp.path() + u"/used.bin"_s;
        QFile usedFile(used);
        QVERIFY(usedFile.open(QIODevice::WriteOnly));
        usedFile.write(QByteArray(4096, 'u'));
        usedFile.close();
        const discburner::Medium medium = discburner::inspectMedium(u"stdio:"_s + used);
        QCOMPARE(medium.usable, Outcome::Done);
        QVERIFY(medium.holdsData);
        DiscJobProgress refused;
        QCOMPARE(discburner::burnImage(u"stdio:"_s + used, image, false, false, refused).outcome,
                 Outcome::MediumHoldsData);
        QCOMPARE(contents(used), QByteArray(4096, 'u'));
        DiscJobProgress onUsed;
        const DiscJobResult usedResult =
            discburner::burnImage(u"stdio:"_s + used, image, false, true, onUsed);
        QVERIFY2(usedResult.ok(), qPrintable(usedResult.detail));
        QVERIFY(contents(used).startsWith(contents(image)));
        // A burned disc holds data too; a new one does not.
        QVERIFY(discburner::inspectMedium(u"stdio:"_s + used).holdsData);
        QVERIFY(!discburner::inspectMedium(u"stdio:"_s + temp.path() + u"/new.bin"_s).holdsData);

        DiscJobProgress none;
        QCOMPARE(discburner::burnImage(u"/dev/lumbrel-no-such-writer"_s, image, false, false, none).outcome,
                 Outcome::NoWriter);

        DiscJobProgress noImage;
        QCOMPARE(discburner::burnImage(u"stdio:"_s + temp.path() + u"/d.bin"_s, temp.path() + u"/none.iso"_s,
                                       false, false, noImage)
                     .outcome,
                 Outcome::SourceUnreadable);
    }
};

QTEST_GUILESS_MAIN(TestDiscBurner)
#include "tst_discburner.moc"
