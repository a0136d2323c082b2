// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutText.h"
#include "HelpItems.h"

#include <QSysInfo>
#include <QTest>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <vector>

namespace {

// What the fakes below saw, shared with the test after the fakes have been
// handed over to the Help items.
struct Record {
    int networkChecks = 0;
    std::vector<QUrl> opened{};
    // The answers the desktop has not given yet, oldest first.
    std::vector<std::function<void(bool)>> unanswered{};
    struct Shown {
        QWidget* owner = nullptr;
        QUrl page;
    };
    std::vector<Shown> shownInWindow{};
    struct Box {
        QString kind;
        QWidget* owner = nullptr;
        QString title;
        QString text;
    };
    std::vector<Box> boxes{};
};

enum class Network { Up, Down, Broken };

class FakeNetworkCheck final : public velmora::NetworkCheck {
public:
    FakeNetworkCheck(Record& record, Network state) : record_(record), state_(state) {}

    bool isConnected() override
    {
        ++record_.networkChecks;
        if (state_ == Network::Broken)
            throw std::runtime_error("no network information");
        return state_ == Network::Up;
    }

private:
    Record& record_;
    Network state_ = Network::Up;
};

enum class Browser { Starts, Missing, AnswersLater };

class FakeUrlOpener final : public velmora::UrlOpener {
public:
    FakeUrlOpener(Record& record, Browser browser) : record_(record), browser_(browser) {}

    void open(const QUrl& address, std::function<void(bool)> done) override
    {
        record_.opened.push_back(address);
        if (browser_ == Browser::AnswersLater)
            record_.unanswered.push_back(std::move(done));
        else
            done(browser_ == Browser::Starts);
    }

private:
    Record& record_;
    Browser browser_ = Browser::Starts;
};

class FakeHelpViewer final : public velmora::HelpViewer {
public:
    explicit FakeHelpViewer(Record& record) : record_(record) {}

    void show(QWidget* owner, const QUrl& page) override { record_.shownInWindow.push_back({owner, page}); }

private:
    Record& record_;
};

class FakeHelpDialogs final : public velmora::HelpDialogs {
public:
    explicit FakeHelpDialogs(Record& record) : record_(record) {}

    void information(QWidget* owner, const QString& title, const QString& text) override
    {
        record_.boxes.push_back({QStringLiteral("information"), owner, title, text});
    }

    void about(QWidget* owner, const QString& title, const QString& text) override
    {
        record_.boxes.push_back({QStringLiteral("about"), owner, title, text});
    }

private:
    Record& record_;
};

const QUrl shippedPage(QStringLiteral("file:///usr/share/velmora/ayuda.html"));
const QUrl webPage(QStringLiteral("https://velmora.example/ayuda.html"));

velmora::HelpItems makeHelp(Record& record, const QUrl& helpPage, Network network,
                            Browser browser = Browser::Starts, const QUrl& shipped = shippedPage)
{
    return velmora::HelpItems(helpPage, shipped, std::make_unique<FakeNetworkCheck>(record, network),
                              std::make_unique<FakeUrlOpener>(record, browser),
                              std::make_unique<FakeHelpViewer>(record),
                              std::make_unique<FakeHelpDialogs>(record));
}

} // namespace

class HelpItemsTest : public QObject {
    Q_OBJECT

private slots:
    void offlineWebHelpShowsOnlyTheConnectionMessageTitledVelmora()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Down);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);

        QCOMPARE(record.networkChecks, 1);
        QVERIFY(record.opened.empty());
        QVERIFY(record.shownInWindow.empty());
        QCOMPARE(record.boxes.size(), std::size_t{1});
        QCOMPARE(record.boxes[0].kind, QStringLiteral("information"));
        QCOMPARE(record.boxes[0].owner, &window);
        QCOMPARE(record.boxes[0].title, QStringLiteral("Velmora"));
        QCOMPARE(record.boxes[0].text,
                 QStringLiteral("Se requiere una conexión a Internet, intente más tarde."));
    }

    void onlineWebHelpOpensTheHelpPageInTheBrowserAndShowsNoBox()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Up);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);

        QCOMPARE(record.networkChecks, 1);
        QCOMPARE(record.opened, std::vector<QUrl>{webPage});
        QVERIFY(record.shownInWindow.empty());
        QVERIFY(record.boxes.empty());
    }

    void theShippedPageShowsInTheProgramsOwnWindowWithoutBrowserOrNetwork()
    {
        // A browser may be there and still fail to show a page, silently; the
        // page on this machine needs none.
        Record record;
        auto help = makeHelp(record, shippedPage, Network::Down, Browser::Starts);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);
        help.mnuHelpAyuda_Click(&window);

        QCOMPARE(record.networkChecks, 0);
        QVERIFY(record.opened.empty());
        QCOMPARE(record.shownInWindow.size(), std::size_t{2});
        QCOMPARE(record.shownInWindow[0].owner, &window);
        QCOMPARE(record.shownInWindow[0].page, shippedPage);
        QVERIFY(record.boxes.empty());
    }

    void withoutBrowserOrNetworkTheShippedPageShowsInTheProgramsOwnWindow()
    {
        Record record;
        auto help = makeHelp(record, shippedPage, Network::Down, Browser::Missing);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);

        QVERIFY(record.opened.empty());
        QCOMPARE(record.shownInWindow.size(), std::size_t{1});
        QCOMPARE(record.shownInWindow[0].owner, &window);
        QCOMPARE(record.shownInWindow[0].page, shippedPage);
        QVERIFY(record.boxes.empty());
    }

    void aBrowserThatFailsLaterStillGetsTheShippedPageShownAndOneThatOpensItDoesNot()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Up, Browser::AnswersLater);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);
        help.mnuHelpAyuda_Click(&window);
        QCOMPARE(record.opened, (std::vector<QUrl>{webPage, webPage}));
        QVERIFY(record.shownInWindow.empty());

        record.unanswered[0](true);
        QVERIFY(record.shownInWindow.empty());
        record.unanswered[1](false);
        QCOMPARE(record.shownInWindow.size(), std::size_t{1});
        QCOMPARE(record.shownInWindow[0].owner, &window);
        QCOMPARE(record.shownInWindow[0].page, shippedPage);
        QVERIFY(record.boxes.empty());
    }

    void aFailureAnsweredAfterTheGameWindowIsGoneShowsNothing()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Up, Browser::AnswersLater);
        {
            QWidget window;
            help.mnuHelpAyuda_Click(&window);
        }
        record.unanswered.at(0)(false);
        QVERIFY(record.shownInWindow.empty());
    }

    void withoutABrowserAWebHelpPageGivesWayToTheShippedPage()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Up, Browser::Missing);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);

        QCOMPARE(record.opened, std::vector<QUrl>{webPage});
        QCOMPARE(record.shownInWindow.size(), std::size_t{1});
        QCOMPARE(record.shownInWindow[0].page, shippedPage);
        QVERIFY(record.boxes.empty());
    }

    void withoutABrowserOrAShippedPageTheItemEndsSilently()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Up, Browser::Missing, QUrl());
        QWidget window;
        help.mnuHelpAyuda_Click(&window);
        QCOMPARE(record.opened.size(), std::size_t{1});
        QVERIFY(record.shownInWindow.empty());
        QVERIFY(record.boxes.empty());
    }

    void aFailingConnectionCheckEndsTheItemSilently()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Broken);
        QWidget window;
        help.mnuHelpAyuda_Click(&window);
        QCOMPARE(record.networkChecks, 1);
        QVERIFY(record.opened.empty());
        QVERIFY(record.shownInWindow.empty());
        QVERIFY(record.boxes.empty());
    }

    void aboutShowsThePlatformLineThenTheMakerAndVersion10()
    {
        Record record;
        auto help = makeHelp(record, webPage, Network::Up);
        QWidget window;
        help.mnuHelpAbout_Click(&window);

        QVERIFY(record.opened.empty());
        QCOMPARE(record.networkChecks, 0);
        QCOMPARE(record.boxes.size(), std::size_t{1});
        const auto& box = record.boxes[0];
        QCOMPARE(box.kind, QStringLiteral("about"));
        QCOMPARE(box.owner, &window);
        QCOMPARE(box.title, QStringLiteral("Acerca de Velmora"));
        QVERIFY(box.text.startsWith(QSysInfo::prettyProductName() + QStringLiteral("\n")));
        QVERIFY(box.text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
        QVERIFY(box.text.endsWith(QStringLiteral("\n\nVASTREL\nVelmora: Versión 1.0")));
    }

    void aboutTextPutsTheMakerAndVersionOnTwoLinesUnderThePlatform()
    {
        QCOMPARE(velmora::aboutBoxText(QStringLiteral("Debian GNU/Linux 12\nQt 6.4.2"), 1, 0),
                 QStringLiteral("Debian GNU/Linux 12\nQt 6.4.2\n\nVASTREL\nVelmora: Versión 1.0"));
    }

    void versionLineWritesMajorAndMinorInDecimalWithoutLeadingZeros()
    {
        QCOMPARE(velmora::aboutMakerAndVersion(12, 3), QStringLiteral("VASTREL\nVelmora: Versión 12.3"));
        QCOMPARE(velmora::aboutMakerAndVersion(2, 10), QStringLiteral("VASTREL\nVelmora: Versión 2.10"));
    }

    void thisBuildShowsVersion10()
    {
        QVERIFY(velmora::aboutBoxText().endsWith(QStringLiteral("Velmora: Versión 1.0")));
    }
};

QTEST_MAIN(HelpItemsTest)
#include "HelpItemsTest.moc"
