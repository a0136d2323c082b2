// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "painting/QtText.h"

#include <QTest>

using namespace velmora;
using Clips = std::vector<SoundClip>;

class SoundCueTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundPlaysItsCuesInTheOrderOfItsEvents()
    {
        GameHarness h;
        h.startRound(U"300");
        h.clock.advance(100);
        h.type(U"3");
        h.clock.advance(100);
        h.miss(1);
        h.clock.advance(100);
        h.type(U"0");
        h.clock.advance(100);
        QVERIFY(h.sound.played ==
                (Clips{SoundClip::NewTitle, SoundClip::LetterFound, SoundClip::Miss, SoundClip::RoundWon}));
    }

    void theSeventhAndEighthMissesPlayTheirOwnClips()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.clock.advance(100);
        h.sound.played.clear();
        for (int miss = 1; miss <= 8; ++miss) {
            h.type(std::u32string(1, h.lettersNotInTitle()[static_cast<std::size_t>(miss - 1)]));
            h.clock.advance(100);
        }
        QVERIFY(h.sound.played == (Clips{SoundClip::Miss, SoundClip::Miss, SoundClip::Miss, SoundClip::Miss,
                                         SoundClip::Miss, SoundClip::Miss, SoundClip::SeventhMiss,
                                         SoundClip::RoundLost}));
    }

    void theLetterThatCompletesTheTitlePlaysOnlyTheWinClip()
    {
        GameHarness h;
        h.startRound(U"300");
        h.clock.advance(100);
        h.sound.played.clear();
        h.type(U"3");
        h.clock.advance(100);
        h.type(U"0");
        QVERIFY(h.clock.isRunning(TimerId::tmrSound6));
        h.clock.advance(100);
        QVERIFY(h.sound.played == (Clips{SoundClip::LetterFound, SoundClip::RoundWon}));
    }

    void withSoundOffNoCueTimerEverStarts()
    {
        GameHarness h;
        h.game.mnuSounds_Click();
        h.startRound(U"EL PADRINO");
        h.type(U"E");
        h.miss(8);
        h.startRound(U"300");
        h.type(U"30");
        for (TimerId id : {TimerId::tmrSound1, TimerId::tmrSound2, TimerId::tmrSound3, TimerId::tmrSound4,
                           TimerId::tmrSound5, TimerId::tmrSound6})
            QVERIFY(!h.clock.isRunning(id));
        h.clock.advance(1000);
        QVERIFY(h.sound.played.empty());
    }

    void switchingSoundOffAfterACueStartedStillPlaysIt()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.game.cmdVoz_Click();
        h.clock.advance(50);
        QVERIFY(h.sound.played == Clips{SoundClip::NewTitle});
    }

    void twoTogglesRestoreTheStartingSigns()
    {
        GameHarness h;
        const WindowControls start = h.controls();
        h.game.cmdVoz_Click();
        QVERIFY(!h.round().SoundOn);
        QVERIFY(!h.controls().mnuSoundsChecked);
        QCOMPARE(h.controls().cmdVozPicture, SpeakerPicture::Off);
        QCOMPARE(qtText(h.controls().cmdVozToolTip), QStringLiteral(" Mostrar Sonidos "));
        h.game.mnuSounds_Click();
        QVERIFY(h.round().SoundOn);
        QVERIFY(h.controls() == start);
        QCOMPARE(qtText(h.controls().cmdVozToolTip), QStringLiteral(" Ocultar Sonidos "));
    }

    void aWrongAnswerPlaysTheLostClipAndARightOneTheWonClip()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.clock.advance(100);
        h.sound.played.clear();
        h.answer(U"EL PADRINO");
        h.clock.advance(100);
        QVERIFY(h.sound.played == Clips{SoundClip::RoundWon});
        h.startRound(U"NUEVE REINAS");
        h.clock.advance(100);
        h.sound.played.clear();
        h.answer(U"X");
        h.clock.advance(100);
        QVERIFY(h.sound.played == Clips{SoundClip::RoundLost});
    }

    void hoveringThePlayButtonTurnsItBlueAndTheBareWindowWhite()
    {
        GameHarness h;
        h.game.cmdGame_MouseMove();
        QCOMPARE(h.controls().cmdGameBackColor, kPlayButtonHover);
        h.game.cmdGame_MouseMove();
        QCOMPARE(h.controls().cmdGameBackColor, kPlayButtonHover);
        h.game.Form_MouseMove();
        QCOMPARE(h.controls().cmdGameBackColor, kPlayButtonWhite);
    }
};

QTEST_APPLESS_MAIN(SoundCueTest)
#include "SoundCueTest.moc"
