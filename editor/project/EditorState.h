#pragma once

#include "editor/language/LanguageTables.h"
#include "editor/project/DesignFile.h"
#include "editor/project/FileHolder.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

// The files the editor works with, and its click sound.
struct ProjectFiles {
    FileHolder categoryFile;
    FileHolder designFile;
    FileHolder projectFile;
    FileHolder workingCopy;
    FileHolder splashFile;
    FileHolder iconFile;
    FileHolder backgroundFile;
    FileHolder buttonFile;
    std::array<FileHolder, 5> sounds;

    static QString clickSound() { return QStringLiteral(":/sounds/click.wav"); }
};

// The user's preferences between runs (the settings file) as the editor holds them in memory.
struct EditorPreferences {
    int language = 1;
    bool showWelcome = true;
    bool showFt = true;
    bool showBack = true;
    QColor color1{192, 192, 192};
    QColor color2{255, 255, 255};
    // A build puts the menu program's runtime onto the disc; off for discs that only run where Qt is.
    bool shipRuntime = true;
};

// The program-wide state of the editor: the open project around its items, and the preferences.
struct EditorState {
    QString programFolder; // ends in the separator

    QString cdName;
    QString projectFolder;
    ProjectFiles files;
    QStringList categories;
    bool modified = false;
    // The project's design as the design file holds it; its media are in files.
    DesignModel design;
    QString pendingCategoryFile;
    bool categoryResolved = false;
    bool designResolved = false;
    bool newProjectCancelled = false;
    // Where the add-file dialog starts; follows the project folder.
    QString addFileStartFolder;
    // The name the save dialog offers.
    QString saveDialogFileName;

    LanguageTables language;
    // The current language's help file (named "….hlp"; the help window shows its HTML twin).
    QString helpFile;
    EditorPreferences prefs;
};
