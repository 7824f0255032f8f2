// tarnwick-cli: the configuration program's file and transfer code without windows.
#include "cli_support.h"
#include "compare_commands.h"
#include "file_commands.h"
#include "transfer_commands.h"

#include "shell/app_error.h"

#include <QCoreApplication>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

const char* const kUsage =
    "usage: tarnwick-cli COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  show FILE.stv [--json] [--vocabulary FILE]   decoded configuration and connection\n"
    "  image FILE.stv -o RAW                        the raw 2016-byte image\n"
    "  pack --image RAW --port P [--addr A] --sn SN --site L [--dest L]\n"
    "       [--saved-at ISO8601] -o FILE.stv        a settings file from a raw image\n"
    "  diff A B [--json] [--all] [--vocabulary FILE] [--dest L]\n"
    "                                               the fields that differ, by path;\n"
    "                                               exit 0 same, 1 different, 2 trouble\n"
    "  apply CHANGES.json FILE.stv -o OUT.stv [--vocabulary FILE]\n"
    "                                               set the fields a JSON document names\n"
    "  download --port DEV [--addr PHONE] --sn SN --password PW --site L [--dest L]\n"
    "       -o FILE.stv                             read a unit into a settings file\n"
    "  upload FILE.stv [--port DEV] [--addr PHONE] [--sn SN] --password PW [--site L]\n"
    "       [--dest L] [--restore-calibration] [--change-passwords --old-master X\n"
    "       --new-master Y --new-user Z] [--yes|--no] [--protected FILE] [--dry-run]\n"
    "                                               write a settings file into a unit;\n"
    "                                               connection defaults from the file;\n"
    "                                               --dry-run lists what it would change\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnwick-cli"));
    QTextStream err(stderr);

    const std::map<QString, std::function<int(const QStringList&)>> commands{
        {QStringLiteral("show"), tarnwick::cli::runShow},
        {QStringLiteral("image"), tarnwick::cli::runImage},
        {QStringLiteral("pack"), tarnwick::cli::runPack},
        {QStringLiteral("diff"), tarnwick::cli::runDiff},
        {QStringLiteral("apply"), tarnwick::cli::runApply},
        {QStringLiteral("download"), tarnwick::cli::runDownload},
        {QStringLiteral("upload"), tarnwick::cli::runUpload},
    };
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        err << kUsage;
        return tarnwick::cli::kUsageError;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        QTextStream(stdout) << kUsage;
        return 0;
    }
    const auto command = commands.find(args.takeFirst());
    if (command == commands.end()) {
        err << kUsage;
        return tarnwick::cli::kUsageError;
    }
    try {
        return command->second(args);
    } catch (const tarnwick::cli::CliFailure& e) {
        err << "tarnwick-cli: " << e.what() << '\n';
        return e.exitCode();
    } catch (const tarnwick::AppError& e) {
        err << "tarnwick-cli: " << e.description() << '\n';
        return 1;
    }
}
