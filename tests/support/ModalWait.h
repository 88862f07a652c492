#pragma once

#include <functional>

class QWidget;

// For tests of the real boxes and prompts: runs `act` on the modal dialog once it is
// open. Call just before the call that opens it.
void whenModalOpen(std::function<void(QWidget*)> act);
