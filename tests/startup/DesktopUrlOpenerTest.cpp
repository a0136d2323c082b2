// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopUrlOpener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <vector>

using namespace std::chrono_literals;

namespace {

const QUrl webPage(QStringLiteral("https://velmora.example/ayuda.html?tema=puntos#puntos"));

// A stand-in for the desktop's opener: a shell script with the given body,
// which finds the address in "$1".
QString fakeOpener(const QTemporaryDir& folder, const QString& name, const QString& body)
{
    const QString path = folder.filePath(name);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Every answer an opener gave, in order.
struct Answers {
    std::vector<bool> given;

    std::function<void(bool)> recorder()
    {
        return [this](bool opened) { given.push_back(opened); };
    }
};

} // namespace

class DesktopUrlOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void theOpenersExitStatusSaysWhetherThePageIsOpen()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString arguments = folder.filePath(QStringLiteral("arguments"));
        const QString succeeds =
            fakeOpener(folder, "opens", QStringLiteral("printf '%s\\n' \"$@\" > '%1'").arg(arguments));
        // As xdg-open says when the desktop has no browser.
        const QString fails = fakeOpener(folder, "no-browser", "echo 'xdg-open: no method available' >&2\nexit 3");

        Answers answers;
        velmora::DesktopUrlOpener opening(succeeds, 60s);
        opening.open(webPage, answers.recorder());
        QTRY_COMPARE(answers.given, std::vector<bool>{true});
        QFile passed(arguments);
        QVERIFY(passed.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(passed.readAll()), webPage.toString(QUrl::FullyEncoded) + "\n");

        velmora::DesktopUrlOpener failing(fails, 60s);
        failing.open(webPage, answers.recorder());
        QTRY_COMPARE(answers.given, (std::vector<bool>{true, false}));
    }

    void anOpenerThatCannotBeStartedIsAFailure()
    {
        QTemporaryDir folder;
        Answers answers;
        velmora::DesktopUrlOpener opener(folder.filePath(QStringLiteral("missing-opener")), 60s);
        opener.open(webPage, answers.recorder());
        QTRY_COMPARE(answers.given, std::vector<bool>{false});
    }

    void anOpenerStillRunningWhenPatienceEndsHasOpenedThePageAndItsLaterEndDoesNotCount()
    {
        // An opener that runs the browser itself waits until the browser
        // closes; this one then says it failed, too late to count.
        QTemporaryDir folder;
        const QString release = folder.filePath(QStringLiteral("release"));
        const QString ended = folder.filePath(QStringLiteral("ended"));
        const QString browsing = fakeOpener(
            folder, "browsing",
            QStringLiteral("while [ ! -e '%1' ]; do sleep 0.05; done\n: > '%2'\nexit 1").arg(release, ended));
        Answers answers;
        velmora::DesktopUrlOpener opener(browsing, 100ms);
        opener.open(webPage, answers.recorder());
        QTRY_COMPARE(answers.given, std::vector<bool>{true});

        QFile(release).open(QIODevice::WriteOnly);
        QTRY_VERIFY(QFile::exists(ended));
        // Its exit reaches the program a moment later.
        QTest::qWait(300);
        QCOMPARE(answers.given, std::vector<bool>{true});
    }

    void anOpenerGoneBeforeItsAnswerNeverAnswers()
    {
        QTemporaryDir folder;
        const QString slow = fakeOpener(folder, "slow", "sleep 0.3\nexit 3");
        Answers answers;
        {
            velmora::DesktopUrlOpener opener(slow, 60s);
            opener.open(webPage, answers.recorder());
        }
        QTest::qWait(500);
        QVERIFY(answers.given.empty());
    }
};

QTEST_GUILESS_MAIN(DesktopUrlOpenerTest)
#include "DesktopUrlOpenerTest.moc"
