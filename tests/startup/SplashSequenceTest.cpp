// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplashSequence.h"

#include <QTest>

using velmora::SplashAction;
using velmora::SplashSequence;

class SplashSequenceTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheBareMarkTheOpenClapperboardAndNoBanner()
    {
        const SplashSequence sequence;
        QCOMPARE(sequence.step(), 0);
        QCOMPARE(sequence.mark(), std::string("Q"));
        QVERIFY(!sequence.clapperShut());
        QVERIFY(!sequence.bannerVisible());
    }

    void markGainsOneFullStopPerTickUpToFour()
    {
        SplashSequence sequence;
        for (const char* expected : {"Q.", "Q..", "Q...", "Q...."}) {
            QCOMPARE(sequence.tick(), SplashAction::Repaint);
            QCOMPARE(sequence.mark(), std::string(expected));
        }
        sequence.tick();
        QCOMPARE(sequence.mark(), std::string("Q...."));
    }

    void clapperShutsAndBannerShowsOnlyAtTheFourthTick()
    {
        SplashSequence sequence;
        for (int tick = 1; tick <= 3; ++tick) {
            sequence.tick();
            QVERIFY2(!sequence.clapperShut(), qPrintable(QString::number(tick)));
            QVERIFY2(!sequence.bannerVisible(), qPrintable(QString::number(tick)));
        }
        sequence.tick();
        QVERIFY(sequence.clapperShut());
        QVERIFY(sequence.bannerVisible());
    }

    void handsOverExactlyOnceAtTheFifthTick()
    {
        SplashSequence sequence;
        int handOvers = 0;
        for (int tick = 1; tick <= 20; ++tick) {
            if (sequence.tick() == SplashAction::HandOver) {
                ++handOvers;
                QCOMPARE(tick, 5);
            }
        }
        QCOMPARE(handOvers, 1);
    }

    void ticksAfterTheFifthDoNothing()
    {
        SplashSequence sequence;
        for (int tick = 1; tick <= 5; ++tick)
            sequence.tick();
        QCOMPARE(sequence.tick(), SplashAction::Nothing);
        QCOMPARE(sequence.tick(), SplashAction::Nothing);
        QCOMPARE(sequence.mark(), std::string("Q...."));
        QVERIFY(sequence.clapperShut());
    }
};

QTEST_APPLESS_MAIN(SplashSequenceTest)
#include "SplashSequenceTest.moc"
