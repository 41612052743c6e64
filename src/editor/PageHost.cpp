#include "PageHost.h"

#include <QScrollArea>
#include <QScrollBar>

#include "EditorPage.h"

PageHost::PageHost(QWidget* parent) : QStackedWidget(parent) {
    setObjectName("LMDFormDisplay1");
}

void PageHost::AddPage(EditorPage* page) {
    auto* area = new QScrollArea;
    area->setObjectName(page->objectName() + "Area");
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setContentsMargins(3, 3, 3, 3);
    area->setWidget(page);
    addWidget(area);
}

void PageHost::ShowPage(int page) {
    auto* area = qobject_cast<QScrollArea*>(widget(page));
    if (!area) return;
    setCurrentWidget(area);
    area->verticalScrollBar()->setValue(0);
    area->horizontalScrollBar()->setValue(0);
}

EditorPage* PageHost::Page(int page) const {
    auto* area = qobject_cast<QScrollArea*>(widget(page));
    return area ? qobject_cast<EditorPage*>(area->widget()) : nullptr;
}
