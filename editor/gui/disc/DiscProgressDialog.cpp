#include "editor/gui/disc/DiscProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kRefreshMilliseconds = 100;
constexpr double kBytesPerMegabyte = 1000.0 * 1000.0;
// The bar counts in KiB so that images above 2 GiB stay within its int range.
constexpr std::int64_t kBarUnit = 1024;

QString megabytes(std::int64_t bytes) {
    return QString::number(double(bytes) / kBytesPerMegabyte, 'f', 1);
}

} // namespace

DiscProgressDialog::DiscProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DiscProgress"));
    setModal(true);
    m_stage = new QLabel(this);
    m_stage->setObjectName(QStringLiteral("stage"));
    m_amount = new QLabel(this);
    m_amount->setObjectName(QStringLiteral("amount"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("bar"));
    cancel = new QPushButton(m_texts.cancel, this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stage);
    layout->addWidget(m_bar);
    layout->addWidget(m_amount);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    setMinimumWidth(420);
    m_timer = new QTimer(this);
    m_timer->setInterval(kRefreshMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &DiscProgressDialog::showProgress);
    connect(cancel, &QPushButton::clicked, this, &DiscProgressDialog::cancelClicked);
}

void DiscProgressDialog::setTexts(const DiscProgressTexts& texts) {
    m_texts = texts;
    cancel->setText(texts.cancel);
}

DiscJobResult DiscProgressDialog::run(const QString& title, Job job) {
    setWindowTitle(title);
    DiscJobProgress progress;
    DiscJobResult result;
    m_progress = &progress;
    cancel->setEnabled(true);
    showProgress();
    QThread* worker = QThread::create([&progress, &result, &job] { result = job(progress); });
    connect(worker, &QThread::finished, this, &QDialog::accept);
    worker->start();
    m_timer->start();
    exec();
    // exec() can only end through the job's end; the wait is for the thread's last instructions.
    worker->wait();
    delete worker;
    m_timer->stop();
    m_progress = nullptr;
    return result;
}

void DiscProgressDialog::cancelClicked() {
    if (m_progress)
        m_progress->cancelRequested = true;
    cancel->setEnabled(false);
}

void DiscProgressDialog::reject() {
    // Escape and the close box cancel; the job's end closes the window.
    cancelClicked();
}

void DiscProgressDialog::showProgress() {
    if (!m_progress)
        return;
    const std::int64_t done = m_progress->done;
    const std::int64_t total = m_progress->total;
    switch (m_progress->stage.load()) {
    case DiscJobProgress::Stage::Preparing:
        m_stage->setText(m_texts.preparing);
        break;
    case DiscJobProgress::Stage::WritingImage:
        m_stage->setText(m_texts.writingImage);
        break;
    case DiscJobProgress::Stage::Burning:
        m_stage->setText(m_texts.burning);
        break;
    case DiscJobProgress::Stage::Verifying:
        m_stage->setText(m_texts.verifying);
        break;
    }
    if (total <= 0) {
        m_bar->setRange(0, 0); // busy until the size is known
        m_amount->clear();
        return;
    }
    m_bar->setRange(0, int(total / kBarUnit));
    m_bar->setValue(int(std::min(done, total) / kBarUnit));
    m_amount->setText(m_texts.amount.arg(megabytes(done), megabytes(total)));
}
