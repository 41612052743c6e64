#include "TitlePanel.h"

#include <QLinearGradient>
#include <QPainter>

#include "ProgramIcon.h"

TitlePanel::TitlePanel(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
    setFixedHeight(28);
}

void TitlePanel::setActive(bool active) {
    active_ = active;
    update();
}

void TitlePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette::ColorGroup group = active_ ? QPalette::Active : QPalette::Inactive;
    const QColor caption = palette().color(group, active_ ? QPalette::Highlight : QPalette::Mid);
    QLinearGradient fill(0, 0, width(), 0);
    fill.setColorAt(0, caption);
    fill.setColorAt(1, caption.lighter(160));
    p.fillRect(rect(), fill);
    const int icon = height() - 8;
    p.drawPixmap(4, 4, ProgramIcon(icon));
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.setPen(palette().color(group, QPalette::HighlightedText));
    // The caption keeps its leading blanks; the picture stands in front of them.
    p.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_);
}
