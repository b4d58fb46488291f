#include "menu/gui/ItemDetails.h"

#include "menu/content/PlainText.h"
#include "menu/gui/DesignLook.h"
#include "menu/gui/MenuWindowLayout.h"
#include "ui/widgets/Backdrop.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

using menu::ButtonMode;
using namespace menu::layout;

namespace {

// The details keep the places they have in the menu window; this widget starts at the box's left
// edge on the heading row.
const QPoint kOrigin(kBoxLeft, kHeadTop);

QRect inWindow(int x, int y, int width, int height) {
    return QRect(x, y, width, height).translated(-kOrigin);
}

// A heading longer than this is cut, with its whole text as tooltip.
constexpr int kHeadingLength = 38;

} // namespace

ItemDetails::ItemDetails(const menu::MenuState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("itemdetails"));
    setGeometry(kBoxLeft, kHeadTop, kBoxWidth, kListTop + kListHeight - kHeadTop);
    auto makeHeading = [this](const char16_t* name) {
        auto* label = new ui::EffectLabel(QStringLiteral("detail"), this);
        label->setObjectName(QString::fromUtf16(name));
        label->setGeometry(inWindow(kBoxLeft + 2, kHeadTop, 300, 18));
        label->setBold(true);
        return label;
    };
    m_detailHead = makeHeading(u"detailhead");
    m_thumbHead = makeHeading(u"thumbhead");
    m_thumbHead->hide();

    m_detailBox = new ui::BackdropWidget(this);
    m_detailBox->setObjectName(QStringLiteral("detailbox"));
    m_detailBox->setGeometry(inWindow(kBoxLeft, kListTop, kBoxWidth, kListHeight));
    m_detailBox->setBackdrop(ui::Backdrop::solid(Qt::white, Qt::white));
    m_detailBox->lower();

    auto makeArrow = [this](const char16_t* name, int left, ui::ShadowButton::Arrow arrow) {
        auto* button = new ui::ShadowButton(QString(), this);
        button->setObjectName(QString::fromUtf16(name));
        button->setGeometry(inWindow(left, kHeadTop, 20, 17));
        button->setArrow(arrow);
        return button;
    };
    m_dockPictureButton = makeArrow(u"docthumb", kBoxLeft + kBoxWidth - 47, ui::ShadowButton::Arrow::Down);
    m_detailsButton = makeArrow(u"hidedetail", kBoxLeft + kBoxWidth - 22, ui::ShadowButton::Arrow::Right);
    connect(m_dockPictureButton, &QAbstractButton::clicked, this, &ItemDetails::pictureDockToggled);
    connect(m_detailsButton, &QAbstractButton::clicked, this, &ItemDetails::detailsToggled);

    createDetails();
}

void ItemDetails::createDetails() {
    // Six labels over the values, the two sizes side by side.
    const int x = kDetailLeft, w = kBoxWidth - 16;
    struct Row {
        const char16_t* labelName;
        const char16_t* labelText;
        QRect label;
        const char16_t* valueName;
        QRect value;
    };
    const Row rows[] = {
        {u"filenamelabel", u"filename", inWindow(x, 113, w, 17), u"filename", inWindow(x, 130, w, 17)},
        {u"seriallabel", u"serial number", inWindow(x, 152, w, 17), u"serial", inWindow(x, 169, w, 17)},
        {u"sizeplabel", u"cd size:", inWindow(x, 192, 72, 17), u"sizep",
         inWindow(kSizeValueLeft, 192, 96, 17)},
        {u"sizeuplabel", u"hd size:", inWindow(x + 174, 192, 72, 17), u"sizeup",
         inWindow(kSizeUpValueLeft, 192, w - 246 - kSizeValueShift, 17)},
        {u"desclabel", u"description", inWindow(x, 214, w, 17), u"desc", inWindow(x, 231, w, 74)},
        {u"hpurllabel", u"homepage:", inWindow(x, 310, 92, 17), u"hpurl", inWindow(x + 92, 310, w - 92, 17)},
    };
    std::vector<ui::EffectLabel*> values;
    for (const Row& row : rows) {
        auto* label = new ui::EffectLabel(QString::fromUtf16(row.labelText), this);
        label->setObjectName(QString::fromUtf16(row.labelName));
        label->setGeometry(row.label);
        label->setBold(true);
        m_labels.push_back(label);
        auto* value = new ui::EffectLabel(this);
        value->setObjectName(QString::fromUtf16(row.valueName));
        value->setGeometry(row.value);
        values.push_back(value);
    }
    m_fileNameValue = values[0];
    m_serialValue = values[1];
    m_discSizeValue = values[2];
    m_installedSizeValue = values[3];
    m_descriptionValue = values[4];
    m_homePageValue = values[5];
    m_descriptionValue->setWordWrap(true);
    m_descriptionValue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_homePageValue, &ui::EffectLabel::clicked, this, [this] {
        if (m_homePageValue->isLink())
            Q_EMIT homePageOpened(menu::homePageAddress(m_homePageValue->text()));
    });
    for (ui::EffectLabel* serialLabel : {m_labels[1], m_serialValue}) {
        serialLabel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(serialLabel, &QWidget::customContextMenuRequested, this,
                [this, serialLabel](const QPoint& pos) {
                    Q_EMIT serialMenuWanted(serialLabel->mapToGlobal(pos));
                });
    }
}

void ItemDetails::applyLanguage(const menu::LanguageFile& language) {
    // Without a language file the details keep the captions they were made with.
    if (!language.present)
        return;
    m_detailHead->setText(language.headings[3]);
    m_thumbHead->setText(language.heading3_2);
    for (int k = 1; k <= 6; ++k)
        m_labels[k - 1]->setText(language.details[k]);
    m_detailsButton->setToolTip(menu::plainToolTip(language.texts.detailsShownHint));
    m_dockPictureButton->setToolTip(menu::plainToolTip(language.texts.pictureUndockedHint));
    if (language.texts.language == 1) {
        m_labels[2]->resize(72 + kSizeValueShift, m_labels[2]->height());
        m_labels[3]->resize(72 + kSizeValueShift, m_labels[3]->height());
        m_discSizeValue->move(kSizeValueLeft + kSizeValueShift - kOrigin.x(), m_discSizeValue->y());
        m_installedSizeValue->move(kSizeUpValueLeft + kSizeValueShift - kOrigin.x(),
                                   m_installedSizeValue->y());
    }
}

void ItemDetails::applyDesign(const menu::DesignSettings& d, const QPixmap& boxWallpaper,
                              const QPixmap& buttonBitmap) {
    m_detailBox->setBackdrop(boxWallpaper.isNull()
                                 ? ui::Backdrop::solid(d.detailsBox.color, d.detailsBox.color)
                                 : ui::Backdrop::bitmap(boxWallpaper, ui::Placement::Tile));
    for (ui::EffectLabel* heading : {m_detailHead, m_thumbHead})
        menu::styleLabel(heading, d.headings);
    for (ui::EffectLabel* label : m_labels)
        menu::styleLabel(label, d.detailLabels);
    for (ui::EffectLabel* value : {m_fileNameValue, m_serialValue, m_discSizeValue, m_installedSizeValue,
                                   m_descriptionValue, m_homePageValue})
        menu::styleLabel(value, d.detailValues);

    for (ui::ShadowButton* b : {m_detailsButton, m_dockPictureButton}) {
        if (d.buttonMode == ButtonMode::Bitmap)
            b->setFace(ui::Backdrop::bitmap(buttonBitmap, ui::Placement::Tile));
        else if (d.buttonMode == ButtonMode::Band)
            b->setFace(ui::Backdrop::gradient(d.buttonStart, d.buttonEnd));
        else if (d.buttonMode == ButtonMode::Transparent)
            b->setFace(ui::Backdrop::solid(d.headings.color));
        // The arrows are drawn in the colour that stands out from their face.
        b->setTextColor(d.buttonMode == ButtonMode::Transparent ? d.backStart : d.buttonText);
    }
}

void ItemDetails::showNoItem() {
    const menu::LanguageTexts& texts = m_state.language.texts;
    setValues(texts.language == 1 ? QStringLiteral("n/v") : QStringLiteral("n/a"));
    setHeading(m_detailHead, texts.detailsHeading);
}

void ItemDetails::showItem(const QString& caption, const QString& target, const menu::ItemDetails& details) {
    const menu::LanguageTexts& texts = m_state.language.texts;
    setHeading(m_detailHead, texts.detailsHeading +
                                 (texts.language == 1 ? QStringLiteral(" zu ") : QStringLiteral(" of ")) +
                                 caption);
    setHeading(m_thumbHead, caption + u' ' + texts.thumbnailHeading);

    m_fileNameValue->setText(target);
    m_fileNameValue->setToolTip(menu::plainToolTip(target));
    m_serialValue->setText(details.serial);
    m_discSizeValue->setText(details.sizeOnDisc);
    m_installedSizeValue->setText(details.sizeInstalled);
    m_descriptionValue->setText(details.description);
    const bool link = details.hasHomePage();
    m_homePageValue->setText(link ? details.homePage : QStringLiteral("n/a"));
    m_homePageValue->setLink(link);
}

QString ItemDetails::target() const {
    return m_fileNameValue->text();
}

QString ItemDetails::serial() const {
    return m_serialValue->text();
}

void ItemDetails::setHeading(ui::EffectLabel* heading, const QString& text) {
    const bool cut = text.size() > kHeadingLength;
    heading->setText(cut ? text.left(kHeadingLength) + QStringLiteral(" ...") : text);
    heading->setToolTip(menu::plainToolTip(cut ? text : QString()));
}

void ItemDetails::setValues(const QString& text) {
    for (ui::EffectLabel* value : {m_fileNameValue, m_serialValue, m_discSizeValue, m_installedSizeValue,
                                   m_descriptionValue, m_homePageValue}) {
        value->setText(text);
        value->setToolTip({});
    }
    m_homePageValue->setLink(false);
}

std::vector<QWidget*> ItemDetails::valuesAndLabels() const {
    std::vector<QWidget*> widgets{m_fileNameValue,      m_serialValue,      m_discSizeValue,
                                  m_installedSizeValue, m_descriptionValue, m_homePageValue};
    widgets.insert(widgets.end(), m_labels.begin(), m_labels.end());
    return widgets;
}

void ItemDetails::setDetailsShown(bool shown) {
    const menu::LanguageTexts& texts = m_state.language.texts;
    m_detailHead->setVisible(shown);
    for (QWidget* w : valuesAndLabels())
        w->setVisible(shown);
    m_detailsButton->setArrow(shown ? ui::ShadowButton::Arrow::Right : ui::ShadowButton::Arrow::Left);
    m_detailsButton->setToolTip(menu::plainToolTip(shown ? texts.detailsShownHint : texts.detailsHiddenHint));
}

void ItemDetails::setPictureDocked(bool docked) {
    const menu::LanguageTexts& texts = m_state.language.texts;
    m_dockPictureButton->setToolTip(
        menu::plainToolTip(docked ? texts.pictureDockedHint : texts.pictureUndockedHint));
    m_dockPictureButton->setArrow(docked ? ui::ShadowButton::Arrow::Up : ui::ShadowButton::Arrow::Down);
    m_detailHead->setVisible(!docked);
    m_thumbHead->setVisible(docked);
    for (QWidget* w : valuesAndLabels())
        w->setVisible(!docked);
    m_detailBox->setVisible(!docked);
}
