#include "editor/gui/design/DesignSample.h"

#include "editor/project/DesignEditing.h"
#include "editor/project/EditorState.h"
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

void styleText(ui::EffectLabel* label, const QColor& color, bool bold, Model::FontEffect effect) {
    label->setColor(color);
    label->setBold(bold);
    label->setEffect(toUi(effect));
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
    if (d.designMode == Model::DesignMode::Bmp)
        setBackdrop(ui::Backdrop::bitmap(bitmap(media.backgroundFile.path(), m_backgroundPath, m_background),
                                         toUi(d.tileMode)));
    else
        setBackdrop(ui::Backdrop::gradient(d.backStart, d.backEnd));

    switch (d.buttonMode) {
    case Model::ButtonMode::Band:
        m_fullPreviewButton->setFace(ui::Backdrop::gradient(d.buttonStart, d.buttonEnd));
        break;
    case Model::ButtonMode::Bmp:
        m_fullPreviewButton->setFace(ui::Backdrop::bitmap(
            bitmap(media.buttonFile.path(), m_buttonPath, m_button), ui::Placement::Tile));
        break;
    case Model::ButtonMode::Trans:
        m_fullPreviewButton->setFace(ui::Backdrop());
        break;
    }
    m_fullPreviewButton->setTextColor(d.buttonFont);
    m_fullPreviewButton->setTextEffect(toUi(d.buttonFontEffect));
    m_fullPreviewButton->setBold(d.buttonBold);
    m_fullPreviewButton->setBevelWidth(d.borderWidth);
    m_fullPreviewButton->setShadowDepth(d.shadowDepth);
    m_fullPreviewButton->setBevel(d.buttonStyle == Model::ButtonStyle::Inset ? ui::ShadowButton::Bevel::Inset
                                  : d.buttonStyle == Model::ButtonStyle::Offset
                                      ? ui::ShadowButton::Bevel::Offset
                                      : ui::ShadowButton::Bevel::Normal);
    m_fullPreviewButton->setShape(d.buttonEffect == Model::ButtonEffect::ThreeD
                                      ? ui::ShadowButton::Shape::ThreeD
                                      : ui::ShadowButton::Shape::Shadow);

    styleText(m_headingSample, d.headingFont, d.headingBold, d.headingEffect);
    styleText(m_labelSample, d.labelFont, d.labelBold, d.labelEffect);
    styleText(m_valueSample, d.valueFont, d.valueBold, d.valueEffect);

    const designediting::SampleCaptions captions = designediting::sampleCaptions(d.language, d.style);
    m_fullPreviewButton->setText(captions.button);
    m_headingSample->setText(captions.category);
    m_labelSample->setText(captions.file);
    m_valueSample->setText(captions.value);
    update();
}
