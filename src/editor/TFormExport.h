#pragma once

#include "EditorPage.h"

class QPushButton;

// Page 4: the Generate and Upload buttons. The main window carries out both commands.
class TFormExport : public EditorPage {
    Q_OBJECT
public:
    explicit TFormExport(QWidget* parent = nullptr);

    QPushButton* LMDButtonGenerate;
    QPushButton* LMDButtonUpload;
};
