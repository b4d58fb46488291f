#pragma once

#include "editor/disc/DiscBurner.h"
#include "editor/disc/DiscJob.h"
#include "editor/disc/DiscTexts.h"
#include "editor/gui/disc/DiscProgressDialog.h"

#include <QString>

#include <functional>

#include <cstdint>
#include <vector>

struct ItemDialogContext;
namespace common {
class IniFile;
}

// Writing the built disc folder as an image and burning it, with progress and honest messages.
class DiscCommands {
public:
    DiscCommands(ItemDialogContext& context, QWidget* parent);

    const DiscTexts& texts() const { return m_texts; }
    void applyTexts(const common::IniFile& file);
    DiscProgressDialog* progressWindow() const { return m_progress; }

    // True when a project is open and built into its own folder; says why not otherwise.
    bool discFolderReady() const;
    // Asks where to save the image and writes it; `capacity` is the chosen medium's.
    void writeImage(std::int64_t capacity);
    // The writers of this machine, looked for while the progress window shows.
    std::vector<discburner::Writer> findWriters();
    // Looks at the medium in the writer, asks the user to confirm the writer and the medium (and
    // to erase it when it holds data), then burns the disc folder's image onto it.
    void burn(const discburner::Writer& writer);

    // How writers are looked for; tests put files that act as writers in the place of drives.
    std::function<std::vector<discburner::Writer>()> scanWriters = discburner::findWriters;

private:
    void report(const DiscJobResult& result, const QString& imageFile, bool burning);
    // Says what the image will not hold as the folder does; false when it cannot be written, or
    // the user did not agree.
    bool agreeToImage(const QString& folder);

    ItemDialogContext& m_context;
    DiscTexts m_texts;
    DiscProgressDialog* m_progress;
};
