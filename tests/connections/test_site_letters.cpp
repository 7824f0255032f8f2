#include "connections/site_letters.h"

#include <gtest/gtest.h>

using namespace tarnwick;

TEST(SiteLetters, ConvertBothWays) {
    const char* letters[] = {"A", "B", "C", "D"};
    for (std::uint8_t i = 0; i < 4; ++i) {
        EXPECT_EQ(SiteLetterToIndex(QString::fromLatin1(letters[i])), i);
        EXPECT_EQ(IndexToSiteLetter(i), QString::fromLatin1(letters[i]));
    }
}

TEST(SiteLetters, AnythingElseIsSiteAOrEmpty) {
    for (const char* t : {"", "a", "E", "AB", " A", "d"}) {
        EXPECT_EQ(SiteLetterToIndex(QString::fromLatin1(t)), 0) << t;
    }
    EXPECT_EQ(IndexToSiteLetter(4), QString());
    EXPECT_EQ(IndexToSiteLetter(255), QString());
}
