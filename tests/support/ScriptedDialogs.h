#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// Dialogs for tests: answers prompts from a script and records, in order, every box
// and prompt shown. Put in place for its lifetime.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The next prompt's answer: a text typed and confirmed, or cancel().
    void answer(const QString& text) { m_answers.emplace_back(text); }
    void cancel() { m_answers.emplace_back(std::nullopt); }

    void messageBox(const QString& text) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

    // "box: <text>" and "prompt: <prompt> | <title> | <default>", in the order shown.
    QStringList shown;
    // Runs while a box is open, with its text.
    std::function<void(const QString&)> whileBoxOpen;
    // Runs while a prompt is open, with its title.
    std::function<void(const QString&)> whilePromptOpen;

    int unanswered() const { return static_cast<int>(m_answers.size()); }

private:
    std::deque<std::optional<QString>> m_answers;
};
