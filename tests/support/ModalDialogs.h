#pragma once

#include <functional>

class QWidget;

// Helpers for tests that drive a modal dialog from inside its own loop.
namespace ModalDialogs
{
// Runs action on the modal dialog once its modal loop is running.
void whenModal(std::function<void(QWidget*)> action, int triesLeft = 200);
} // namespace ModalDialogs
