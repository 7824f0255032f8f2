#include "sim_options.h"

#include "connections/site_letters.h"
#include "shell/app_error.h"

#include <QCommandLineParser>
#include <random>

namespace tarnwick::stavikSim {

namespace {

using Duration = Scheduler::Duration;

const QString kDescription = QStringLiteral(
    "A simulated Stavik unit on a pseudo-terminal (its path is the first line printed) or on a\n"
    "serial device. It answers identify, read, write/commit and restart requests at 1200 baud\n"
    "pace, sends status frames, relays to child units, and logs every frame as a JSON line.\n"
    "SIGINT or SIGTERM ends it cleanly.\n"
    "\n"
    "Fault modes make it misbehave; BLOCK is 0 to 251, times count from the first byte the\n"
    "unit receives, requests and commits are counted per block.");

struct Option {
    const char* name;
    const char* valueName; // nullptr for a switch
    const char* help;
};

// Order is the order of --help.
constexpr Option kOptions[] = {
    {"settings", "FILE.stv", "Memory (and serial number) from a settings file."},
    {"image", "RAW", "Memory from a raw image of 2016 bytes."},
    {"sn", "SN", "Serial number, 6 characters (default 123456)."},
    {"password", "PW", "Password, 4 characters (default 1234)."},
    {"site", "LETTER", "Site letter A to D (default A)."},
    {"firmware", "N", "Firmware byte (configuration byte 31), version times ten."},
    {"child", "SITE[:FILE.stv]", "A child unit behind this one (repeatable)."},
    {"status-interval", "MS", "Status frame interval; 0 sends none (default 2000)."},
    {"link", "PATH", "Make PATH a symbolic link to the pseudo-terminal."},
    {"device", "PATH", "Use this serial device instead of a pseudo-terminal."},
    {"log", "FILE", "Write the frame log here instead of standard error."},
    {"dump-memory", "FILE", "On exit, write the unit's 2016 memory bytes here."},
    {"seed", "N", "Seed of the unit's free choices (default: from the clock)."},
    {"never-answer", "BLOCK", "Fault: never answer read requests for BLOCK (repeatable)."},
    {"answer-from", "BLOCK:K", "Fault: answer BLOCK only from its K-th request on (repeatable)."},
    {"bad-checksum-once", "BLOCK", "Fault: the first answer for BLOCK has a bad checksum."},
    {"silent", nullptr, "Fault: answer nothing at all (status frames still go out)."},
    {"garbage", "N", "Fault: N garbage bytes ahead of every frame sent."},
    {"maintenance", nullptr, "Fault: in maintenance mode from the start."},
    {"maintenance-after", "MS", "Fault: maintenance mode from MS on."},
    {"carrier-lost-after", "MS", "Fault: the line drops at MS and the unit falls silent."},
    {"ignore-commits", "BLOCK:K", "Fault: the first K commits of BLOCK change nothing."},
    {"wrong-readback", "BLOCK:K", "Fault: after a commit of BLOCK, its next K answers are wrong."},
};

AppError badValue(const QString& option, const QString& value) {
    return AppError::standard(ErrorNumber::InvalidArgument,
                              QStringLiteral("--%1 %2").arg(option, value));
}

unsigned number(const QString& option, const QString& text, unsigned low, unsigned high) {
    bool ok = false;
    const unsigned value = text.toUInt(&ok);
    if (!ok || value < low || value > high) {
        throw badValue(option, text);
    }
    return value;
}

std::uint8_t block(const QString& option, const QString& text) {
    return static_cast<std::uint8_t>(number(option, text, 0, kBlockCount - 1));
}

Duration milliseconds(const QString& option, const QString& text) {
    return Duration{number(option, text, 0, 24u * 3600u * 1000u)};
}

// "BLOCK:K" with K at least `lowestCount`.
std::pair<std::uint8_t, unsigned> blockCount(const QString& option, const QString& text,
                                             unsigned lowestCount) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2) {
        throw badValue(option, text);
    }
    return {block(option, parts[0]), number(option, parts[1], lowestCount, 1000000)};
}

std::uint8_t siteLetter(const QString& option, const QString& text) {
    if (text.size() != 1 || text[0] < QLatin1Char('A') || text[0] > QLatin1Char('D')) {
        throw badValue(option, text);
    }
    return SiteLetterToIndex(text);
}

sim::LoadedMemory loadMemory(const QCommandLineParser& parser) {
    const bool settings = parser.isSet(QStringLiteral("settings"));
    const bool image = parser.isSet(QStringLiteral("image"));
    if (settings && image) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("--settings and --image exclude each other"));
    }
    if (settings) {
        return sim::loadSettingsMemory(parser.value(QStringLiteral("settings")));
    }
    if (image) {
        return sim::loadRawMemory(parser.value(QStringLiteral("image")));
    }
    return {sim::defaultUnitMemory(), std::nullopt};
}

sim::FaultPlan readFaults(const QCommandLineParser& parser) {
    sim::FaultPlan faults;
    const auto values = [&parser](const char* name) { return parser.values(QLatin1String(name)); };
    const auto single = [&parser](const char* name) -> std::optional<QString> {
        if (!parser.isSet(QLatin1String(name))) {
            return std::nullopt;
        }
        return parser.value(QLatin1String(name));
    };
    for (const QString& text : values("never-answer")) {
        faults.neverAnswer.insert(block(QStringLiteral("never-answer"), text));
    }
    for (const QString& text : values("answer-from")) {
        faults.answerFromRequest.insert(blockCount(QStringLiteral("answer-from"), text, 1));
    }
    for (const QString& text : values("bad-checksum-once")) {
        faults.badChecksumOnce.insert(block(QStringLiteral("bad-checksum-once"), text));
    }
    for (const QString& text : values("ignore-commits")) {
        faults.ignoredCommits.insert(blockCount(QStringLiteral("ignore-commits"), text, 0));
    }
    for (const QString& text : values("wrong-readback")) {
        faults.wrongReadBacks.insert(blockCount(QStringLiteral("wrong-readback"), text, 0));
    }
    faults.silent = parser.isSet(QStringLiteral("silent"));
    faults.maintenanceFromStart = parser.isSet(QStringLiteral("maintenance"));
    if (const auto text = single("garbage")) {
        faults.garbageBytes = number(QStringLiteral("garbage"), *text, 0, 64);
    }
    if (const auto text = single("maintenance-after")) {
        faults.maintenanceAfterContact = milliseconds(QStringLiteral("maintenance-after"), *text);
    }
    if (const auto text = single("carrier-lost-after")) {
        faults.carrierLostAfterContact = milliseconds(QStringLiteral("carrier-lost-after"), *text);
    }
    return faults;
}

// A child shares the parent's identity and pace unless its settings file names a serial
// number; fault modes apply to the parent only.
sim::UnitSetup readChild(const QString& text, const sim::UnitSetup& parent) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    sim::UnitSetup child;
    child.site = siteLetter(QStringLiteral("child"), text.left(colon < 0 ? text.size() : colon));
    child.serialNumber = parent.serialNumber;
    child.password = parent.password;
    child.statusInterval = parent.statusInterval;
    child.seed = parent.seed + child.site;
    if (colon >= 0) {
        const sim::LoadedMemory loaded = sim::loadSettingsMemory(text.mid(colon + 1));
        child.memory = loaded.memory;
        child.serialNumber = loaded.serialNumber.value_or(child.serialNumber);
    }
    return child;
}

} // namespace

SimOptions readSimOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    for (const Option& option : kOptions) {
        parser.addOption(
            option.valueName == nullptr
                ? QCommandLineOption(QLatin1String(option.name), QLatin1String(option.help))
                : QCommandLineOption(QLatin1String(option.name), QLatin1String(option.help),
                                     QLatin1String(option.valueName)));
    }
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 parser.positionalArguments().join(QLatin1Char(' ')));
    }

    SimOptions options;
    sim::UnitSetup& unit = options.unit;
    const sim::LoadedMemory loaded = loadMemory(parser);
    unit.memory = loaded.memory;
    unit.serialNumber = parser.isSet(QStringLiteral("sn"))
                            ? parser.value(QStringLiteral("sn"))
                            : loaded.serialNumber.value_or(unit.serialNumber);
    if (parser.isSet(QStringLiteral("password"))) {
        unit.password = parser.value(QStringLiteral("password"));
    }
    if (parser.isSet(QStringLiteral("site"))) {
        unit.site = siteLetter(QStringLiteral("site"), parser.value(QStringLiteral("site")));
    }
    if (parser.isSet(QStringLiteral("firmware"))) {
        unit.memory[sim::kFirmwareByte] = static_cast<std::uint8_t>(
            number(QStringLiteral("firmware"), parser.value(QStringLiteral("firmware")), 0, 255));
    }
    if (parser.isSet(QStringLiteral("status-interval"))) {
        unit.statusInterval = milliseconds(QStringLiteral("status-interval"),
                                           parser.value(QStringLiteral("status-interval")));
    }
    unit.seed =
        parser.isSet(QStringLiteral("seed"))
            ? number(QStringLiteral("seed"), parser.value(QStringLiteral("seed")), 0, 0xFFFFFFFFu)
            : std::random_device{}();
    unit.faults = readFaults(parser);
    for (const QString& text : parser.values(QStringLiteral("child"))) {
        options.children.push_back(readChild(text, unit));
    }
    options.linkPath = parser.value(QStringLiteral("link"));
    options.devicePath = parser.value(QStringLiteral("device"));
    options.logPath = parser.value(QStringLiteral("log"));
    options.dumpMemoryPath = parser.value(QStringLiteral("dump-memory"));
    if (!options.linkPath.isEmpty() && !options.devicePath.isEmpty()) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("--link is for the pseudo-terminal, not --device"));
    }
    return options;
}

} // namespace tarnwick::stavikSim
