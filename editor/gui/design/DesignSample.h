#pragma once

#include "ui/widgets/Backdrop.h"

#include <QPixmap>
#include <QString>

struct DesignModel;
struct ProjectFiles;
namespace ui {
class EffectLabel;
class ShadowButton;
} // namespace ui

// The design editor's live sample: the menu's background with one of its buttons and its three
// kinds of text, drawn by the same widgets as the menu program, so that it looks like the disc.
class DesignSample : public ui::BackdropWidget {
    Q_OBJECT
public:
    explicit DesignSample(QWidget* parent = nullptr);

    // Shows every setting of the design at once; bitmaps come from the media holders.
    void showDesign(const DesignModel& design, const ProjectFiles& media);

Q_SIGNALS:
    // The sample's button asks for the full preview.
    void fullPreviewPressed();

private:
    ui::ShadowButton* m_fullPreviewButton;
    ui::EffectLabel* m_headingSample; // heading font
    ui::EffectLabel* m_labelSample;   // detail label font
    ui::EffectLabel* m_valueSample;   // detail value font

    // A holder's bitmap, read again only when the holder names another file.
    const QPixmap& bitmap(const QString& path, QString& loadedPath, QPixmap& cache);

    QString m_backgroundPath, m_buttonPath;
    QPixmap m_background, m_button;
};
