#pragma once

#include "Dialogs.h"

namespace zenoku {

/// The real dialogs: Qt message boxes and Qt file dialogs.
class QtDialogs final : public Dialogs {
public:
    void showError(QWidget* parent, const QString& message) override;
    void showToolkitError(QWidget* parent, const QString& message) override;
    QString openFileName(QWidget* parent) override;
    QString saveFileName(QWidget* parent) override;
};

} // namespace zenoku
