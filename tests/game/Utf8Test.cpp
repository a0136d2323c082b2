// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Utf8.h"

#include <QTest>

using namespace velmora;

class Utf8Test : public QObject {
    Q_OBJECT

private slots:
    // The well-formed sequences of the Unicode standard (its table 3-7) at
    // the ends of each range, and what lies just outside them.
    void sequencesAreReadAsTheStandardDefinesThem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("character"); // -1: not UTF-8
        QTest::newRow("NUL") << QByteArray(1, '\0') << 0;
        QTest::newRow("DEL") << QByteArray("\x7F") << 0x7F;
        QTest::newRow("first of two bytes") << QByteArray("\xC2\x80") << 0x80;
        QTest::newRow("last of two bytes") << QByteArray("\xDF\xBF") << 0x7FF;
        QTest::newRow("first of three bytes") << QByteArray("\xE0\xA0\x80") << 0x800;
        QTest::newRow("before the surrogates") << QByteArray("\xED\x9F\xBF") << 0xD7FF;
        QTest::newRow("after the surrogates") << QByteArray("\xEE\x80\x80") << 0xE000;
        QTest::newRow("last of three bytes") << QByteArray("\xEF\xBF\xBF") << 0xFFFF;
        QTest::newRow("first of four bytes") << QByteArray("\xF0\x90\x80\x80") << 0x10000;
        QTest::newRow("last of four bytes") << QByteArray("\xF4\x8F\xBF\xBF") << 0x10FFFF;
        QTest::newRow("lone continuation") << QByteArray("\x80") << -1;
        QTest::newRow("last continuation") << QByteArray("\xBF") << -1;
        QTest::newRow("overlong two bytes") << QByteArray("\xC0\x80") << -1;
        QTest::newRow("overlong two bytes, last") << QByteArray("\xC1\xBF") << -1;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x9F\xBF") << -1;
        QTest::newRow("overlong four bytes") << QByteArray("\xF0\x8F\xBF\xBF") << -1;
        QTest::newRow("first surrogate") << QByteArray("\xED\xA0\x80") << -1;
        QTest::newRow("last surrogate") << QByteArray("\xED\xBF\xBF") << -1;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << -1;
        QTest::newRow("lead byte F5") << QByteArray("\xF5\x80\x80\x80") << -1;
        QTest::newRow("lead byte FF") << QByteArray("\xFF") << -1;
        QTest::newRow("two bytes cut") << QByteArray("\xC3") << -1;
        QTest::newRow("three bytes cut") << QByteArray("\xE2\x82") << -1;
        QTest::newRow("four bytes cut") << QByteArray("\xF0\x9F\x8E") << -1;
        QTest::newRow("not a continuation") << QByteArray("\xE2\x82\xC3") << -1;
    }

    void sequencesAreReadAsTheStandardDefinesThem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, character);
        const std::string text = bytes.toStdString() + "A";
        if (character < 0) {
            // Every byte of it stands for one replacement character.
            QVERIFY(!decodeUtf8(text));
            QCOMPARE(decodeUtf8Lossy(text), std::u32string(bytes.size(), 0xFFFD) + U"A");
            return;
        }
        const std::u32string expected = std::u32string(1, static_cast<char32_t>(character)) + U"A";
        QCOMPARE(decodeUtf8(text), std::optional(expected));
        QCOMPARE(decodeUtf8Lossy(text), expected);
        QCOMPARE(encodeUtf8(expected), text);
    }

    void whatIsNoCharacterIsWrittenAsTheReplacement()
    {
        for (const char32_t c : {0xD800U, 0xDFFFU, 0x110000U, 0xFFFFFFFFU})
            QCOMPARE(encodeUtf8(std::u32string(1, c)), std::string("\xEF\xBF\xBD"));
    }
};

QTEST_GUILESS_MAIN(Utf8Test)
#include "Utf8Test.moc"
