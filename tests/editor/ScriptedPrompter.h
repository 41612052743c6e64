#pragma once

#include <QStringList>
#include <deque>
#include <variant>

#include "editor/Prompter.h"

// Answers the editor's questions from a script, in order, and records every box and chooser
// that was shown. A question without a fitting answer is a problem; so is an answer left over.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString kind;  // "message", "question", "folder" or "picture"
        QString caption, text;
    };

    void Answer(PromptButton button) { answers_.push_back(button); }
    // A chooser's answer; nothing means the user cancelled it.
    void AnswerPath(std::optional<QString> path) { answers_.push_back(std::move(path)); }

    void ShowMessage(const QString& caption, const QString& text, PromptIcon icon) override;
    PromptButton Ask(const QString& caption, const QString& text,
                     const std::vector<PromptButton>& buttons) override;
    std::optional<QString> ChooseFolder(const QString& title, const QString& startFolder,
                                        bool allowNewFolder) override;
    std::optional<QString> ChoosePicture(const QString& title, const QString& startFolder) override;

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;  // the caption of each chooser, the text of each box
    // Unexpected questions and answers never asked for; empty when the script fitted.
    QStringList problems() const;

private:
    std::optional<QString> NextPath(const QString& title);

    using ScriptedAnswer = std::variant<PromptButton, std::optional<QString>>;
    std::deque<ScriptedAnswer> answers_;
    std::vector<Shown> shown_;
    QStringList problems_;
};
