// The design editor's live sample and the menu program draw a design alike: the sample's button and
// texts look like the menu's, styled from the design file the editor writes.
#include "common/IniFile.h"
#include "editor/gui/design/DesignSample.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "menu/gui/DesignLook.h"
#include "menu/reader/DesignSettings.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using Model = DesignModel;

namespace {

// A widget drawn at SIZE on nothing behind it. The sample's button, never shown, draws the bottom
// rows of its face differently the first time it is drawn, so each widget is drawn once before.
QImage drawn(QWidget& widget, QSize size) {
    widget.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

QImage drawnSettled(QWidget& widget, QSize size) {
    drawn(widget, size);
    return drawn(widget, size);
}

} // namespace

class TestDesignSample : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleLooksLikeTheMenu_data() {
        QTest::addColumn<std::function<void(Model&)>>("change");
        QTest::newRow("standard") << std::function<void(Model&)>([](Model&) {});
        QTest::newRow("raised 3D inset bold") << std::function<void(Model&)>([](Model& m) {
            m.buttonStart = QColor(0, 0, 128);
            m.buttonEnd = QColor(0, 128, 128);
            m.buttonFont = QColor(255, 255, 0);
            m.buttonFontEffect = Model::FontEffect::Raised;
            m.buttonBold = true;
            m.buttonStyle = Model::ButtonStyle::Inset;
            m.buttonEffect = Model::ButtonEffect::ThreeD;
            m.borderWidth = 4;
            m.shadowDepth = 9;
            m.headingFont = QColor(128, 0, 0);
            m.headingBold = false;
            m.headingEffect = Model::FontEffect::SunkenShadow;
            m.labelEffect = Model::FontEffect::None;
            m.valueBold = true;
            m.valueEffect = Model::FontEffect::Shadow;
        });
        QTest::newRow("offset, no depth") << std::function<void(Model&)>([](Model& m) {
            m.buttonStyle = Model::ButtonStyle::Offset;
            m.shadowDepth = 0;
            m.borderWidth = 0;
            m.buttonFontEffect = Model::FontEffect::RaisedShadow;
            m.labelFont = QColor(255, 0, 255);
            m.labelBold = false;
        });
    }

    void sampleLooksLikeTheMenu() {
        QFETCH(std::function<void(Model&)>, change);
        QTemporaryDir dir;
        EditorState state;
        change(state.design);
        const QString file = dir.filePath(u"look.lbd"_qs);
        QVERIFY(designfile::write(state, file));
        const menu::DesignLook look{menu::readDesignSettings(common::IniFile(file)), {}, {}};

        DesignSample sample;
        sample.showDesign(state.design, state.files);

        auto* sampleButton = sample.findChild<ui::ShadowButton*>(u"testbtn"_qs);
        QVERIFY(sampleButton);
        ui::ShadowButton menuButton(sampleButton->text());
        menuButton.setFont(sample.font());
        look.styleButton(&menuButton);
        const QSize buttonSize(150, 34);
        QCOMPARE(drawnSettled(*sampleButton, buttonSize), drawnSettled(menuButton, buttonSize));

        const std::pair<const char16_t*, menu::FontStyle> texts[] = {{u"label13", look.design.headings},
                                                                     {u"label14", look.design.detailLabels},
                                                                     {u"label15", look.design.detailValues}};
        for (const auto& [name, style] : texts) {
            auto* sampleText = sample.findChild<ui::EffectLabel*>(QString::fromUtf16(name));
            QVERIFY(sampleText);
            ui::EffectLabel menuText(sampleText->text());
            QFont font = sampleText->font();
            font.setBold(false);
            menuText.setFont(font);
            menu::styleLabel(&menuText, style);
            const QSize size = sampleText->sizeHint().expandedTo(menuText.sizeHint());
            QVERIFY2(drawnSettled(*sampleText, size) == drawnSettled(menuText, size),
                     qPrintable(QString::fromUtf16(name)));
        }
    }
};

QTEST_MAIN(TestDesignSample)
#include "tst_designsample.moc"
