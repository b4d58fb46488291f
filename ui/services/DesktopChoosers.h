#pragma once

#include "ui/services/ChooserService.h"

namespace ui {

class DesktopChoosers : public ChooserService {
public:
    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& prompt, const QString& startFolder) override;

    // "Description|*.a;*.b|..." as the name filters of a Qt file dialog.
    static QStringList nameFilters(const QString& filter);
};

} // namespace ui
