// Writes the sample vocabulary, the sample settings file and the protected-locations file
// shipped in data/.
// Usage: make-sample-data DATA_DIR
// The output is deterministic, so a test can check that the shipped files are current.
#include "vocabulary_words.h"

#include "config/settings_file.h"
#include "config/site_config_codec.h"
#include "config/vocabulary.h"
#include "shell/app_error.h"
#include "shell/file_access.h"
#include "transfer/protected_locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <random>
#include <vector>

using namespace tarnwick;

namespace {

// Word codes use all nine bits: the first words get small codes, later ones codes above 255.
// Code 32 is left out: it means an empty word cell.
VocabularyFileEntries sampleVocabulary() {
    VocabularyFileEntries entries;
    int code = 1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (code == Vocabulary::kBlankCode || code == 255) {
            ++code;
        }
        entries[i] = {QString::fromLatin1(sample::kWords[i]), static_cast<std::int16_t>(code)};
        code += i < 200 ? 1 : 3;
    }
    return entries;
}

std::vector<WordCode> words(const Vocabulary& vocabulary, const char* sentence) {
    std::vector<WordCode> out;
    for (const QString& w : QString::fromLatin1(sentence).split(QLatin1Char(' '))) {
        out.push_back(static_cast<WordCode>(vocabulary.textToCode(w, Vocabulary::kBlankCode)));
    }
    return out;
}

template <std::size_t N>
void fill(std::array<WordCode, N>& cells, const std::vector<WordCode>& ws) {
    cells.fill(kEmptyWordCode);
    for (std::size_t i = 0; i < ws.size() && i < N; ++i) {
        cells[i] = ws[i];
    }
}

// A water utility's lift station on firmware 5.6 that reports to three other sites.
SiteConfig sampleConfig(const Vocabulary& v) {
    SiteConfig c;
    c.firmware = 56;
    c.siteLabel = QStringLiteral("LIFT 3");
    c.limitsMonitoring = true;
    c.localOptions = {true, true, true, false, true, true, false, true, false, true};
    c.siteEntries = {{{16, 1, 0}, {8, 2, 0}, {4, 2, 0}, {0, 0, 0}}};
    c.portBaud56 = {1, 4};

    struct Ch { const char* label; bool alarm; bool invert; std::uint8_t dec; double low, high;
                double raise, lower; int hlDelay, stDelay; std::uint8_t conv; };
    const Ch channels[16] = {
        {"WETWELL", true, false, 1, 2.5, 18.0, 0, 0, 10, 5, 1},
        {"PUMP 1", true, false, 0, 0, 0, 2.0, 2.0, 0, 3, 0},
        {"PUMP 2", true, false, 0, 0, 0, 2.0, 2.0, 0, 3, 0},
        {"FLOW", true, false, 0, 50, 1200, 0, 0, 30, 0, 2},
        {"PRESS", true, false, 2, 20.5, 85.25, 0, 0, 15, 0, 1},
        {"POWER", true, true, 0, 0, 0, 0, 0, 0, 60, 0},
        {"DOOR", true, false, 0, 0, 0, 0, 0, 0, 0, 0},
        {"GEN RUN", false, false, 0, 0, 0, 5.1, 5.1, 0, 10, 0},
        {"CL2", true, false, 3, 0.2, 4.0, 0, 0, 120, 0, 1},
        {"TEMP", false, false, 1, 35.0, 95.5, 0, 0, 0, 0, 0},
        {"VALVE", false, false, 0, 0, 0, 12.8, 12.8, 0, 0, 3},
        {"SPARE", false, false, 0, 0, 0, 0, 0, 0, 0, 0},
        {"", false, false, 0, 0, 0, 0, 0, 0, 0, 0},
        {"", false, false, 0, 0, 0, 0, 0, 0, 0, 0},
        {"", false, false, 0, 0, 0, 0, 0, 0, 0, 0},
        {"BATTERY", true, true, 1, 11.5, 14.2, 0, 0, 30, 30, 1},
    };
    for (std::size_t i = 0; i < 16; ++i) {
        const Ch& s = channels[i];
        c.channels[i] = {QString::fromLatin1(s.label), s.alarm, s.invert, s.dec, s.low, s.high,
                         s.raise, s.lower, s.hlDelay, s.stDelay, s.conv};
    }

    c.answerRings = 3;
    c.dialOut = true;
    c.answerCalls = true;
    c.phoneNumbers[0] = QStringLiteral("5550142");
    c.phoneNumbers[1] = QStringLiteral("15555550199");
    c.phoneNumbers[2] = QStringLiteral("5550123");
    fill(c.signOnMessage, words(v, "hello this is lift station three"));
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        OvinLabels& o = c.ovin[k];
        static const char* const sites[] = {"lift three", "north tank", "river pump station",
                                            "main plant"};
        fill(o.siteLabel, words(v, sites[k]));
        for (auto& row : o.statusMessages) fill(row, {});
        for (auto& row : o.channelLabels) fill(row, {});
        for (auto& row : o.unitLabels) fill(row, {});
        fill(o.channelLabels[0], words(v, "wet well level"));
        fill(o.channelLabels[1], words(v, "pump one"));
        fill(o.channelLabels[2], words(v, "pump two"));
        fill(o.channelLabels[3], words(v, "discharge flow"));
        fill(o.unitLabels[0], words(v, "feet"));
        fill(o.unitLabels[3], words(v, "gallons"));
        fill(o.statusMessages[0], words(v, "high level alarm"));
        fill(o.statusMessages[1], words(v, "pump one fail"));
        fill(o.statusMessages[2], words(v, "pump two fail"));
        fill(o.statusMessages[5], words(v, "commercial power fail"));
    }
    return c;
}

// Bytes the window does not interpret hold what a real unit's memory would: not zeros.
ConfigImage sampleImage() {
    ConfigImage image{};
    std::mt19937 random(20261207);
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(random() & 0x7F);
    }
    return image;
}

// The bytes an upload leaves as the unit has them (data/README.md explains the choice): the
// firmware byte, the four calibration bytes of each channel record, and bytes the program does
// not interpret in the site options, around the channel records, before the alarm delays,
// beside the answer settings and at the end of the memory.
ProtectedLocations sampleProtectedLocations() {
    std::vector<std::size_t> offsets{31};
    const auto addRange = [&](std::size_t first, std::size_t last) {
        for (std::size_t offset = first; offset <= last; ++offset) {
            offsets.push_back(offset);
        }
    };
    for (std::size_t channel = 0; channel < 16; ++channel) {
        addRange(54 + 9 * channel + 5, 54 + 9 * channel + 8);
    }
    addRange(4, 7);
    addRange(16, 19);
    addRange(27, 27);
    addRange(32, 32);
    addRange(37, 49);
    addRange(51, 53);
    addRange(198, 203);
    addRange(207, 207);
    addRange(240, 247);
    addRange(953, 959);
    addRange(2010, 2015);
    std::sort(offsets.begin(), offsets.end());
    if (offsets.size() != kProtectedLocationCount) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("%1 protected locations").arg(offsets.size()));
    }
    ProtectedLocations locations{};
    for (std::size_t k = 0; k < offsets.size(); ++k) {
        locations[k] = {static_cast<std::uint8_t>(offsets[k] / kBlockSize),
                        static_cast<std::uint8_t>(offsets[k] % kBlockSize)};
    }
    return locations;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make-sample-data DATA_DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    try {
        const VocabularyFileEntries entries = sampleVocabulary();
        writeVocabularyFile(dir.filePath(QStringLiteral("vocabulary.dat")), entries);

        const Vocabulary vocabulary(entries);
        ConfigImage image = sampleImage();
        image[31] = 56; // firmware 5.6: the unit's own byte, which the window never writes
        encodeSiteConfig(sampleConfig(vocabulary), 0, image);
        CurrentConnection connection;
        connection.Port = QStringLiteral("/dev/ttyUSB0");
        connection.SN = QStringLiteral("104729");
        connection.SL = 0;
        connection.DestSL = 0;
        const QDateTime savedAt(QDate(2026, 11, 30), QTime(14, 5, 0));
        writeSettingsFile(dir.filePath(QStringLiteral("sample.stv")),
                          settingsRecordFor(connection, image, savedAt));

        writeFileAtomically(dir.filePath(QStringLiteral("protected.dat")),
                            encodeProtectedLocations(sampleProtectedLocations()));
    } catch (const AppError& e) {
        err << "make-sample-data: " << e.description() << '\n';
        return 1;
    }
    return 0;
}
