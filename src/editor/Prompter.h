#pragma once

#include <QString>
#include <optional>
#include <vector>

enum class PromptButton { Ok, Cancel, Yes, No };
enum class PromptIcon { Information, Warning, Error };

// Every modal question of the editor goes through one prompter: the desktop program answers with
// dialogs, tests with a script.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with one OK button.
    virtual void ShowMessage(const QString& caption, const QString& text, PromptIcon icon) = 0;
    // A question box with a question icon and the given buttons (in that order); answers one of
    // them. Closing the box answers the last one.
    virtual PromptButton Ask(const QString& caption, const QString& text,
                             const std::vector<PromptButton>& buttons) = 0;
    // A folder chooser; nothing when the user cancels. Without allowNewFolder the user cannot
    // make folders in it.
    virtual std::optional<QString> ChooseFolder(const QString& title, const QString& startFolder,
                                                bool allowNewFolder) = 0;
    // An open-picture dialog for GIF, JPEG and BMP files; nothing when the user cancels.
    virtual std::optional<QString> ChoosePicture(const QString& title,
                                                 const QString& startFolder) = 0;
};

// The question every editor's Cancel asks before it drops the changes; true on Yes.
inline bool ConfirmCancelChanges(Prompter& prompter) {
    return prompter.Ask("Cancel Changes", "Are you sure you want to cancel your changes?",
                        {PromptButton::Yes, PromptButton::No}) == PromptButton::Yes;
}
