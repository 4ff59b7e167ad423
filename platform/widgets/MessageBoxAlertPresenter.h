#pragma once

#include "platform/AlertPresenter.h"

namespace platform {

// Alerts as QMessageBox: every button keeps the place it was added at, the first is the default, and
// Escape picks "Cancel" (or the only button) and is otherwise ignored.
class MessageBoxAlertPresenter : public AlertPresenter
{
public:
    int runModal(const Alert &alert) override;
};

} // namespace platform
