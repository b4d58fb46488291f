#include "editor/gui/design/DesignSample.h"

#include "editor/project/DesignEditing.h"
#include "editor/project/EditorState.h"
#include "ui/widgets/DesignStyle.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QGridLayout>

namespace {

using Model = DesignModel;

ui::TextEffect toUi(Model::FontEffect effect) {
    // The design file lists the six effects in the order of the widget set.
    static_assert(int(Model::FontEffect::SunkenShadow) == int(ui::TextEffect::SunkenShadow));
    return static_cast<ui::TextEffect>(int(effect));
}

// The menu program places a bitmap the same way for each tile mode.
ui::Placement toUi(Model::TileMode mode) {
    switch (mode) {
    case Model::TileMode::Center:
        return ui::Placement::Center;
    case Model::TileMode::None:
        return ui::Placement::None;
    case Model::TileMode::Stretch:
        return ui::Placement::Stretch;
    case Model::TileMode::Tile:
        break;
    }
    return ui::Placement::Tile;
}

// The design as the menu program will draw it, with the bitmaps its modes use.
ui::DesignStyle styleOf(const Model& d, const QPixmap& background, const QPixmap& buttonBitmap) {
    ui::DesignStyle s;
    s.window = d.designMode == Model::DesignMode::Bmp ? ui::Backdrop::bitmap(background, toUi(d.tileMode))
                                                      : ui::Backdrop::gradient(d.backStart, d.backEnd);
    s.button = {.face = d.buttonMode == Model::ButtonMode::Band
                            ? ui::Backdrop::gradient(d.buttonStart, d.buttonEnd)
                        : d.buttonMode == Model::ButtonMode::Bmp
                            ? ui::Backdrop::bitmap(buttonBitmap, ui::Placement::Tile)
                            : ui::Backdrop(),
                .textColor = d.buttonFont,
                .textEffect = toUi(d.buttonFontEffect),
                .bold = d.buttonBold,
                .bevelWidth = d.borderWidth,
                .shadowDepth = d.shadowDepth,
                .bevel = d.buttonStyle == Model::ButtonStyle::Inset    ? ui::ShadowButton::Bevel::Inset
                         : d.buttonStyle == Model::ButtonStyle::Offset ? ui::ShadowButton::Bevel::Offset
                                                                       : ui::ShadowButton::Bevel::Normal,
                .shape = d.buttonEffect == Model::ButtonEffect::ThreeD ? ui::ShadowButton::Shape::ThreeD
                                                                       : ui::ShadowButton::Shape::Shadow};
    s.headings = {d.headingFont, d.headingBold, toUi(d.headingEffect)};
    s.detailLabels = {d.labelFont, d.labelBold, toUi(d.labelEffect)};
    s.detailValues = {d.valueFont, d.valueBold, toUi(d.valueEffect)};
    return s;
}

} // namespace

DesignSample::DesignSample(QWidget* parent) : ui::BackdropWidget(parent) {
    setObjectName(QStringLiteral("sample"));
    m_fullPreviewButton = new ui::ShadowButton(QStringLiteral("full preview"), this);
    m_fullPreviewButton->setObjectName(QStringLiteral("testbtn"));
    m_fullPreviewButton->setMinimumSize(150, 34);
    connect(m_fullPreviewButton, &QAbstractButton::clicked, this, &DesignSample::fullPreviewPressed);
    m_headingSample = new ui::EffectLabel(QStringLiteral("category"), this);
    m_headingSample->setObjectName(QStringLiteral("label13"));
    m_labelSample = new ui::EffectLabel(QStringLiteral("file"), this);
    m_labelSample->setObjectName(QStringLiteral("label14"));
    m_valueSample = new ui::EffectLabel(QStringLiteral("c:\\test.exe"), this);
    m_valueSample->setObjectName(QStringLiteral("label15"));
    for (ui::EffectLabel* label : {m_headingSample, m_labelSample, m_valueSample}) {
        QFont f = label->font();
        f.setPointSize(11);
        label->setFont(f);
    }

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(m_headingSample, 0, 0, 1, 2);
    layout->addWidget(m_labelSample, 1, 0);
    layout->addWidget(m_valueSample, 1, 1);
    layout->addWidget(m_fullPreviewButton, 2, 0, 1, 2, Qt::AlignCenter);
    layout->setColumnStretch(1, 1);
    setMinimumSize(240, 130);
}

const QPixmap& DesignSample::bitmap(const QString& path, QString& loadedPath, QPixmap& cache) {
    if (path != loadedPath) {
        loadedPath = path;
        cache = path.isEmpty() ? QPixmap() : QPixmap(path);
    }
    return cache;
}

void DesignSample::showDesign(const DesignModel& d, const ProjectFiles& media) {
    const QPixmap background = d.designMode == Model::DesignMode::Bmp
                                   ? bitmap(media.backgroundFile.path(), m_backgroundPath, m_background)
                                   : QPixmap();
    const QPixmap buttonBitmap = d.buttonMode == Model::ButtonMode::Bmp
                                     ? bitmap(media.buttonFile.path(), m_buttonPath, m_button)
                                     : QPixmap();
    const ui::DesignStyle style = styleOf(d, background, buttonBitmap);
    setBackdrop(style.window);
    ui::applyStyle(*m_fullPreviewButton, style.button);
    ui::applyStyle(*m_headingSample, style.headings);
    ui::applyStyle(*m_labelSample, style.detailLabels);
    ui::applyStyle(*m_valueSample, style.detailValues);

    const designediting::SampleCaptions captions = designediting::sampleCaptions(d.language, d.style);
    m_fullPreviewButton->setText(captions.button);
    m_headingSample->setText(captions.category);
    m_labelSample->setText(captions.file);
    m_valueSample->setText(captions.value);
    update();
}
