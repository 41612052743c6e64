#include "ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap ProgramIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, size, size);
    fill.setColorAt(0, QColor(0x00, 0x9A, 0xFF));
    fill.setColorAt(1, QColor(0x00, 0x3C, 0x8C));
    p.setBrush(fill);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, "M");
    return pixmap;
}
