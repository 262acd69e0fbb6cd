#include "shared/BundleLayout.h"
#include "shared/CommandLine.h"
#include "shared/ProgramLog.h"
#include "shared/Translations.h"
#include "tools/keyvigil-defaults/DefaultsCommand.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    setProgramLogName("keyvigil.defaults");
    const ProgramDescription program{
        "keyvigil-defaults",
        "[-d IDENTIFIER] read [KEY] | write KEY -bool|-int|-float|-string VALUE | "
        "write KEY -array [VALUE...] | delete KEY | keys",
        "Reads, writes and deletes keys of Keyvigil's settings store "
        "(~/Library/Preferences/IDENTIFIER.prefs; org.keyvigil.Keyvigil by default). "
        "\"keys\" lists every setting with its type, default and meaning.",
        true};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    QCoreApplication app(argc, argv);
    if (const QString bundle = BundleLayout::paneBundleNear(QCoreApplication::applicationDirPath());
        !bundle.isEmpty())
        Translations::install(BundleLayout::translations(bundle), QLocale(),
                              Translations::Missing::Quiet);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runDefaultsCommand(app.arguments().mid(1), out, err);
}
