#pragma once

#include "ui/services/ChooserService.h"
#include "ui/services/ClipboardService.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/PrintService.h"
#include "ui/services/Services.h"
#include "ui/services/ShellService.h"
#include "ui/services/SoundService.h"

#include <QImage>
#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

namespace ui::testing {

// Scripted doubles of the platform services: tests queue the answers of message boxes and choosers
// and read back what was shown, opened and played.

class FakeMessageBox : public MessageBoxService {
public:
    struct Shown {
        Kind kind;
        Buttons buttons;
        QString text;
        QString title;
        QString yesCaption;
        QString noCaption;
    };

    // Answers are used in order; a box without a queued answer gets OK, Cancel or No (the button
    // that changes nothing). A queued action runs while the box is "open", before it answers.
    void queueAnswer(Answer answer, std::function<void()> whileOpen = {});

    Answer show(Kind kind, Buttons buttons, const QString& text, const QString& title = {}) override;

    QList<Shown> shown;
    int pendingAnswers() const { return int(m_answers.size()); }

private:
    QQueue<std::pair<Answer, std::function<void()>>> m_answers;
};

class FakeChoosers : public ChooserService {
public:
    enum class Kind { Open, Save, Folder };
    struct Request {
        Kind kind;
        FileRequest file;   // open and save
        QString prompt;     // folder
    };

    // Queued answers are taken by the next chooser of that kind; none queued means cancelled.
    void queueOpenFile(const QString& path) { m_open.enqueue(path); }
    void queueSaveFile(const QString& path) { m_save.enqueue(path); }
    void queueFolder(const QString& path) { m_folder.enqueue(path); }

    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& prompt, const QString& startFolder) override;

    QList<Request> requests;

private:
    QQueue<QString> m_open, m_save, m_folder;
};

class FakeShell : public ShellService {
public:
    enum class Verb { Open, Explore, Start };
    struct Call {
        Verb verb;
        QString target;
        QString workingFolder;
        bool operator==(const Call&) const = default;
    };

    void open(const QString& target) override { calls.append({Verb::Open, target, {}}); }
    bool explore(const QString& folder) override {
        calls.append({Verb::Explore, folder, {}});
        return canExplore;
    }
    void startProgram(const QString& program, const QString& workingFolder = {}) override {
        calls.append({Verb::Start, program, workingFolder});
    }

    QList<Call> calls;
    bool canExplore = true; // false: as if no file manager were installed
};

class FakeSound : public SoundService {
public:
    void play(const QString& source) override {
        played.append(source);
        playing = source;
    }
    void stop() override { playing.clear(); }

    QStringList played;
    QString playing;
};

class FakeClipboard : public ClipboardService {
public:
    void setText(const QString& text) override {
        m_text = text;
        m_image = {};
    }
    QString text() const override { return m_text; }
    void setImage(const QImage& image) override {
        m_image = image;
        m_text.clear();
    }
    QImage image() const override { return m_image; }

private:
    QString m_text;
    QImage m_image;
};

class FakeHelp : public HelpService {
public:
    struct Topic {
        QString helpFile;
        int context;
        bool operator==(const Topic&) const = default;
    };
    void showHelp(const QString& helpFile, int context) override { topics.append({helpFile, context}); }

    QList<Topic> topics;
};

// Records each print job; with a file name set, also prints it there as PDF. A previewed page
// is kept as a picture at pageDpi.
class FakePrint : public PrintService {
public:
    struct Job {
        QString title;
        QString text; // the document's plain text; empty for a page
        QImage page;  // a previewed page
    };
    bool printDocument(const QTextDocument& document, const QString& jobTitle) override;
    void previewPage(const QString& jobTitle, const PagePainter& paint) override;

    QList<Job> jobs;
    QString pdfFile;
    int pageDpi = 100;
    bool printerAvailable = true; // false: as if no printer took the job
};

// All doubles together, in the shape that programs take.
class FakeServices {
public:
    Services services() { return {messages, choosers, shell, sound, clipboard, help, print}; }

    FakeMessageBox messages;
    FakeChoosers choosers;
    FakeShell shell;
    FakeSound sound;
    FakeClipboard clipboard;
    FakeHelp help;
    FakePrint print;
};

} // namespace ui::testing
