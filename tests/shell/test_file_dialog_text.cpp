#include "shell/file_dialog_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace tarnwick;

TEST(FileDialogText, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(toQtNameFilters(QStringLiteral("Tarnwick Connections (*.tlc)|*.tlc")),
              QStringList{QStringLiteral("Tarnwick Connections (*.tlc)")});
    // Patterns are added when the description does not show them; ';' lists become spaces.
    EXPECT_EQ(
        toQtNameFilters(QStringLiteral("Settings|*.stv|Any|*.stv; *.bak")),
        (QStringList{QStringLiteral("Settings (*.stv)"), QStringLiteral("Any (*.stv *.bak)")}));
    // A description whose parentheses name other patterns still gets the real ones.
    EXPECT_EQ(toQtNameFilters(QStringLiteral("Old (*.txt)|*.old")),
              QStringList{QStringLiteral("Old (*.txt) (*.old)")});
    EXPECT_EQ(toQtNameFilters(QStringLiteral("All files")),
              QStringList{QStringLiteral("All files (*)")});
    EXPECT_TRUE(toQtNameFilters(QString()).isEmpty());
}

TEST(FileDialogText, ProposedNameMustBeABareFileName) {
    EXPECT_TRUE(isValidProposedName(QString()));
    EXPECT_TRUE(isValidProposedName(QStringLiteral("site 7.stv")));
    EXPECT_FALSE(isValidProposedName(QStringLiteral("sub/site.stv")));
    EXPECT_FALSE(isValidProposedName(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
    EXPECT_TRUE(isValidProposedName(QString(255, QLatin1Char('x'))));
    EXPECT_FALSE(isValidProposedName(QString(256, QLatin1Char('x'))));
}
