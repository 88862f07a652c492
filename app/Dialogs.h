#pragma once

#include <QString>

// The modal boxes the windows rely on. Every window asks through Dialogs::current(),
// so a test can answer the prompts and record what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box with the text, one OK button, no icon and the application title;
    // returns once the user has closed it.
    virtual void messageBox(const QString& text) = 0;

    // A modal prompt whose edit field starts with `defaultText`. Returns the edited
    // text when confirmed, empty text when cancelled or closed.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // The dialogs in use: Qt's own unless a test has put others in place.
    static Dialogs& current();
    // Puts `dialogs` in place (not owned); nullptr goes back to Qt's own.
    static void setCurrent(Dialogs* dialogs);
};
