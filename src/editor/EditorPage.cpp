#include "EditorPage.h"

#include <QLabel>
#include <QVBoxLayout>

EditorPage::EditorPage(const QString& objectName, const QString& title, QWidget* parent)
    : QWidget(parent), heading_(new QLabel(title)), body_(new QVBoxLayout) {
    setObjectName(objectName);
    heading_->setObjectName("LabelTitle");
    QFont font = heading_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    heading_->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(body_);
    layout->addStretch(1);
}

QString EditorPage::title() const {
    return heading_->text();
}
