#include "RecordListPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

RecordListPage::RecordListPage(const QString& objectName, const QString& title,
                               const QString& addText, const QString& modifyText,
                               const QString& removeText, QWidget* parent)
    : EditorPage(objectName, title, parent),
      LMDButtonAdd(new QPushButton("Add")),
      LMDButtonModify(new QPushButton("Modify")),
      LMDButtonRemove(new QPushButton("Remove")),
      ListBoxModify(new QListWidget),
      ListBoxRemove(new QListWidget),
      LabelModify(new QLabel(modifyText)),
      LabelRemove(new QLabel(removeText)) {
    LMDButtonAdd->setObjectName("LMDButtonAdd");
    LMDButtonModify->setObjectName("LMDButtonModify");
    LMDButtonRemove->setObjectName("LMDButtonRemove");
    ListBoxModify->setObjectName("ListBoxModify");
    ListBoxRemove->setObjectName("ListBoxRemove");
    LabelModify->setObjectName("LabelModify");
    LabelRemove->setObjectName("LabelRemove");
    auto* add = new QLabel(addText);

    auto* grid = new QGridLayout;
    grid->addWidget(LMDButtonAdd, 0, 0, Qt::AlignTop);
    grid->addWidget(add, 0, 1, 1, 2);
    grid->addWidget(LMDButtonModify, 1, 0, Qt::AlignTop);
    grid->addWidget(LabelModify, 1, 1, Qt::AlignTop);
    grid->addWidget(ListBoxModify, 1, 2);
    grid->addWidget(LMDButtonRemove, 2, 0, Qt::AlignTop);
    grid->addWidget(LabelRemove, 2, 1, Qt::AlignTop);
    grid->addWidget(ListBoxRemove, 2, 2);
    for (QLabel* label : {add, LabelModify, LabelRemove}) label->setWordWrap(true);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);

    connect(LMDButtonAdd, &QPushButton::clicked, this, [this] { LMDButtonAddClick(); });
    connect(LMDButtonModify, &QPushButton::clicked, this, [this] { LMDButtonModifyClick(); });
    connect(LMDButtonRemove, &QPushButton::clicked, this, [this] { LMDButtonRemoveClick(); });
    connect(ListBoxModify, &QListWidget::itemDoubleClicked, this,
            [this] { LMDButtonModifyClick(); });
    connect(ListBoxRemove, &QListWidget::itemDoubleClicked, this,
            [this] { LMDButtonRemoveClick(); });
    ShowListControls(false);
}

void RecordListPage::ClearLists() {
    ListBoxModify->clear();
    ListBoxRemove->clear();
}

void RecordListPage::ShowListControls(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{LMDButtonModify, ListBoxModify, LabelModify,
                                                      LMDButtonRemove, ListBoxRemove, LabelRemove})
        w->setVisible(visible);
}
