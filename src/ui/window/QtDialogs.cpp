#include "QtDialogs.h"

#include "WindowTexts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace zenoku {

namespace {

void showErrorBox(QWidget* parent, std::string_view caption, const QString& message) {
    QMessageBox box(QMessageBox::Critical, qtext(caption), message, QMessageBox::Ok, parent);
    box.exec();
}

QString chooseSimFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(simFileFilter());
    // A name typed without an extension is taken as typed, and an existing file is replaced
    // without a second question: the save command writes exactly the file the user named.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QString::fromUtf8(kSimFileDefaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtDialogs::showError(QWidget* parent, const QString& message) {
    showErrorBox(parent, texts::kErrorCaption, message);
}

void QtDialogs::showToolkitError(QWidget* parent, const QString& message) {
    showErrorBox(parent, texts::kApplicationTitle, message);
}

QString QtDialogs::openFileName(QWidget* parent) {
    return chooseSimFile(parent, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(QWidget* parent) {
    return chooseSimFile(parent, QFileDialog::AcceptSave);
}

} // namespace zenoku
