#pragma once

#include "menu/MenuState.h"
#include "menu/content/PlainText.h"
#include "menu/gui/DesignedDialog.h"
#include "ui/services/Services.h"

#include <memory>

class QFrame;
class QTemporaryDir;
class QTextEdit;

namespace menu {
struct DesignLook;
}
namespace ui {
class EffectLabel;
class ShadowButton;
} // namespace ui

// The information window: an item's information text, or the NFO or File_id.diz text of a zip
// archive, in a read-only view above a group with the buttons print and exit. It shows at least a
// page of text, and grows with a text of up to kMostLines lines whose font needs more.
class InfoWindow : public menu::DesignedDialog {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 20;
    static constexpr int kMostLines = 25;       // more lines than this scroll in a view of fixed height
    static constexpr int kFullViewHeight = 400; // a page: twenty lines
    static constexpr int kFullWindowHeight = 510;
    static constexpr int kGroupHeight = 110; // the window below the view: gap, frame and margins
    // Wide enough for eighty columns of an NFO text.
    static constexpr int kInitialWidth = 680;
    static constexpr int kInitialHeight = kFullWindowHeight;
    // How much of a text is shown. Every line costs the view its layout, so a text of nothing but
    // line ends would otherwise take seconds and gigabytes; real information texts and NFO files
    // stay far below both.
    static constexpr qint64 kMaxTextBytes = 2 * 1024 * 1024;
    static constexpr qsizetype kMaxTextLines = 20'000;

    using Encoding = menu::TextEncoding;

    InfoWindow(ui::Services services, const menu::MenuState& state, QWidget* parent = nullptr);
    ~InfoWindow() override;

    // The look of an information text: Arial 9 points, black on white.
    void prepareInformation(const QString& caption);
    // The look of a text from a zip archive: a monospaced face with the box-drawing characters,
    // white on navy.
    void prepareZipText(const QString& caption);

    void clearText();
    // Loads a file into the view: rich text when it holds rich-text markup, plain text in the
    // given encoding otherwise. False with the system's reason when the file cannot be read.
    bool loadFile(const QString& path, Encoding encoding, QString* error = nullptr);

    // The folder that holds an extracted text and the text's path; both are deleted when the
    // window closes.
    void setTemporaryText(std::unique_ptr<QTemporaryDir> folder, const QString& textPath);
    const QString& temporaryTextPath() const { return m_temporaryTextPath; }

    // The text's lines as the fitting counts them: the view's lines, without an empty last one.
    int lineCount() const;
    // Sizes the view and the window to the text and centres the window vertically.
    void fitToText();

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignLook& look);

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void printText();
    void closeWindow();
    void layoutControls();
    // The view's height that shows the whole text without scrolling.
    int textHeight() const;
    void setViewColors(const QColor& base, const QColor& text);
    void removeTemporaryText();

    ui::Services m_services;
    const menu::MenuState& m_state;
    QTextEdit* m_textView;
    QFrame* m_frame;
    ui::EffectLabel* m_heading;
    ui::ShadowButton* m_printButton;
    ui::ShadowButton* m_closeButton;
    bool m_fitting = false;

    std::unique_ptr<QTemporaryDir> m_temporaryFolder;
    QString m_temporaryTextPath;
};
