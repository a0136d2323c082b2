// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleRule.h"
#include "painting/QtText.h"

#include <QTest>

using namespace velmora;

namespace {

TitleCheck check(const QString& candidate)
{
    return checkTitle(candidate.toStdU32String());
}

} // namespace

class TitleRuleTest : public QObject {
    Q_OBJECT

private slots:
    void playableTitlesComeOutAsTheBoardShowsThem_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("title");

        // Accented letters lose their accents and every letter is upper case.
        QTest::newRow("acute accents") << "El último día en Cádiz" << "EL ULTIMO DIA EN CADIZ";
        QTest::newRow("upper-case accents") << "ÁÉÍÓÚ" << "AEIOU";
        QTest::newRow("grave and circumflex") << "À bout de souffle, Être" << "A BOUT DE SOUFFLE ETRE";
        QTest::newRow("diaeresis") << "Pingüino Über" << "PINGUINO UBER";
        QTest::newRow("cedilla") << "Garçon Ça" << "GARCON CA";
        QTest::newRow("other Latin marks") << "Něco Ąką Šťastný" << "NECO AKA STASTNY";
        // Ñ is a letter of its own, also when typed as N and a combining tilde.
        QTest::newRow("ñ") << "El año del ñandú" << "EL AÑO DEL ÑANDU";
        QTest::newRow("Ñ") << "ESPAÑA" << "ESPAÑA";
        QTest::newRow("decomposed ñ and é") << QString::fromUtf8("Pin\u0303a cafe\u0301") << "PIÑA CAFE";
        QTest::newRow("a mark away from an N") << QString::fromUtf8("N \u0303x N!\u0303") << "N X N";
        QTest::newRow("a mark before the tilde") << QString::fromUtf8("An\u0323\u0303o") << "AÑO";
        QTest::newRow("marks of the last blocks before the tilde, and signs beside them")
            << QString::fromUtf8("N\u20D0\uFE20\uFE2F\u0303 N\u20CF\u0303 N\uFE1F\u0303 N\uFE30\u0303") << "Ñ N N N";

        // Punctuation and symbols are dropped, spaces collapsed and trimmed.
        QTest::newRow("Spanish question and exclamation")
            << "¿Qué pasó ayer? ¡Olvídate de mí!" << "QUE PASO AYER OLVIDATE DE MI";
        QTest::newRow("colon and digits") << "2001: Una odisea del espacio" << "2001 UNA ODISEA DEL ESPACIO";
        QTest::newRow("the last capital and digit") << "ZONA 1999" << "ZONA 1999";
        QTest::newRow("hyphen inside a word") << "Spider-Man" << "SPIDERMAN";
        QTest::newRow("apostrophe") << "L'auberge espagnole" << "LAUBERGE ESPAGNOLE";
        QTest::newRow("brackets") << "(500) días juntos" << "500 DIAS JUNTOS";
        QTest::newRow("dashes and ellipsis") << "Alien – el octavo — pasajero…" << "ALIEN EL OCTAVO PASAJERO";
        QTest::newRow("quotes and guillemets") << "«Casa» \"de\" “papel”" << "CASA DE PAPEL";
        QTest::newRow("each run of ASCII signs, at both ends") << "a!/:@[`{~b" << "AB";
        QTest::newRow("signs") << "100 € & 50 % ™ © ° × ÷ ·" << "100 50";
        QTest::newRow("runs of spaces and tabs") << "  la \t  vida   es\tbella  " << "LA VIDA ES BELLA";
        QTest::newRow("a sign between two spaces") << "Uno - dos" << "UNO DOS";
        QTest::newRow("other spaces") << QString::fromUtf8("no\u00A0hay\u2003dos\u3000sin tres") << "NO HAY DOS SIN TRES";
        QTest::newRow("invisible marks") << QString::fromUtf8("\uFEFFmi\u200Bra\u00ADda\u200E") << "MIRADA";
        QTest::newRow("full-width letters") << "ＴＯＫＩＯ ２０２０" << "TOKIO 2020";
        QTest::newRow("each block dropped, at both ends")
            << "a¡¿\u0300\u036F\u1AB0\u1AFF\u1DC0\u1DFF\u206F\u20A0\u20CF\u20D0\u20FF℗℠™\u2190\u245F\u2500"
               "\u2BFF\u2E00\u2E7F\uFE00\uFE10\uFE1F\uFE20\uFE2F\uFE30\uFE6F\uFEFF！～"
               "\U0001F000\U0001FAFF\U000E0000\U000E007Fb" << "AB";
        QTest::newRow("every kind of space") << "a\tb\vc\fd\u00A0e\u1680f\u2000g\u200Ah\u2028i\u2029j\u202Fk\u205Fl\u3000m"
                                             << "A B C D E F G H I J K L M";

        // Emoji are symbols: dropped, with their joiners, selectors and flags.
        QTest::newRow("emoji") << "🎬 Tiburón 🦈" << "TIBURON";
        QTest::newRow("flag") << "🇪🇸 Volver" << "VOLVER";
        QTest::newRow("joined emoji") << "👨‍👩‍👧 Familia ☀️ ★" << "FAMILIA";
        QTest::newRow("keycap") << "3️⃣ días" << "3 DIAS";

        // The board holds 42 characters, spaces included.
        QTest::newRow("42 characters") << QString(42, QLatin1Char('a')) << QString(42, QLatin1Char('A'));
        QTest::newRow("42 once spaces collapse") << "   " + QString(20, 'b') + "     " + QString(21, 'c') + "   "
                                                 << QString(20, 'B') + " " + QString(21, 'C');
        QTest::newRow("42 once signs are dropped") << "¡" + QString(42, 'd') + "!" << QString(42, 'D');
        QTest::newRow("digits only") << "300" << "300";
    }

    void playableTitlesComeOutAsTheBoardShowsThem()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, title);
        const TitleCheck result = check(candidate);
        QCOMPARE(qtText(result.refusal), QString());
        QVERIFY(result.playable());
        QCOMPARE(qtText(result.title), title);
        // Normalising a normalised title changes nothing.
        QCOMPARE(qtText(checkTitle(result.title).title), title);
    }

    void unplayableTitlesAreRefusedWithTheirReason_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("refusal");

        const QString tooLong = QStringLiteral("demasiado largo (%1 caracteres; el tablero tiene 42)");
        QTest::newRow("43 characters") << QString(43, 'a') << tooLong.arg(43);
        QTest::newRow("43 characters in words")
            << "La vida secreta de las palabras y las cosas" << tooLong.arg(43);
        QTest::newRow("45 characters") << "¡El curioso caso de Benjamín Button, y su perro!" << tooLong.arg(45);

        // Letters the board has no cell for are named, never dropped.
        QTest::newRow("Cyrillic") << "Жизнь" << "contiene «Ж», que no se puede jugar";
        QTest::newRow("Greek") << "Ζορμπάς" << "contiene «Ζ», que no se puede jugar";
        QTest::newRow("sharp s") << "Straße" << "contiene «ß», que no se puede jugar";
        QTest::newRow("slashed o") << "Ørkenen" << "contiene «Ø», que no se puede jugar";
        QTest::newRow("stroked l") << "Łódź" << "contiene «Ł», que no se puede jugar";
        QTest::newRow("ligature") << "Cœur" << "contiene «œ», que no se puede jugar";
        QTest::newRow("Japanese") << "千と千尋" << "contiene «千», que no se puede jugar";
        QTest::newRow("the first of several") << "Ωmega Жук" << "contiene «Ω», que no se puede jugar";
        QTest::newRow("ordinal sign") << "El 7º sello" << "contiene «º», que no se puede jugar";
        // Numbers that are no digit 0-9 would otherwise vanish from the title.
        QTest::newRow("superscript") << "Alien³" << "contiene «³», que no se puede jugar";
        QTest::newRow("fraction") << "8½" << "contiene «½», que no se puede jugar";
        QTest::newRow("a letter outside a long title") << QString(50, 'a') + "Ж" << "contiene «Ж», que no se puede jugar";
        // An invisible control character is named by its code.
        QTest::newRow("control") << QString::fromUtf8("A\u0007B") << "contiene U+0007, que no se puede jugar";
        QTest::newRow("replacement character") << QString::fromUtf8("A\uFFFDB") << "contiene «\uFFFD», que no se puede jugar";

        QTest::newRow("empty") << "" << "no tiene letras";
        QTest::newRow("only spaces") << " \t  " << "no tiene letras";
        QTest::newRow("only punctuation") << "¿?¡!.,:;'\"()-–—…" << "no tiene letras";
        QTest::newRow("only emoji") << "🎬🍿 ❤️" << "no tiene letras";
    }

    void unplayableTitlesAreRefusedWithTheirReason()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, refusal);
        const TitleCheck result = check(candidate);
        QVERIFY(!result.playable());
        QCOMPARE(qtText(result.refusal), refusal);
    }

    // A letter of Latin-1 or Latin Extended-A is a plain letter with marks
    // when Unicode decomposes it so (as Qt knows), and then loses them;
    // every other one is refused. × and ÷ are signs.
    void eachLatinLetterLosesItsMarksOrIsRefused()
    {
        for (char16_t c = 0xC0; c <= 0x17F; ++c) {
            const QString letter(QChar{c});
            const QString parts = letter.normalized(QString::NormalizationForm_D).toUpper();
            const bool marked = parts.size() > 1 && parts.at(0) < QChar(0x80) && parts.at(1) > QChar(0x80);
            const QString title = !marked ? QString() : parts == QStringLiteral("N\u0303") ? QStringLiteral("Ñ") : parts.left(1);
            const TitleCheck result = check(letter);
            QCOMPARE(qtText(result.title), title);
            const bool sign = c == u'×' || c == u'÷';
            QCOMPARE(qtText(result.refusal), title.isEmpty() ? sign ? QStringLiteral("no tiene letras")
                                                                    : QStringLiteral("contiene «%1», que no se puede jugar").arg(letter)
                                                             : QString());
        }
    }

    // Next to each block the rule drops or reads as spaces lie characters
    // it does not know; those are refused, and named as the player can see
    // them, by their code where they would show as nothing.
    void charactersTheRuleDoesNotKnowAreRefused()
    {
        const auto refusal = [](char32_t c) { return qtText(checkTitle(std::u32string(U"A") + c).refusal); };
        for (const char32_t c : std::u32string_view(U"\u02FF\u0370\u1681\u1AAF\u1B00\u1DBF\u1E00\u1FFF\u2070\u209F\u2100\u2116"
                                                      U"\u2118\u211F\u2121\u2123\u218F\u2460\u24FF\u2C00\u2DFF\u2E80\u3001\uF900"
                                                      U"\uFDFF\uFE70\uFEFE\uFF00\uFF5F\u0180\U0001EFFF\U0001FB00\U000DFFFF\U000E0080"))
            QCOMPARE(refusal(c), QStringLiteral("contiene «%1», que no se puede jugar").arg(qtText(std::u32string(1, c))));
        for (const char32_t c : std::u32string_view(U"\u001F\u007F\u009F\uE000\uF8FF\U000F0000"))
            QCOMPARE(refusal(c), QStringLiteral("contiene U+%1, que no se puede jugar").arg(QString::number(c, 16).toUpper().rightJustified(4, u'0')));
    }
};

QTEST_GUILESS_MAIN(TitleRuleTest)
#include "TitleRuleTest.moc"
