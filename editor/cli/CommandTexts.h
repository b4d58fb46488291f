#pragma once

#include <QHash>
#include <QString>

namespace common {
class IniFile;
}

// The command line's own texts: section "CommandLine" of the language file, with the English words
// where the file has none.
class CommandTexts {
public:
    enum Key {
        Usage = 1,
        CommandsHeading,
        BuildHelp,
        ImageHelp,
        CheckHelp,
        ExportHelp,
        HelpHelp,
        VersionHelp,
        AnswersHeading,
        CategoryFileHelp,
        DesignFileHelp,
        ReplaceHelp,
        AcceptRenamedHelp,
        AcceptLeftOutLinksHelp,
        AcceptLostCharactersHelp,
        FirstFoundHelp,
        OtherHeading,
        MediumHelp,
        ExitHelp,
        NoCommand,
        UnknownCommand,
        UnknownOption,
        NeedsValue,
        GivenTwice,
        UnexpectedArgument,
        NeedsProject,
        NeedsOption,
        BadMedium,
        NoExportFormat,
        SeeHelp,
        ProjectMissing,
        ProjectUnreadable,
        NotAProject,
        CategoryFileMissing,
        DesignFileMissing,
        RefusedMedia,
        NoProjectFolder,
        FileExists,
        IsLink,
        AddAcceptRenamed,
        AddAcceptLeftOutLinks,
        SeveralFolders,
        AddFirstFound,
        LostCharacters,
        AddAcceptLostCharacters,
        ProjectRead,
        Building,
        DiscBuilt,
        Replaced,
        Removed,
        CheckDone,
        DryRun,
        NothingChanged,
        ProjectSaved,
        ExportWritten,
        LastKey = ExportWritten
    };

    CommandTexts();
    void read(const common::IniFile& file);
    QString operator[](Key key) const { return m_texts.value(key); }
    // Every command and option with what it does, as --help shows it.
    QString help() const;

private:
    QHash<int, QString> m_texts;
};
