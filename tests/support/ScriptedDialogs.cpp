#include "ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::setCurrent(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::setCurrent(nullptr);
}

void ScriptedDialogs::messageBox(const QString& text)
{
    shown << QStringLiteral("box: ") + text;
    if (whileBoxOpen) {
        whileBoxOpen(text);
    }
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    shown << QStringLiteral("prompt: %1 | %2 | %3").arg(prompt, title, defaultText);
    if (whilePromptOpen) {
        whilePromptOpen(title);
    }
    if (m_answers.empty()) {
        return defaultText; // confirmed without editing
    }
    const std::optional<QString> answer = m_answers.front();
    m_answers.pop_front();
    return answer.value_or(QString());
}
