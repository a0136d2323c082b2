// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleTable.h"
#include "basWords.h"
#include "painting/QtText.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <vector>

using namespace velmora;

namespace {

std::vector<std::u32string_view> allTitles()
{
    std::vector<std::u32string_view> titles;
    for (const TitleGroup& group : kTitleTable)
        titles.insert(titles.end(), group.begin(), group.end());
    return titles;
}

int countWords(std::u32string_view title)
{
    return static_cast<int>(std::count(title.begin(), title.end(), U' ')) + 1;
}

int longestWord(std::u32string_view title)
{
    int longest = 0;
    int current = 0;
    for (char32_t c : title) {
        current = c == U' ' ? 0 : current + 1;
        longest = std::max(longest, current);
    }
    return longest;
}

bool contains(std::u32string_view title, char32_t c)
{
    return title.find(c) != std::u32string_view::npos;
}

bool hasDigit(std::u32string_view title)
{
    return std::any_of(title.begin(), title.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void everyTitleUsesOnlyUpperCaseLettersEnyeDigitsAndSingleSpaces()
    {
        for (std::u32string_view title : allTitles()) {
            QVERIFY2(!title.empty(), "empty title");
            QVERIFY2(title.front() != U' ' && title.back() != U' ', qPrintable(qtText(title)));
            QVERIFY2(title.find(U"  ") == std::u32string_view::npos, qPrintable(qtText(title)));
            for (char32_t c : title) {
                const bool allowed = (c >= U'A' && c <= U'Z') || c == U'Ñ' || c == U' ' ||
                                     (c >= U'0' && c <= U'9' && c != U'6' && c != U'9');
                QVERIFY2(allowed, qPrintable(qtText(title)));
            }
        }
    }

    void allFiveHundredTitlesAreDifferent()
    {
        const auto titles = allTitles();
        QCOMPARE(titles.size(), std::size_t{500});
        const std::set<std::u32string_view> distinct(titles.begin(), titles.end());
        QCOMPARE(distinct.size(), titles.size());
    }

    void everyTitleFitsTheBoardAndTheAnswerBox()
    {
        for (std::u32string_view title : allTitles()) {
            QVERIFY2(title.size() >= 3 && title.size() <= 42, qPrintable(qtText(title)));
            QVERIFY(title.size() - std::count(title.begin(), title.end(), U' ') <= 41);
        }
    }

    void theCatalogueKeepsItsCountsOfOneWordDigitAndEnyeTitles()
    {
        const auto titles = allTitles();
        const auto count = [&](auto condition) {
            return std::count_if(titles.begin(), titles.end(), condition);
        };
        QCOMPARE(count([](auto t) { return countWords(t) == 1; }), 79);
        QCOMPARE(count([](auto t) { return hasDigit(t); }), 35);
        QCOMPARE(count([](auto t) { return contains(t, U'Ñ'); }), 23);
        QCOMPARE(count([](auto t) {
                     return std::all_of(t.begin(), t.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
                 }),
                 1);
        int mostWords = 0;
        int longest = 0;
        for (auto title : titles) {
            mostWords = std::max(mostWords, countWords(title));
            longest = std::max(longest, longestWord(title));
        }
        QCOMPARE(mostWords, 8);
        QCOMPARE(longest, 15);
    }

    void lengthsAreCountedInCharactersWithAMedianOfSixteen()
    {
        std::vector<std::size_t> lengths;
        for (std::u32string_view title : allTitles())
            lengths.push_back(title.size());
        std::sort(lengths.begin(), lengths.end());
        QCOMPARE(lengths[249], std::size_t{16});
        QCOMPARE(lengths[250], std::size_t{16});
        const auto rows = [&](std::size_t from, std::size_t to) {
            return std::count_if(lengths.begin(), lengths.end(),
                                 [&](std::size_t n) { return n >= from && n <= to; });
        };
        QCOMPARE(rows(1, 14), 216);
        QCOMPARE(rows(15, 28), 245);
        QCOMPARE(rows(29, 42), 39);
    }

    void theWellKnownExamplesAreInTheCatalogue()
    {
        const auto titles = allTitles();
        for (std::u32string_view example : {U"EL PADRINO", U"LA VIDA ES BELLA", U"NUEVE REINAS", U"EL REY LEON",
                                            U"TOY STORY 3", U"CELDA 211", U"EL SEÑOR DE LOS ANILLOS", U"300"})
            QVERIFY2(std::find(titles.begin(), titles.end(), example) != titles.end(), qPrintable(qtText(example)));
        QCOMPARE(std::u32string_view(U"EL SEÑOR DE LOS ANILLOS").size(), std::size_t{23});
    }

    void initCatalogueSetsTheDrawNumbersAndASecondCallChangesNothing()
    {
        basWords words;
        words.InitCatalogue();
        QCOMPARE(words.TitleSpan, 40);
        QCOMPARE(words.GroupSpan, 50);
        QCOMPARE(words.GroupCount, std::int16_t{25});
        words.InitCatalogue();
        QCOMPARE(words.TitleSpan, 40);
        QCOMPARE(words.GroupSpan, 50);
        QCOMPARE(words.GroupCount, std::int16_t{25});
    }

    void loadGroupReplacesEverySlotWithTheGroupsTitles()
    {
        basWords words;
        words.GroupNumber = 7;
        words.LoadGroup();
        words.GroupNumber = 3;
        words.LoadGroup();
        for (std::size_t slot = 0; slot < 20; ++slot)
            QCOMPARE(qtText(words.GroupTitles[slot]), qtText(kTitleTable[2][slot]));
    }

    void loadGroupIgnoresNumbersOutsideOneToTwentyFive_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("zero") << 0;
        QTest::newRow("twenty-six") << 26;
        QTest::newRow("minus one") << -1;
    }

    void loadGroupIgnoresNumbersOutsideOneToTwentyFive()
    {
        QFETCH(int, number);
        basWords words;
        words.GroupNumber = static_cast<std::int16_t>(number);
        words.LoadGroup();
        for (const auto& slot : words.GroupTitles)
            QVERIFY(slot.empty());

        words.GroupNumber = 25;
        words.LoadGroup();
        words.GroupNumber = static_cast<std::int16_t>(number);
        words.LoadGroup();
        for (std::size_t slot = 0; slot < 20; ++slot)
            QCOMPARE(qtText(words.GroupTitles[slot]), qtText(kTitleTable[24][slot]));
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
