// The command line's "/Open " argument, as the start-up window reads it.

#include "shell/open_argument.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace tarnwick;

TEST(OpenArgument, EverythingAfterTheSixthCharacterIsThePath) {
    EXPECT_EQ(ParseOpenArgument(QStringLiteral("/Open /home/tech/lift.stv")),
              QStringLiteral("/home/tech/lift.stv"));
    EXPECT_EQ(ParseOpenArgument(QStringLiteral("/Open ab")), QStringLiteral("ab"));
    // The first six characters are skipped unread, whatever they are.
    EXPECT_EQ(ParseOpenArgument(QStringLiteral("--file/srv/a.stv")), QStringLiteral("/srv/a.stv"));
    EXPECT_EQ(ParseOpenArgument(QStringLiteral("/open  x.stv")), QStringLiteral(" x.stv"));
}

TEST(OpenArgument, SevenCharactersOrFewerNameNoFile) {
    for (const char* commandLine : {"", "/Open", "/Open ", "/Open x"})
        EXPECT_EQ(ParseOpenArgument(QLatin1String(commandLine)), QString()) << commandLine;
}

TEST(OpenArgument, QuotesStayPartOfThePath) {
    EXPECT_EQ(ParseOpenArgument(QStringLiteral("/Open \"/srv/pump 3.stv\"")),
              QStringLiteral("\"/srv/pump 3.stv\""));
}

TEST(OpenArgument, ArgumentsSplitAtBlanksAreJoinedBackWithSingleSpaces) {
    const QString commandLine =
        commandLineOf({QStringLiteral("/Open"), QStringLiteral("/home/tech/Pump"),
                       QStringLiteral("station 3.stv")});
    EXPECT_EQ(commandLine, QStringLiteral("/Open /home/tech/Pump station 3.stv"));
    EXPECT_EQ(ParseOpenArgument(commandLine), QStringLiteral("/home/tech/Pump station 3.stv"));
    EXPECT_EQ(commandLineOf({}), QString());
}
