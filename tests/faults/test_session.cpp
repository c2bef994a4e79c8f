// One ordinary session, start to exit, as the leak check runs it: three fruits added, one
// removed, the window closed (with its about box).
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/main_window/main_window.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"

class TestSession : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { restoreAppFiles(); }

    void startAddThreeRemoveOneExit() {
        ModalWatcher watcher;
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QTRY_COMPARE_WITH_TIMEOUT(charts(form.fruitReportView), QStringLiteral("0"), 60000);
        for (const int row : {1, 2, 3}) {
            addFruit(form, row);
        }
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 3), 60000);
        form.removeButton->click();
        QCOMPARE(form.comparedFruitsCombo->count(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 2), 60000);
        form.close();
        QCOMPARE(watcher.aboutShown, 1);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }
};

QUORVEL_REGISTER_GUI_TEST(TestSession);
#include "test_session.moc"
