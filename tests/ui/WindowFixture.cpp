// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include "painting/GameSurface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace velmora {

WindowFixture::WindowFixture(std::optional<TitleList> titles)
{
    auto randomSource = std::make_unique<ScriptedRandom>();
    random = randomSource.get();
    WindowServices services;
    services.loadSounds = [this] {
        auto recording = std::make_unique<RecordingSound>();
        sound = recording.get();
        return recording;
    };
    services.random = std::move(randomSource);
    services.help = &help;
    services.titles = std::move(titles);
    window = std::make_unique<frmVelmora>(std::move(services));
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
}

void WindowFixture::startRound(std::u32string_view title)
{
    random->queueTitle(title);
    QTest::mouseClick(child<QAbstractButton>("cmdGame"), Qt::LeftButton);
}

GameSurface* WindowFixture::surface() const
{
    return window->findChild<GameSurface*>();
}

QImage WindowFixture::client() const
{
    return surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage WindowFixture::shown() const
{
    const QRect area(surface()->mapTo(window.get(), QPoint(0, 0)), surface()->size());
    return window->screen()->grabWindow(window->winId()).toImage().copy(area).convertToFormat(QImage::Format_RGB32);
}

std::shared_ptr<MessageBoxAnswer> answerNextMessageBox(QMessageBox::StandardButton button)
{
    auto answer = std::make_shared<MessageBoxAnswer>();
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer->seen = true;
        answer->title = box->windowTitle();
        answer->text = box->text();
        answer->icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            answer->buttons << b->text().remove(QLatin1Char('&'));
        if (QPushButton* defaultButton = box->defaultButton())
            answer->defaultButton = defaultButton->text().remove(QLatin1Char('&'));
        box->button(button)->click();
        poll->deleteLater();
    });
    poll->start();
    return answer;
}

void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

} // namespace velmora
