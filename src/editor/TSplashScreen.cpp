#include "TSplashScreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "ProgramIcon.h"
#include "catalog/Version.h"

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      LabelVersion(new QLabel(kProgramVersion, this)) {
    setObjectName("SplashScreen");
    setWindowTitle("Zelmo Marlix");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(260, 165);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    LabelVersion->setObjectName("LabelVersion");
    QFont bold = LabelVersion->font();
    bold.setBold(true);
    LabelVersion->setFont(bold);
    LabelVersion->setStyleSheet("color: white");
    LabelVersion->move(200, 130);

    auto* timer = new QTimer(this);
    timer->setObjectName("Timer1");
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QWidget::close);
    timer->start(3500);
}

void TSplashScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x00, 0x9A, 0xFF));
    fill.setColorAt(1, QColor(0x00, 0x3C, 0x8C));
    p.fillRect(rect(), fill);
    p.drawPixmap(20, 20, ProgramIcon(64));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(96, 36, width() - 100, 40), Qt::AlignLeft | Qt::AlignVCenter, "Zelmo Marlix");
}
