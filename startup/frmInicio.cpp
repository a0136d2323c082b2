// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmInicio.h"

#include "SplashLayout.h"
#include "desktop/WindowPlacement.h"
#include "painting/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace velmora {

namespace {

constexpr QColor bannerYellow{255, 255, 0};

} // namespace

frmInicio::frmInicio(MainWindowFactory createMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , createMainWindow_(std::move(createMainWindow))
{
    setWindowTitle(QStringLiteral("Inicio"));
    setFixedSize(splash::clientSize);
    // A splash-type window does not end the program on closing by default; this
    // one must, because before the hand-over it is the program's only window.
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);

    centreOnScreen(*this);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmInicio::Timer1_Timer);
    Timer1->start();
}

void frmInicio::Timer1_Timer()
{
    switch (sequence_.tick()) {
    case SplashAction::Repaint:
        update();
        break;
    case SplashAction::HandOver:
        handOver();
        break;
    case SplashAction::Nothing:
        break;
    }
}

void frmInicio::handOver()
{
    // The main window loads and appears while the splash still shows its last
    // picture, so there is never a moment without a window on the screen.
    QWidget* mainWindow = createMainWindow_();
    mainWindow->show();
    close();
}

void frmInicio::closeEvent(QCloseEvent* event)
{
    // The window is destroyed only when the event loop next comes round; its
    // timer stops at once, so no tick falling due meanwhile can still create
    // the main window after an early close.
    Timer1->stop();
    QWidget::closeEvent(event);
}

void frmInicio::paintEvent(QPaintEvent*)
{
    // From the bottom up: the white ground, the clapperboard, the title (the
    // product word and the letter of the maker's mark), the border, the mark's
    // full stops and the banner. The first picture, before any tick, holds no
    // text, so it does not wait for the faces to be added.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    ScaledPicture& clapper = sequence_.clapperShut() ? clapperShut_ : clapperOpen_;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    clapper.paint(painter, QRectF(splash::image1Box));

    title_.paint(painter, QPointF(0, 0));

    // The border is the outermost pixel of the window on each side, filled
    // rather than stroked so that it covers the window's edge on a screen of
    // any scale.
    const int w = width();
    const int h = height();
    for (const QRect& side : {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(side, Qt::black);

    const QString mark = QString::fromStdString(sequence_.mark());
    const QString stops = mark.mid(1);
    if (!stops.isEmpty()) {
        painter.setPen(Qt::white);
        const QFont font = gameFont(Face::Rounded, splash::markPoints);
        painter.setFont(font);
        // The full stops go where they would follow the letter in the whole
        // mark, kerning included.
        const QFontMetricsF metrics(font);
        QRectF box = splash::lblLoadBox;
        box.setLeft(box.left() + metrics.horizontalAdvance(mark) - metrics.horizontalAdvance(stops));
        painter.drawText(box, Qt::AlignTop | Qt::AlignLeft | Qt::TextDontClip, stops);
    }

    if (sequence_.bannerVisible()) {
        painter.fillRect(splash::lblLeyendBox, bannerYellow);
        painter.setPen(Qt::black);
        painter.setFont(gameFont(Face::Rounded, 20.25));
        painter.drawText(splash::lblLeyendBox, Qt::AlignTop | Qt::AlignHCenter, QStringLiteral("¡ACCIÓN!"));
    }

    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

} // namespace velmora
