#pragma once

#include <QString>

// Asks the user to confirm a step that cannot be taken lightly; Cancel is the default answer.
struct Confirmation {
    QString title;
    QString message;
    QString confirmButton;
};

class ConfirmationService {
public:
    virtual ~ConfirmationService() = default;
    // True only when the user chose the confirm button.
    virtual bool confirm(const Confirmation& confirmation) = 0;
};
