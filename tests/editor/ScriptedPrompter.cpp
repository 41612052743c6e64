#include "ScriptedPrompter.h"

#include <algorithm>

void ScriptedPrompter::ShowMessage(const QString& caption, const QString& text, PromptIcon) {
    shown_.push_back({"message", caption, text});
}

PromptButton ScriptedPrompter::Ask(const QString& caption, const QString& text,
                                   const std::vector<PromptButton>& buttons) {
    shown_.push_back({"question", caption, text});
    if (!answers_.empty()) {
        if (const auto* button = std::get_if<PromptButton>(&answers_.front())) {
            const PromptButton answer = *button;
            answers_.pop_front();
            if (std::find(buttons.begin(), buttons.end(), answer) != buttons.end()) return answer;
            problems_ << "the box \"" + text + "\" has no such button";
            return buttons.back();
        }
    }
    problems_ << "unexpected question \"" + text + "\"";
    return buttons.back();
}

std::optional<QString> ScriptedPrompter::ChooseFolder(const QString& title, const QString&, bool) {
    shown_.push_back({"folder", title, QString()});
    return NextPath(title);
}

std::optional<QString> ScriptedPrompter::ChoosePicture(const QString& title, const QString&) {
    shown_.push_back({"picture", title, QString()});
    return NextPath(title);
}

std::optional<QString> ScriptedPrompter::NextPath(const QString& title) {
    if (!answers_.empty()) {
        if (auto* path = std::get_if<std::optional<QString>>(&answers_.front())) {
            std::optional<QString> answer;
            answer.swap(*path);
            answers_.pop_front();
            return answer;
        }
    }
    problems_ << "unexpected chooser \"" + title + "\"";
    return std::nullopt;
}

QStringList ScriptedPrompter::texts() const {
    QStringList list;
    for (const Shown& s : shown_) list << (s.text.isEmpty() ? s.caption : s.text);
    return list;
}

QStringList ScriptedPrompter::problems() const {
    QStringList list = problems_;
    if (!answers_.empty()) list << QString::number(answers_.size()) + " answers never asked for";
    return list;
}
