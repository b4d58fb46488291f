#pragma once

#include <QString>

namespace ui {

// Opens a help file at the topic of a context number. The file is named as the language file names
// it ("ZolHlp1.hlp"); the help itself is the HTML file of the same name with ".html".
class HelpService {
public:
    virtual ~HelpService() = default;

    virtual void showHelp(const QString& helpFile, int context) = 0;

    // The HTML file that stands for a help file name.
    static QString htmlFileFor(const QString& helpFile);
};

} // namespace ui
