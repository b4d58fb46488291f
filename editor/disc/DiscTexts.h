#pragma once

#include "editor/disc/DiscImage.h"
#include "editor/disc/DiscJob.h"

#include <QHash>
#include <QString>

namespace common {
class IniFile;
}

// The texts of the disc image and burning commands: section "DiscImage" of the language file, with
// the English words until one is applied.
class DiscTexts {
public:
    enum Key {
        WriteImage = 1,
        BurnDisc,
        Medium,
        Cd,
        Dvd,
        Writer,
        Cancel,
        Preparing,
        WritingImage,
        Burning,
        Verifying,
        Amount,
        ImageFilter,
        Title,
        ImageWritten,
        TargetFailed,
        SourceUnreadable,
        TooSmall,
        ImageCancelled,
        NoWriter,
        ChooseWriter,
        NoMedium,
        MediumNotWritable,
        WriteFailed,
        VerifyFailed,
        BurnCancelled,
        Burned,
        ImageInsideDisc,
        BuildRefused,
        KeptFiles,
        Unreadable,
        ChangesIntro,
        RenamedNames,
        LinksStored,
        LinksLeftOut,
        GoOn,
        MediumHoldsData,
        ConfirmBurn,
        HoldsDataRefused,
        LastKey = HoldsDataRefused
    };

    DiscTexts();
    void read(const common::IniFile& file);
    QString operator[](Key key) const { return m_texts.value(key); }
    // What the user is told about a job's end; `burning` tells an image from a disc.
    QString outcomeMessage(const DiscJobResult& result, const QString& imageFile, bool burning) const;
    // Why no image can be written of a folder that holds what cannot be read, naming it.
    QString unreadableMessage(const discimage::ImagePlan& plan) const;
    // What the image will not hold as the folder does, each list under its heading; the question
    // whether to go on is the caller's.
    QString changesMessage(const discimage::ImagePlan& plan) const;
    // What a build that lacks files of the menu says: `text` is the language's message, with the
    // list at its place holder, or below it where an older language file has none.
    static QString missingFilesMessage(const QString& text, const QStringList& files);
    // What a build says that kept the user's files where the runtime goes.
    QString keptFilesMessage(const QStringList& files) const;

private:
    QHash<int, QString> m_texts;
};
