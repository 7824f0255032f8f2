#include "test_transfer_fixture.h"

#include "shell/file_access.h"
#include "shell/latin1.h"

#include <cstring>
#include <span>

namespace tarnwick::test {

namespace {

void fire(const std::function<void()>& event) {
    if (event) {
        event();
    }
}

} // namespace

TappedSerial::TappedSerial(SerialControl& line) : m_line(line) {
    // Passed on from copies, since a handler may replace the events while it runs.
    m_line.setEvents({[this] { fire(std::function<void()>(events().opened)); },
                      [this] { fire(std::function<void()>(events().received)); },
                      [this] { fire(std::function<void()>(events().carrierChanged)); }});
}

void TappedSerial::write(const QByteArray& bytes) {
    if (failWrite && failWrite(bytes)) {
        failWrite = {};
        throw AppError::standard(ErrorNumber::PathFileAccess, QStringLiteral("write"));
    }
    m_line.write(bytes);
}

void TappedSerial::inject(const modProtocol::Frame& frame) {
    m_injected.append(reinterpret_cast<const char*>(frame.data()),
                      static_cast<qsizetype>(frame.size()));
    fire(std::function<void()>(events().received));
}

TransferRig::TransferRig(sim::UnitSetup setup)
    : unit(clock, std::move(setup)), line(clock, unit), image(unit.memory()) {
    unit.setFrameObserver([this](const sim::FrameRecord& frame) { unitFrames.push_back(frame); });
    // A valid file that protects only block 0 byte 0, so that every other byte can be written.
    host.protectedPath = protectedFile(files, {});
}

void TransferRig::buildEngine() {
    // A fixed random source makes the identify request's argument 64.
    engine = std::make_unique<TransferEngine>(TransferContext{
        clock, serial, view, prompter, host, connection, blocks, image, [] { return 0.5; },
        [this] { return kClockOrigin.addMSecs(clock.now().count()); }});
    engine->setFinishedHandler([this](const TransferOutcome& result) {
        EXPECT_FALSE(outcome.has_value()) << "the transfer ended twice";
        outcome = result;
    });
}

void TransferRig::startDownload() {
    buildEngine();
    engine->DownloadStavik();
}

void TransferRig::startUpload(const UploadOptions& options) {
    buildEngine();
    if (options.dryRun) {
        engine->PreviewUpload(options.changePasswords, options.restoreCalibration,
                              options.newMaster, options.newUser, options.oldMaster);
        return;
    }
    engine->UploadStavik(options.changePasswords, options.restoreCalibration, options.newMaster,
                         options.newUser, options.oldMaster);
}

std::vector<sim::FrameRecord> TransferRig::writes() const {
    std::vector<sim::FrameRecord> out;
    for (const auto& write : line.writes()) {
        out.push_back(
            sim::describeFrame(write.time, sim::FrameDirection::In,
                               modProtocol::Frame(write.bytes.begin(), write.bytes.end())));
    }
    return out;
}

std::vector<sim::FrameRecord> TransferRig::readRequests(std::optional<int> block,
                                                        Duration from) const {
    std::vector<sim::FrameRecord> out;
    for (const auto& frame : writes()) {
        if (frame.kind == sim::FrameKind::Read && frame.time >= from &&
            (!block || frame.block == *block)) {
            out.push_back(frame);
        }
    }
    return out;
}

QStringList TransferRig::framesFrom(Duration origin) const {
    QStringList out;
    for (const auto& frame : writes()) {
        if (frame.time >= origin) {
            out << QStringLiteral("%1 %2 +%3")
                       .arg(sim::frameKindName(frame.kind))
                       .arg(frame.block.value_or(0))
                       .arg((frame.time - origin).count());
        }
    }
    return out;
}

Duration TransferRig::answerTime(std::uint8_t block, Duration from) const {
    for (const auto& frame : unitFrames) {
        if (frame.direction == sim::FrameDirection::Out && frame.kind == sim::FrameKind::Data &&
            frame.block == block && frame.time >= from) {
            return frame.time;
        }
    }
    ADD_FAILURE() << "block " << int{block} << " was never answered";
    return Duration::max();
}

QStringList TransferRig::promptTexts() const {
    QStringList out;
    for (const auto& prompt : prompter.prompts) {
        out << prompt.text;
    }
    return out;
}

ConfigImage patternedMemory(std::uint8_t firmware) {
    ConfigImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>((i * 37 + i / 251) & 0xFF);
    }
    memory[sim::kFirmwareByte] = firmware;
    return memory;
}

sim::UnitSetup patternedUnit() {
    sim::UnitSetup setup;
    setup.memory = patternedMemory();
    return setup;
}

QString protectedFile(const QTemporaryDir& dir,
                      std::initializer_list<ProtectedLocation> locations) {
    ProtectedLocations all{};
    std::copy(locations.begin(), locations.end(), all.begin());
    const QString path = dir.filePath(QStringLiteral("protected.dat"));
    writeFileAtomically(path, encodeProtectedLocations(all));
    return path;
}

bool containsRun(const QStringList& log, const QStringList& run) {
    for (qsizetype i = 0; i + run.size() <= log.size(); ++i) {
        if (log.mid(i, run.size()) == run) {
            return true;
        }
    }
    return false;
}

void putText(ConfigImage& memory, std::size_t offset, const char* text) {
    std::memcpy(memory.data() + offset, text, std::strlen(text));
}

QString textAt(const ConfigImage& memory, std::size_t offset) {
    return fromSingleByte(std::span(memory).subspan(offset, 4));
}

} // namespace tarnwick::test
