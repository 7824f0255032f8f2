#pragma once

// A main window over its own program state, with a scripted prompter, a recording error
// reporter and a fake connection settings dialog that records how it was opened.

#include "config/settings_file.h"
#include "config/ui/frm_main.h"
#include "registry/registry_store.h"
#include "support/qt_printers.h"
#include "support/recording_error_reporter.h"
#include "support/scripted_prompter.h"

#include <QAbstractItemView>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarnwick::test {

inline const QString kSampleSettings = QStringLiteral(TARNWICK_SOURCE_DIR "/data/sample.stv");
inline const QString kSampleVocabulary = QStringLiteral(TARNWICK_SOURCE_DIR "/data/vocabulary.dat");

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        program.settings.VocabDat = kSampleVocabulary;
        program.settings.SaveFileDir = dir.path();
    }

    frmMain& makeWindow() {
        window = std::make_unique<frmMain>(
            program, MainWindowServices{prompter, errors, registry, [this](bool upload) {
                                            connectionDialogs.push_back(upload);
                                        }});
        return *window;
    }

    // The sample configuration with another firmware byte and destination, as a file.
    QString sampleFile(const QString& name, std::uint8_t firmware, std::uint8_t destSL = 0) {
        SettingsRecord record = *readSettingsFile(kSampleSettings);
        record.image[31] = firmware;
        record.destSL = destSL;
        const QString path = dir.filePath(name);
        writeSettingsFile(path, record);
        return path;
    }

    // The blocks a download of `image` would leave, as the transfer hands them over.
    void downloaded(const ConfigImage& image) {
        for (std::size_t b = 0; b < kBlockCount; ++b)
            program.blockBuffer[b] = blockOf(image, b);
        program.mainWindowActive = true;
        window->LoadArray();
    }

    template <class Widget> Widget& child(const char* name, int index = 0) {
        const QList<Widget*> found = window->findChildren<Widget*>(QLatin1String(name));
        if (index >= found.size())
            throw std::runtime_error(std::string("no widget ") + name);
        return *found.at(index);
    }

    QStringList promptTexts() const {
        QStringList texts;
        for (const PromptCall& call : prompter.calls)
            texts << call.text;
        return texts;
    }

    QTemporaryDir dir;
    registry::RegistryStore registry{dir.filePath(QStringLiteral("registry"))};
    ModTarnwick program;
    ScriptedPrompter prompter;
    RecordingErrorReporter errors;
    std::vector<bool> connectionDialogs; // true: SetUpload, false: SetDownload
    std::unique_ptr<frmMain> window;
};

// Opens the editor of `index` in `grid`, types `keys` into it and presses Enter.
void typeIntoCell(QAbstractItemView& grid, const QModelIndex& index, const QString& keys);

} // namespace tarnwick::test
