// regtool: reads and writes the registry store the program uses, imports and exports .reg
// files, and registers component libraries.
#include "library_registration.h"
#include "registry/hive_location.h"
#include "registry/registry_store.h"
#include "regtool_commands.h"
#include "regtool_failure.h"
#include "shell/app_error.h"
#include "shell/default_hive_dir.h"

#include <QCoreApplication>
#include <QTextStream>
#include <functional>
#include <map>

namespace {

using namespace tarnwick::regtool;

const char* const kUsage =
    "usage: regtool COMMAND ARGUMENTS\n"
    "\n"
    "commands:\n"
    "  query KEY [NAME]            the value NAME as TYPE<tab>DATA (\"\" for the key's default\n"
    "                              value); without NAME every value of KEY in .reg syntax\n"
    "  set KEY NAME TYPE DATA      write a value, creating KEY when missing\n"
    "  delete KEY [NAME]           delete the value NAME, or KEY itself (without subkeys)\n"
    "  list KEY                    the subkeys of KEY\n"
    "  import FILE.reg             apply a .reg file\n"
    "  export KEY FILE.reg         write KEY and everything below it as a .reg file\n"
    "  register LIB.so             call the library's DllRegisterServer\n"
    "  unregister LIB.so           call the library's DllUnregisterServer\n"
    "\n"
    "KEY: HKEY_LOCAL_MACHINE\\SOFTWARE\\... (or HKLM, HKCR, HKCU, HKU)\n"
    "TYPE and DATA: REG_SZ text, REG_EXPAND_SZ text, REG_DWORD and REG_DWORD_BIG_ENDIAN a\n"
    "number (decimal or 0x...), REG_BINARY hex bytes (\"01,ff\"), REG_MULTI_SZ strings\n"
    "separated by \"|\"\n";

void registerLibrary(const QStringList& args, Registration what) {
    if (args.size() != 1) {
        throw RegtoolFailure(QStringLiteral("wrong number of arguments"), kUsageError);
    }
    runRegistration(args[0], what);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("regtool"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    tarnwick::registry::RegistryStore store(
        tarnwick::registry::userHiveDirFromEnvironment(),
        tarnwick::defaultHiveDir(QCoreApplication::applicationDirPath()));
    const Commands commands{store, out};
    const std::map<QString, std::function<void(const QStringList&)>> byName{
        {QStringLiteral("query"), [&](const QStringList& args) { commands.query(args); }},
        {QStringLiteral("set"), [&](const QStringList& args) { commands.set(args); }},
        {QStringLiteral("delete"), [&](const QStringList& args) { commands.remove(args); }},
        {QStringLiteral("list"), [&](const QStringList& args) { commands.list(args); }},
        {QStringLiteral("import"), [&](const QStringList& args) { commands.importFile(args); }},
        {QStringLiteral("export"), [&](const QStringList& args) { commands.exportKey(args); }},
        {QStringLiteral("register"),
         [](const QStringList& args) { registerLibrary(args, Registration::Register); }},
        {QStringLiteral("unregister"),
         [](const QStringList& args) { registerLibrary(args, Registration::Unregister); }},
    };

    QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty() &&
        (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        out << kUsage;
        return 0;
    }
    const auto command = args.isEmpty() ? byName.end() : byName.find(args.takeFirst());
    if (command == byName.end()) {
        err << kUsage;
        return kUsageError;
    }
    try {
        command->second(args);
        return 0;
    } catch (const RegtoolFailure& e) {
        err << "regtool: " << e.what() << '\n';
        if (e.exitCode() == kUsageError) {
            err << kUsage;
        }
        return e.exitCode();
    } catch (const tarnwick::AppError& e) {
        err << "regtool: " << e.description() << '\n';
        return kFailure;
    }
}
