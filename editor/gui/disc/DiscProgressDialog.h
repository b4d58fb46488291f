#pragma once

#include "editor/disc/DiscJob.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The texts that the progress window shows, from the language file.
struct DiscProgressTexts {
    QString cancel = QStringLiteral("Cancel");
    QString preparing = QStringLiteral("Preparing ...");
    QString writingImage = QStringLiteral("Writing the image");
    QString burning = QStringLiteral("Burning the disc");
    QString verifying = QStringLiteral("Checking the disc");
    QString amount = QStringLiteral("%1 MB of %2 MB");
};

// Runs a disc job on a thread of its own and shows its progress: the editor keeps painting and the
// user may cancel. The window closes when the job has ended, never before.
class DiscProgressDialog : public QDialog {
    Q_OBJECT
public:
    using Job = std::function<DiscJobResult(DiscJobProgress&)>;

    explicit DiscProgressDialog(QWidget* parent);

    void setTexts(const DiscProgressTexts& texts);
    // Shows the window modally until the job has ended and gives its result.
    DiscJobResult run(const QString& title, Job job);

    void reject() override;

private:
    // Asks the job to stop; the window stays until it has.
    void cancelClicked();
    void showProgress();

    DiscProgressTexts m_texts;
    DiscJobProgress* m_progress = nullptr;
    QLabel* m_stage;
    QLabel* m_amount;
    QProgressBar* m_bar;
    QPushButton* m_cancelButton;
    QTimer* m_timer;
};
