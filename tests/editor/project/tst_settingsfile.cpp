// The settings file: defaults, the strict true word, window state, and the grid's columns.
#include "common/IniFile.h"
#include "editor/project/SettingsFile.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void missingFileGivesDefaults() {
        const EditorSettings s =
            EditorSettings::read(common::IniFile(m_dir.filePath(QStringLiteral("none.dat"))));
        QCOMPARE(s.language, 1);
        QVERIFY(s.showWelcome && s.showFt && s.showBack && s.shipRuntime && s.writeWebMenu);
        QCOMPARE(s.gridMode, std::optional<int>(0));
        QCOMPARE(s.color1, QColor(192, 192, 192));
        QCOMPARE(s.color2, QColor(Qt::white));
        QVERIFY(s.maximized); // first start without "wstate"
        for (int n = 0; n <= 12; ++n)
            QCOMPARE(s.widths[n], 50);
        for (int c = 0; c < 12; ++c)
            QCOMPARE(s.fieldOfColumn[c], c);
    }

    void onlyUpperCaseTrueIsTrue() {
        const QString file = writeFile(m_dir.filePath(QStringLiteral("flags.dat")),
                                       "[settings]\nshow_welcome=true\nshow_ft=TRUE\nshow_back=yes\n"
                                       "wstate=wsNormal\nColor1=clNavy\nColor2=clNotAColour\n");
        const EditorSettings s = EditorSettings::read(common::IniFile(file));
        QVERIFY(!s.showWelcome);
        QVERIFY(s.showFt);
        QVERIFY(!s.showBack);
        QVERIFY(!s.maximized);
        QCOMPARE(s.color1, QColor(0, 0, 128));
        QCOMPARE(s.color2, QColor(Qt::white));
    }

    void columnOrderComesFromEnglishTitles() {
        QByteArray text = "[settings]\n";
        // Category first, then the rest in order; column 12 names a field twice, column 11 nonsense.
        const QStringList titles = {u"category"_qs, u"Name"_qs,     u"File Name"_qs, u"CD Path"_qs,
                                    u"Serial"_qs,   u"CD Size"_qs,  u"HD Size"_qs,   u"Description"_qs,
                                    u"Copy"_qs,     u"Homepage"_qs, u"Nonsense"_qs,  u"Name"_qs};
        for (int n = 1; n <= 12; ++n)
            text += "celld_" + QByteArray::number(n) + "=" + titles[n - 1].toLatin1() + "\n";
        const QString file = writeFile(m_dir.filePath(QStringLiteral("order.dat")), text);
        const EditorSettings s = EditorSettings::read(common::IniFile(file));
        QCOMPARE(s.fieldOfColumn[0], fieldIndex(ItemField::Category));
        QCOMPARE(s.fieldOfColumn[1], fieldIndex(ItemField::Name));
        QCOMPARE(s.fieldOfColumn[9], fieldIndex(ItemField::Homepage));
        // The two unusable columns take the fields nobody placed, in field order.
        QCOMPARE(s.fieldOfColumn[10], fieldIndex(ItemField::SourceLocation));
        QCOMPARE(s.fieldOfColumn[11], fieldIndex(ItemField::Execute));
    }

    void writeKeepsWidthOfHiddenColumnAndRoundTrips() {
        const QString file =
            writeFile(m_dir.filePath(QStringLiteral("round.dat")), "[settings]\ngrid_3=120\ngrid_0=33\n");
        EditorSettings s;
        s.lastProject = QStringLiteral("/p/games.lbp");
        s.language = 2;
        s.showWelcome = false;
        s.shipRuntime = false;
        s.writeWebMenu = false;
        s.gridMode = 1;
        s.maximized = false;
        s.color1 = QColor(0, 128, 0);
        s.hidden[2] = true; // CD Path, shown in column 3
        s.widths[1] = 140;
        s.widths[3] = 77;
        std::swap(s.fieldOfColumn[0], s.fieldOfColumn[7]);
        {
            common::IniFile ini(file);
            s.write(ini);
            QVERIFY(ini.save());
        }
        const common::IniFile ini(file);
        QCOMPARE(ini.readString(u"settings", u"grid_3"), QStringLiteral("120"));
        QCOMPARE(ini.readString(u"settings", u"state_grid_3"), QStringLiteral("hidden"));
        QCOMPARE(ini.readString(u"settings", u"celld_1"), QStringLiteral("Category"));
        QCOMPARE(ini.readString(u"settings", u"show_welcome"), QStringLiteral("FALSE"));
        QCOMPARE(ini.readString(u"settings", u"wstate"), QStringLiteral("wsNormal"));
        QCOMPARE(ini.readString(u"settings", u"Color1"), QStringLiteral("clGreen"));

        const EditorSettings back = EditorSettings::read(ini);
        QCOMPARE(back.lastProject, s.lastProject);
        QCOMPARE(back.language, 2);
        QVERIFY(!back.shipRuntime);
        QVERIFY(!back.writeWebMenu);
        QCOMPARE(back.gridMode, std::optional<int>(1));
        QCOMPARE(back.hidden[2], std::optional<bool>(true));
        QCOMPARE(back.hidden[0], std::optional<bool>(false));
        QCOMPARE(back.widths[1], 140);
        QCOMPARE(back.widths[0], 33);
        QCOMPARE(back.fieldOfColumn, s.fieldOfColumn);
    }

    void noGridModeAndNoLastProjectAreNotWritten() {
        EditorSettings s;
        s.gridMode.reset();
        common::IniFile ini(m_dir.filePath(QStringLiteral("nomode.dat")));
        s.write(ini);
        QVERIFY(!ini.hasKey(u"settings", u"grid_mode"));
        QVERIFY(!ini.hasKey(u"settings", u"last_proj"));
        QVERIFY(!ini.hasKey(u"settings", u"grid_0"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
