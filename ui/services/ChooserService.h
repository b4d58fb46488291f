#pragma once

#include <QString>

namespace ui {

// Open, save and folder choosers. Filters are written as "Description|*.ext|Other|*.a;*.b".
class ChooserService {
public:
    struct FileRequest {
        QString title;
        QString folder;        // where the chooser starts
        QString filter;
        QString defaultSuffix; // without the dot, added when the user types a name without one
        QString fileName;      // preselected name
    };

    virtual ~ChooserService() = default;

    // The chosen file's native path, or an empty string when the user cancelled.
    virtual QString openFile(const FileRequest& request) = 0;
    virtual QString saveFile(const FileRequest& request) = 0;
    // The chosen folder's native path (no trailing separator), or empty when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& prompt, const QString& startFolder) = 0;
};

} // namespace ui
