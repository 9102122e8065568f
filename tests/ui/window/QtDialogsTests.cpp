// The real dialogs: what a user sees in each box and file picker.
#include "WindowTestRegistry.h"
#include "window/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace zenoku::test {

namespace {

/// Runs `check` on the modal dialog once it is up, then cancels it.
template <class Dialog> void whenShown(std::function<void(Dialog*)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        check(dialog);
        dialog->reject();
    });
}

} // namespace

class QtDialogsTests : public QObject {
    Q_OBJECT
private slots:
    void errorBoxes_data() {
        QTest::addColumn<bool>("toolkit");
        QTest::addColumn<QString>("caption");
        QTest::newRow("error dialog") << false << QStringLiteral("エラー");
        QTest::newRow("toolkit error box") << true << QStringLiteral("ゼノクsim");
    }
    void errorBoxes() {
        QFETCH(bool, toolkit);
        QFETCH(QString, caption);
        QtDialogs dialogs;
        bool seen = false;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            seen = true;
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->windowTitle(), caption);
            QCOMPARE(box->text(), QStringLiteral("'abc' は整数ではありません"));
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().front()), QMessageBox::Ok);
        });
        const QString message = QStringLiteral("'abc' は整数ではありません");
        toolkit ? dialogs.showToolkitError(nullptr, message) : dialogs.showError(nullptr, message);
        QVERIFY(seen);
    }

    void filePickers_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void filePickers() {
        QFETCH(bool, save);
        QtDialogs dialogs;
        bool seen = false;
        whenShown<QFileDialog>([&](QFileDialog* picker) {
            seen = true;
            QCOMPARE(picker->nameFilters(),
                     QStringList{QStringLiteral("ゼノクsimファイル (*.sim)")});
            QCOMPARE(picker->acceptMode(),
                     save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            // The name field starts with "*.sim"; a name typed without an extension stays
            // as typed.
            const auto* name = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            QCOMPARE(name->text(), QStringLiteral("*.sim"));
            QCOMPARE(picker->defaultSuffix(), QString());
        });
        const QString chosen = save ? dialogs.saveFileName(nullptr) : dialogs.openFileName(nullptr);
        QVERIFY(seen);
        QCOMPARE(chosen, QString()); // cancelled
    }
};

ZENOKU_WINDOW_TEST(QtDialogsTests);

} // namespace zenoku::test

#include "QtDialogsTests.moc"
