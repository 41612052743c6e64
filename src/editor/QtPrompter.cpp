#include "QtPrompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton ToStandard(PromptButton button) {
    switch (button) {
        case PromptButton::Ok:
            return QMessageBox::Ok;
        case PromptButton::Cancel:
            return QMessageBox::Cancel;
        case PromptButton::Yes:
            return QMessageBox::Yes;
        case PromptButton::No:
            return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon ToIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtPrompter::ShowMessage(const QString& caption, const QString& text, PromptIcon icon) {
    QMessageBox box(ToIcon(icon), caption, text, QMessageBox::Ok, parent_);
    box.exec();
}

PromptButton QtPrompter::Ask(const QString& caption, const QString& text,
                             const std::vector<PromptButton>& buttons) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent_);
    for (PromptButton b : buttons) box.addButton(ToStandard(b));
    if (!buttons.empty()) box.setEscapeButton(ToStandard(buttons.back()));
    const int answer = box.exec();
    for (PromptButton b : buttons)
        if (answer == ToStandard(b)) return b;
    return buttons.empty() ? PromptButton::Cancel : buttons.back();
}

std::optional<QString> QtPrompter::ChooseFolder(const QString& title, const QString& startFolder,
                                                bool allowNewFolder) {
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
    // A read-only chooser offers no "new folder" action.
    if (!allowNewFolder) options |= QFileDialog::ReadOnly;
    const QString folder = QFileDialog::getExistingDirectory(parent_, title, startFolder, options);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

std::optional<QString> QtPrompter::ChoosePicture(const QString& title, const QString& startFolder) {
    const QString file = QFileDialog::getOpenFileName(
        parent_, title, startFolder,
        "All (*.gif *.jpg *.jpeg *.bmp);;GIF Image (*.gif);;JPEG Image File (*.jpg);;"
        "JPEG Image File (*.jpeg);;Bitmaps (*.bmp)");
    if (file.isEmpty()) return std::nullopt;
    return file;
}
