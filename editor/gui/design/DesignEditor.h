#pragma once

#include "editor/gui/CaptionTable.h"
#include "editor/language/TranslatableWindow.h"
#include "editor/project/DesignEditing.h"
#include "ui/services/Services.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class DesignSample;
class SplashPreviewDialog;
class StatusMark;
struct EditorState;
namespace ui {
class ColorBox;
class EffectLabel;
class PictureView;
class ShadowButton;
} // namespace ui

// The design editor: how the menu on the disc looks and sounds, with a live sample of it. It works
// on the project's design (the design model and the media holders) and loads and saves design files.
class DesignEditor : public QDialog, public TranslatableWindow {
    Q_OBJECT
public:
    DesignEditor(EditorState& state, ui::Services services, QWidget* parent = nullptr);
    ~DesignEditor() override;

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Opens modally on the project's design (the standard design when it has none); true when the
    // dialog was left with OK.
    bool execute();
    // What opening does before the dialog shows.
    void prepare();
    // Called after OK closed the dialog over a saved design (the new-project dialog unlocks then).
    std::function<void()> onSavedAndClosed;

    bool isModified() const;
    static QString designsHomePage();
    // Escape and the window's close box leave as Cancel does.
    void reject() override;

    // The editor's own messages beyond the numbered ones: section "MD" from key 135 on.
    enum Text {
        RefusedMedia = 135,
        RenamedMedia,
        ReplaceDesign,
        NoPreviewProgram,
        PreviewNotWritable,
        NotABitmap,
        MediaNotCopied,
        LastText = MediaNotCopied
    };
    QString text(Text key) const;
    // Says which media a loaded design file named but may not use; nothing when there are none.
    void reportRefusedMedia(const QStringList& refused) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Background
    void backgroundBandClicked();
    void loadBackgroundClicked();
    void clearBackgroundClicked();
    void backgroundBitmapModeClicked();
    // Buttons
    void buttonBandClicked();
    void loadButtonBitmapClicked();
    void clearButtonBitmapClicked();
    void buttonBitmapModeClicked();
    void transparentClicked();
    // Sounds
    void soundChosen();
    void playSoundClicked();
    void stopSoundClicked();
    void loadSoundClicked();
    void clearSoundClicked();
    // Appearance
    void loadSplashClicked();
    void clearSplashClicked();
    void previewSplashClicked();
    void loadIconClicked();
    void clearIconClicked();
    // Design files and leaving
    void newDesignClicked();
    void loadDesignClicked();
    void saveDesignClicked();
    void saveAsClicked();
    void okClicked();
    void cancelClicked();
    void helpClicked();
    void aboutClicked();
    void designsHomePageClicked();
    // The full preview on the menu program.
    void fullPreviewClicked();

    // File control and sample
    QGroupBox* m_filePanel;
    QPushButton* m_newButton;
    QPushButton* m_loadButton;
    QPushButton* m_saveButton;
    QPushButton* m_saveAsButton;
    QGroupBox* m_samplePanel;
    DesignSample* m_sample;
    QTabWidget* m_tabs;
    // Background
    ui::ColorBox* m_backgroundStartColour;
    ui::ColorBox* m_backgroundEndColour;
    QPushButton* m_backgroundBandButton;
    QPushButton* m_loadBackgroundButton;
    QPushButton* m_clearBackgroundButton;
    QPushButton* m_backgroundBitmapModeButton;
    QComboBox* m_backgroundPlacementBox;
    StatusMark* m_backgroundBandMark;
    StatusMark* m_backgroundBitmapModeMark;
    StatusMark* m_backgroundBitmapLoadedMark;
    // Boxes
    ui::ColorBox* m_categoryBoxColour;
    ui::ColorBox* m_categoryBoxFontColour;
    ui::ColorBox* m_filesBoxColour;
    ui::ColorBox* m_filesBoxFontColour;
    ui::ColorBox* m_detailsBoxColour;
    QComboBox* m_categoryBoxFillBox;
    QComboBox* m_filesBoxFillBox;
    QComboBox* m_detailsBoxFillBox;
    // Buttons
    ui::ColorBox* m_buttonStartColour;
    ui::ColorBox* m_buttonEndColour;
    ui::ColorBox* m_buttonFontColour;
    QPushButton* m_buttonBandButton;
    QPushButton* m_loadButtonBitmapButton;
    QPushButton* m_clearButtonBitmapButton;
    QPushButton* m_buttonBitmapModeButton;
    QPushButton* m_transparentButton;
    StatusMark* m_buttonBandMark;
    StatusMark* m_buttonBitmapModeMark;
    StatusMark* m_transparentMark;
    StatusMark* m_buttonBitmapLoadedMark;
    QSpinBox* m_shadowDepthBox;
    QSpinBox* m_borderWidthBox;
    QComboBox* m_buttonStyleBox;
    QComboBox* m_buttonEffectBox;
    QComboBox* m_buttonFontEffectBox;
    QCheckBox* m_buttonFontBoldBox;
    // Fonts
    ui::ColorBox* m_categoryFontColour;
    ui::ColorBox* m_filesFontColour;
    ui::ColorBox* m_detailsFontColour;
    QComboBox* m_categoryFontEffectBox;
    QComboBox* m_filesFontEffectBox;
    QComboBox* m_detailsFontEffectBox;
    QCheckBox* m_categoryFontBoldBox;
    QCheckBox* m_filesFontBoldBox;
    QCheckBox* m_detailsFontBoldBox;
    // Sounds
    QComboBox* m_soundBox;
    QPushButton* m_playSoundButton;
    QPushButton* m_stopSoundButton;
    QPushButton* m_loadSoundButton;
    QPushButton* m_clearSoundButton;
    // Appearance
    QComboBox* m_menuLanguageBox;
    QComboBox* m_captionStyleBox;
    QPushButton* m_loadSplashButton;
    QPushButton* m_clearSplashButton;
    QPushButton* m_previewSplashButton;
    ui::ColorBox* m_splashFrameColour;
    QSpinBox* m_splashFrameWidthBox;
    QSpinBox* m_splashDelayBox;
    StatusMark* m_splashMark;
    QPushButton* m_loadIconButton;
    QPushButton* m_clearIconButton;
    ui::PictureView* m_iconPreview;
    StatusMark* m_iconMark;
    // Leaving
    ui::EffectLabel* m_moreDesignsLink;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;
    QPushButton* m_aboutButton;
    SplashPreviewDialog* m_splashPreview;

    QWidget* createBackgroundPage();
    QWidget* createBoxPage();
    QWidget* createButtonPage();
    QWidget* createFontPage();
    QWidget* createSoundPage();
    QWidget* createAppearancePage();
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, const char* key);
    QLabel* label(QWidget* parent, const QString& caption, const char* key);
    StatusMark* statusMark(QWidget* parent, const char* name, const QString& caption, const char* key);
    QComboBox* choice(QWidget* parent, const char* name, const QStringList& entries, int firstKey);
    ui::ColorBox* colorBox(QWidget* parent, const char* name);
    QSpinBox* spinBox(QWidget* parent, const char* name, int maximum);
    void connectSettings();
    // A control's change: the design takes it, is marked modified and the sample shows it.
    void changed(const std::function<void(DesignModel&)>& apply);

    void click() const;
    void message(const QString& key) const;
    void refuse(designediting::Refusal refusal) const;
    QString chooseMedium(const QString& filter, const QString& suffix, const QString& folder);
    QString chooseBitmap();
    void loadDesign(const QString& file);
    // Saves to the project's design file, or asks for a new one for the standard design; true
    // when the design was written.
    bool save();
    bool saveAs();
    bool saveTo(const QString& file);
    void setTitleToDesign();
    // The controls, marks, previews and sample show the design and its media.
    void showDesign();
    void showMarks();
    void showSample();
    void showSoundButtons();
    void showIcon();

    EditorState& m_state;
    ui::Services m_services;
    CaptionTable m_captions;
    std::vector<std::pair<QComboBox*, int>> m_choiceKeys;
    std::vector<ui::ColorBox*> m_colorBoxes;
    // Whether each sound's player holds its sound: Play and Stop are enabled for it.
    std::array<bool, 5> m_soundLoaded{};
    QHash<int, QString> m_texts;
    QString m_openingDesignFile;
    QString m_soundFolder;
    bool m_showing = false; // controls change from code, not from the user
};
