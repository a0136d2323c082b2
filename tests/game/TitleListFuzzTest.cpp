// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleListFile.h"
#include "TitleListReport.h"
#include "TitleRule.h"
#include "Utf8.h"
#include "painting/QtText.h"

#include <QStringDecoder>
#include <QTest>

#include <algorithm>
#include <random>
#include <set>

using namespace velmora;

namespace {

// Characters a list file is likely to hold, and some it should not.
constexpr std::u32string_view kPool =
    U"abcdefghijklmnopqrstuvwxyz ABCXYZ 0123456789     \n\n\n\r\t#.,;:¿?¡!'\"-–—…«»()"
    U"áéíóúüñÑçÀÊÏØßæœЖЯΩ千あ\u0303\u0301\u00A0\u200B\u200D\uFEFF\uFE0F\u0007\u007F\u0085"
    U"🎬🍿🇪🇸👨‍👩‍👧³½ºＴ\U0010FFFD";

// Everything that must hold of a reading, whatever the bytes were.
QString brokenPromise(std::string_view bytes, const TitleListReading& reading)
{
    if (reading.usable() == reading.titles.empty())
        return QStringLiteral("a usable reading without titles, or titles with a failure");
    if (!reading.usable() && reading.failure.empty())
        return QStringLiteral("a refusal without a reason");
    std::string_view text = bytes;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    // Qt's own decoder tells UTF-8, so that a fault of the game's cannot
    // hide behind itself.
    QStringDecoder toUtf16(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = toUtf16(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    const bool utf8 = !toUtf16.hasError();
    const bool utf8Refusal = reading.failure.starts_with(U"no está en UTF-8");
    if (bytes.size() <= kTitleListMaxBytes && utf8 == utf8Refusal)
        return QStringLiteral("UTF-8 text refused as not UTF-8, or the other way round");
    std::set<std::u32string> seen;
    for (const std::u32string& title : reading.titles) {
        const TitleCheck again = checkTitle(title);
        if (!again.playable() || again.title != title)
            return QStringLiteral("an unplayable or unnormalised title: ") + qtText(title);
        if (!seen.insert(title).second)
            return QStringLiteral("a title listed twice: ") + qtText(title);
    }
    if (reading.refused.size() != std::min(reading.refusedCount, kRefusedLinesKept))
        return QStringLiteral("not the first refused lines kept, or not counted");
    int line = 0;
    for (const RefusedLine& refused : reading.refused) {
        if (refused.line <= line || refused.reason.empty())
            return QStringLiteral("refused lines out of order or without a reason");
        line = refused.line;
    }
    const bool told = !titleListReport(U"f.txt", reading).empty();
    if (told != (!reading.usable() || !reading.refused.empty() || reading.titles.size() == 1))
        return QStringLiteral("the player is told nothing of a refusal, or something of nothing");
    return {};
}

} // namespace

class TitleListFuzzTest : public QObject {
    Q_OBJECT

private slots:
    void randomBytesAreAlwaysReadAsAListOrRefused()
    {
        std::mt19937 random(20261209);
        int refused = 0;
        for (int input = 0; input < 2000; ++input) {
            std::string bytes(random() % 600, '\0');
            for (char& b : bytes)
                b = static_cast<char>(random() % 256);
            // Some inputs are mostly text, with newlines, so lines get judged.
            if (input % 2 == 0) {
                for (char& b : bytes) {
                    if (random() % 8 != 0)
                        b = static_cast<char>(random() % 6 == 0 ? '\n' : 'a' + random() % 26);
                }
            }
            const TitleListReading reading = readTitleList(bytes);
            const QString broken = brokenPromise(bytes, reading);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
            refused += reading.usable() ? 0 : 1;
        }
        // Random bytes are nearly never UTF-8.
        QVERIFY(refused > 1000);
    }

    void textCutOrDamagedAnywhereIsReadAsAListOrRefused()
    {
        std::mt19937 random(42);
        int usable = 0;
        for (int input = 0; input < 2000; ++input) {
            std::u32string text;
            const std::size_t length = random() % 300;
            for (std::size_t i = 0; i < length; ++i)
                text.push_back(kPool[random() % kPool.size()]);
            std::string bytes = (input % 5 == 0 ? "\xEF\xBB\xBF" : "") + encodeUtf8(text);
            if (!bytes.empty()) {
                switch (input % 3) {
                case 0: bytes.resize(random() % bytes.size()); break; // cut, maybe inside a character
                case 1: bytes[random() % bytes.size()] = static_cast<char>(random() % 256); break;
                default: break;
                }
            }
            const TitleListReading reading = readTitleList(bytes);
            const QString broken = brokenPromise(bytes, reading);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
            usable += reading.usable() ? 1 : 0;
        }
        QVERIFY(usable > 500);
    }

    // The ends of each range of the standard's well-formed UTF-8 (its table
    // 3-7), and what lies just outside them, where each byte is one U+FFFD.
    void utf8IsReadAndWrittenAsTheStandardDefinesIt()
    {
        const std::u32string text = U"\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U000E0061\U0010FFFF";
        const std::string bytes = "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"
                                  "\xF0\x90\x80\x80\xF3\xA0\x81\xA1\xF4\x8F\xBF\xBF";
        QCOMPARE(decodeUtf8(bytes), std::optional(text));
        QCOMPARE(decodeUtf8Lossy(bytes), text);
        QCOMPARE(encodeUtf8(text), bytes);
        for (const std::string bad : {"\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
                                      "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x90\x80\x80", "\xC3",
                                      "\xE2\x82", "\xF0\x9F\x8E", "\xE2\x82\xC3"}) {
            // Also as a view that ends where it does, as a line is read.
            QVERIFY(!decodeUtf8(std::string_view(bad + "\xA9").substr(0, bad.size())));
            QCOMPARE(decodeUtf8Lossy(bad + "A"), std::u32string(bad.size(), 0xFFFD) + U"A");
        }
        for (const char32_t c : {0xD800U, 0xDFFFU, 0x110000U})
            QCOMPARE(encodeUtf8(std::u32string(1, c)), std::string("\xEF\xBF\xBD"));
    }

    void aListCutAtEveryByteIsReadAsAListOrRefused()
    {
        const std::string whole = encodeUtf8(U"\uFEFF# Títulos de prueba\r\nEl año 🎬 del ñandú\n\nЖук\r¿Qué?\nOtoño");
        for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
            const std::string bytes = whole.substr(0, cut);
            const TitleListReading reading = readTitleList(bytes);
            const QString broken = brokenPromise(bytes, reading);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("cut at %1: %2").arg(cut).arg(broken)));
        }
        QCOMPARE(readTitleList(whole).titles.size(), std::size_t{3});
    }
};

QTEST_GUILESS_MAIN(TitleListFuzzTest)
#include "TitleListFuzzTest.moc"
