// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardHelpDialogs.h"
#include "desktop/ApplicationSetup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;

namespace {

// Waits for the modal box that the call under test shows, lets the check look
// at it and then presses its only button, so the call returns.
void inspectNextMessageBox(std::function<void(QMessageBox&)> check)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, check] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr || !box->isVisible())
                continue;
            poll->stop();
            poll->deleteLater();
            check(*box);
            box->buttons().constFirst()->click();
            return;
        }
    });
    poll->start(10);
}

} // namespace

class StandardHelpDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
    }

    void informationBoxHasTheTextTheInformationIconOneAceptarButtonAndTheTitle()
    {
        QWidget owner;
        owner.show();
        bool seen = false;
        inspectNextMessageBox([&](QMessageBox& box) {
            seen = true;
            QCOMPARE(box.windowTitle(), QStringLiteral("Velmora"));
            QCOMPARE(box.text(), QStringLiteral("Se requiere una conexión a Internet, intente más tarde."));
            QCOMPARE(box.icon(), QMessageBox::Information);
            QCOMPARE(box.buttons().size(), 1);
            QCOMPARE(box.standardButton(box.buttons().constFirst()), QMessageBox::Ok);
            QCOMPARE(box.buttons().constFirst()->text().remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
            QVERIFY(box.isModal());
            QCOMPARE(box.parentWidget(), &owner);
        });
        StandardHelpDialogs().information(
            &owner, QStringLiteral("Velmora"),
            QStringLiteral("Se requiere una conexión a Internet, intente más tarde."));
        QVERIFY(seen);
    }

    void aboutBoxHasItsTitleTheTextAndTheProgramIcon()
    {
        QWidget owner;
        owner.show();
        bool seen = false;
        const QString text = QStringLiteral("Debian\nQt 6\n\nVASTREL\nVelmora: Versión 1.0");
        inspectNextMessageBox([&](QMessageBox& box) {
            seen = true;
            QCOMPARE(box.windowTitle(), QStringLiteral("Acerca de Velmora"));
            QCOMPARE(box.text(), text);
            QVERIFY(!box.iconPixmap().isNull());
            QVERIFY(!QApplication::windowIcon().isNull());
            QCOMPARE(box.buttons().size(), 1);
            QCOMPARE(box.buttons().constFirst()->text().remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
        });
        StandardHelpDialogs().about(&owner, QStringLiteral("Acerca de Velmora"), text);
        QVERIFY(seen);
    }
};

QTEST_MAIN(StandardHelpDialogsTest)
#include "StandardHelpDialogsTest.moc"
