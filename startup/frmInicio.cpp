#include "frmInicio.h"

#include "Fonts.h"
#include "WindowPlacement.h"

#include <QFontMetrics>
#include <QPainter>

namespace velmora {

namespace {

// The window's layout in pixels at 96 dots per inch (its twips divided by 15).
constexpr QSize clientSize{233, 225};
constexpr QRect image1Box{0, 0, 233, 217};
constexpr QRect lblWordBox{120, 112, 99, 42};
constexpr QRect lblLoadBox{120, 144, 99, 49};
constexpr QRect lblLeyendBox{8, 8, 217, 33};
constexpr QColor bannerYellow{255, 255, 0};

} // namespace

frmInicio::frmInicio(MainWindowFactory createMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , createMainWindow_(std::move(createMainWindow))
{
    setWindowTitle(QStringLiteral("Inicio"));
    setFixedSize(clientSize);
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
    // From the bottom up: the white ground, the clapperboard, the product
    // word, the border, the maker's mark and the banner.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    if (sequence_.clapperShut() && clapperShut_.isNull())
        clapperShut_.load(QStringLiteral(":/pictures/clapper-shut.png"));
    const QPixmap& clapper = sequence_.clapperShut() ? clapperShut_ : clapperOpen_;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(image1Box, clapper);

    painter.setPen(Qt::white);
    const QString word = QStringLiteral("VELMORA");
    // The product word is wider than its box at its nominal size; it is made
    // just small enough to stay whole on the black half of the clapperboard.
    painter.setFont(fittedFont(gameFont(Face::Calibri, 26.25), word, lblWordBox.width()));
    painter.drawText(lblWordBox, Qt::AlignTop | Qt::AlignHCenter, word);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setPen(Qt::white);
    painter.setFont(gameFont(Face::Rounded, 36));
    // The tail of the "Q" reaches below the box; it is drawn whole so the mark
    // never reads as an "O".
    painter.drawText(lblLoadBox, Qt::AlignTop | Qt::AlignLeft | Qt::TextDontClip,
                     QString::fromStdString(sequence_.mark()));

    if (sequence_.bannerVisible()) {
        painter.fillRect(lblLeyendBox, bannerYellow);
        painter.setPen(Qt::black);
        painter.setFont(gameFont(Face::Rounded, 20.25));
        painter.drawText(lblLeyendBox, Qt::AlignTop | Qt::AlignHCenter, QStringLiteral("¡ACCIÓN!"));
    }

    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

} // namespace velmora
