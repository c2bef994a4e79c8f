// One ordinary session, start to exit, as the leak check runs it: three fruits added, one
// removed, the window closed (with its about box).
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "fault_test_support.h"
#include "htmlview/embedded_wb.h"

class TestSession : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { RestoreAppFiles(); }

    void startAddThreeRemoveOneExit() {
        ModalWatcher watcher;
        AppWindows app;
        TForm1& form = *app.form;
        QTRY_COMPARE_WITH_TIMEOUT(Charts(form.wb), QStringLiteral("0"), 60000);
        for (const int row : {1, 2, 3}) {
            AddFruit(form, row);
        }
        QTRY_VERIFY_WITH_TIMEOUT(ComparisonShows(form, 3), 60000);
        form.Button5->click();
        QCOMPARE(form.frutascombo->count(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(ReportShows(form, form.frutascombo->currentText()), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(ComparisonShows(form, 2), 60000);
        form.close();
        QCOMPARE(watcher.aboutShown, 1);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }
};

QUORVEL_REGISTER_GUI_TEST(TestSession);
#include "test_session.moc"
