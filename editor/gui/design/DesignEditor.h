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

    // File control and sample
    QGroupBox* filePanel;
    QPushButton* ngf;
    QPushButton* lgf;
    QPushButton* crgf;
    QPushButton* SaveAs;
    QGroupBox* samplePanel;
    DesignSample* sample;
    ui::ShadowButton* testbtn;
    QTabWidget* tabs;
    // Background
    ui::ColorBox* backStart;
    ui::ColorBox* backEnd;
    QPushButton* bandmode;
    QPushButton* loadbtmpok;
    QPushButton* clearbmp;
    QPushButton* bmpmode;
    QComboBox* bmptmcb;
    StatusMark* bandsel;
    StatusMark* bmpsel;
    StatusMark* modebmp;
    // Boxes
    ui::ColorBox* boxc_c;
    ui::ColorBox* boxc_fc;
    ui::ColorBox* boxf_c;
    ui::ColorBox* boxf_fc;
    ui::ColorBox* boxd_c;
    QComboBox* boxc_bmp;
    QComboBox* boxf_bmp;
    QComboBox* boxd_bmp;
    // Buttons
    ui::ColorBox* btncw;
    ui::ColorBox* btnecw;
    ui::ColorBox* btnFw;
    QPushButton* buttonband;
    QPushButton* loadbuttonbmp;
    QPushButton* clearbtn;
    QPushButton* buttonbmp;
    QPushButton* buttontrans;
    StatusMark* buttonbandsel;
    StatusMark* buttonbmpsel;
    StatusMark* buttontranssel;
    StatusMark* BtnBmp;
    QSpinBox* btnsd;
    QSpinBox* btnbw;
    QComboBox* btnstylecb;
    QComboBox* btneffectcb;
    QComboBox* FontBtnStyle;
    QCheckBox* btn_fb;
    // Fonts
    ui::ColorBox* fuc;
    ui::ColorBox* fduc;
    ui::ColorBox* fdnc;
    QComboBox* Font1Style;
    QComboBox* Font2Style;
    QComboBox* Font3Style;
    QCheckBox* cf_b;
    QCheckBox* ff_b;
    QCheckBox* df_b;
    // Sounds
    QComboBox* soundc;
    QPushButton* soundplay;
    QPushButton* soundstop;
    QPushButton* SoundOpen;
    QPushButton* SoundClear;
    // Appearance
    QComboBox* language_c;
    QComboBox* language_sc;
    QPushButton* splash_load;
    QPushButton* splash_clear;
    QPushButton* splash_prev;
    ui::ColorBox* splash_fc;
    QSpinBox* splash_fw;
    QSpinBox* splash_d;
    StatusMark* splash_status;
    QPushButton* icon_load;
    QPushButton* icon_clear;
    ui::PictureView* icon_prev;
    StatusMark* icon_status;
    // Leaving
    ui::EffectLabel* moreDesigns;
    QPushButton* OK;
    QPushButton* Cancel;
    QPushButton* help;
    QPushButton* Info;
    SplashPreviewDialog* splashPreview;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* createBackgroundPage();
    QWidget* createBoxPage();
    QWidget* createButtonPage();
    QWidget* createFontPage();
    QWidget* createSoundPage();
    QWidget* createAppearancePage();
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, const char* key);
    QLabel* label(QWidget* parent, const QString& caption, const char* key);
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
