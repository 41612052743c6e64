#include "OkCancelRow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

void AddOkCancelRow(QBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton("OK");
    ok->setObjectName("LMDButtonOK");
    ok->setToolTip("Submit Info");
    cancel = new QPushButton("Cancel");
    cancel->setObjectName("LMDButtonCancel");
    cancel->setToolTip("Ignore Information");
    auto* note = new QLabel(
        "Use the 'OK' button to submit your additions or modifications, or press 'Cancel' to "
        "ignore them.");
    note->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(note, 1);
    layout->addLayout(row);
}
