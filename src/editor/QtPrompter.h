#pragma once

#include "Prompter.h"

class QWidget;

// The prompter of the desktop program: standard message boxes and file dialogs in front of
// `parent`.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent) : parent_(parent) {}

    void ShowMessage(const QString& caption, const QString& text, PromptIcon icon) override;
    PromptButton Ask(const QString& caption, const QString& text,
                     const std::vector<PromptButton>& buttons) override;
    std::optional<QString> ChooseFolder(const QString& title, const QString& startFolder,
                                        bool allowNewFolder) override;
    std::optional<QString> ChoosePicture(const QString& title, const QString& startFolder) override;

private:
    QWidget* parent_;
};
