#pragma once

#include "window/Dialogs.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zenoku::test {

/// Dialogs that answer from a script and remember what was asked of them.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Error, ToolkitError, Open, Save };
    struct Call {
        Kind kind;
        QString text; ///< the message of an error box; empty for a file picker
    };

    /// Answers of the file pickers, in order; when none is left a picker is cancelled.
    QStringList fileNames;
    /// Runs while any dialog is up, as a modal dialog lets events through.
    std::function<void()> whileShown;
    std::vector<Call> calls;

    void showError(QWidget*, const QString& message) override { shown(Kind::Error, message); }
    void showToolkitError(QWidget*, const QString& message) override {
        shown(Kind::ToolkitError, message);
    }
    QString openFileName(QWidget*) override { return picked(Kind::Open); }
    QString saveFileName(QWidget*) override { return picked(Kind::Save); }

    int count(Kind kind) const {
        int n = 0;
        for (const Call& c : calls)
            n += c.kind == kind ? 1 : 0;
        return n;
    }

private:
    void shown(Kind kind, const QString& text) {
        calls.push_back({kind, text});
        if (whileShown) whileShown();
    }
    QString picked(Kind kind) {
        shown(kind, {});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

} // namespace zenoku::test
