#include "editor/cli/CommandSession.h"

#include "common/IniFile.h"
#include "common/Paths.h"
#include "editor/project/ItemOrdering.h"
#include "editor/project/ProjectReading.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSettingsSection = QStringLiteral("settings");

QString settingsFile(const QString& programFolder) {
    return programFolder + QStringLiteral("lumbrel.dat");
}

QString nameList(const QStringList& names) {
    return QStringLiteral("\n") + names.join(u'\n');
}

} // namespace

int commandLanguage(const QString& programFolder) {
    const common::IniFile settings(settingsFile(programFolder));
    if (settings.hasKey(kSettingsSection, u"language")) {
        const int language = settings.readInteger(kSettingsSection, u"language", 1);
        if (language == 1 || language == 2)
            return language;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            return locale.startsWith(QStringLiteral("de")) ? 2 : 1;
    }
    return 1;
}

CommandSession::CommandSession(const cli::Options& chosen, Console& out) : options(chosen), console(out) {
    state.programFolder = common::programFolder();
    settings = EditorSettings::read(common::IniFile(settingsFile(state.programFolder)));
    const int language = commandLanguage(state.programFolder);
    const common::IniFile languageFile(state.programFolder + QStringLiteral("Files") + QDir::separator() +
                                       QStringLiteral("lang_%1.dat").arg(language));
    state.language.load(languageFile);
    texts.read(languageFile);
    discTexts.read(languageFile);
    state.prefs.language = language;
    state.prefs.shipRuntime = settings.shipRuntime;
    state.prefs.color1 = settings.color1;
    state.prefs.color2 = settings.color2;
    items.setTitles(state.language.fieldTitles());
}

QString CommandSession::absolute(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

void CommandSession::warn(const QString& text) {
    console.message(text);
    m_warned = true;
}

bool CommandSession::mayWrite(const QString& file, int& status) {
    const QFileInfo info(file);
    if (info.isSymLink()) {
        status = fail(texts[CommandTexts::IsLink].arg(file));
        return false;
    }
    if (info.exists() && !options.replace) {
        status = fail(texts[CommandTexts::FileExists].arg(file), cli::BadCommandLine);
        return false;
    }
    return true;
}

int CommandSession::fail(const QString& text, cli::ExitStatus status) {
    console.message(text);
    return status;
}

bool CommandSession::openProject() {
    using projectreading::Outcome;
    const QString project = absolute(options.project);
    const projectreading::Result read =
        projectreading::read(project, state, items, {options.categoryFile, options.designFile});
    QString why;
    switch (read.outcome) {
    case Outcome::Read:
        break;
    case Outcome::Missing:
        why = texts[CommandTexts::ProjectMissing].arg(project);
        break;
    case Outcome::Unreadable:
        why = texts[CommandTexts::ProjectUnreadable].arg(project);
        break;
    case Outcome::NotAProject:
        why = texts[CommandTexts::NotAProject].arg(project);
        break;
    case Outcome::CategoryFileMissing:
        why = texts[CommandTexts::CategoryFileMissing].arg(read.missingFile);
        break;
    case Outcome::DesignFileMissing:
        why = texts[CommandTexts::DesignFileMissing].arg(read.missingFile);
        break;
    }
    if (!why.isEmpty()) {
        fail(why);
        return false;
    }
    recomputeRowColours(items, state.prefs.color1, state.prefs.color2);
    console.step(texts[CommandTexts::ProjectRead].arg(project).arg(items.itemCount()));
    if (!read.count.agrees())
        warn(state.language.message(u"M85").arg(read.count.stored).arg(read.count.read));
    if (!read.refusedMedia.isEmpty())
        warn(texts[CommandTexts::RefusedMedia].arg(nameList(read.refusedMedia)));
    return true;
}
