#include "ui/controls/PickListEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <stdexcept>

using controls::PickListEdit;

// The field next to another control, so that the focus can leave it.
struct FieldInWindow {
    QWidget window;
    PickListEdit* field = new PickListEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    QStringList textsSeen;

    FieldInWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        QObject::connect(field, &PickListEdit::textChangedByUser,
                         [this] { textsSeen << field->Text(); });
        window.show();
        field->setFocus();
    }
};

class PickListEditTest : public QObject {
    Q_OBJECT
private slots:
    void typingSignalsOncePerKeystroke() {
        FieldInWindow w;
        w.field->setText(QString());
        QTest::keyClicks(w.field, "12");
        QCOMPARE(w.textsSeen, QStringList({"1", "12"}));
        QTest::keyClick(w.field, Qt::Key_Backspace);
        QCOMPARE(w.textsSeen, QStringList({"1", "12", "1"}));
    }

    void listChangesKeepTheTextAndStayQuiet() {
        FieldInWindow w;
        w.field->setText("Prikazi sve zapise");
        w.field->replaceEntries({"001", "003"});
        QCOMPARE(w.field->Text(), QString("Prikazi sve zapise"));
        QCOMPARE(w.field->count(), 2);
        w.field->setText("003");
        w.field->clearEntries();
        QCOMPARE(w.field->Text(), QString("003"));
        QCOMPARE(w.field->count(), 0);
        QVERIFY(w.textsSeen.isEmpty());
    }

    void arrowKeysPickEntries() {
        FieldInWindow w;
        w.field->setText("x");
        w.field->replaceEntries({"001", "003", "001"});
        QTest::keyClick(w.field, Qt::Key_Down);
        QTest::keyClick(w.field, Qt::Key_Down);
        QTest::keyClick(w.field, Qt::Key_Down);
        QCOMPARE(w.textsSeen, QStringList({"001", "003", "001"}));
        QTest::keyClick(w.field, Qt::Key_Up);
        QCOMPARE(w.textsSeen.last(), QString("003"));
    }

    void mousePickFromTheOpenList() {
        FieldInWindow w;
        w.field->replaceEntries({"001", "003"});
        w.field->showPopup();
        QAbstractItemView* list = w.field->view();
        QTRY_VERIFY(list->isVisible());
        const QRect row = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(w.field->Text(), QString("003"));
        QCOMPARE(w.textsSeen, QStringList({"003"}));
    }

    void finishingAnEditThatMatchesAnEntryIsNoPick() {
        FieldInWindow w;
        w.field->setText(QString());
        w.field->replaceEntries({"001", "003"});
        QTest::keyClicks(w.field, "003");
        QTest::keyClick(w.field, Qt::Key_Return);
        w.other->setFocus();
        QCOMPARE(w.textsSeen, QStringList({"0", "00", "003"}));
        QCOMPARE(w.field->count(), 2);  // Enter adds nothing to the list
    }

    void pastingAndCuttingSignalOnce() {
        FieldInWindow w;
        w.field->setText("Prikazi sve zapise");
        QApplication::clipboard()->setText("007");
        w.field->lineEdit()->selectAll();
        QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.textsSeen, QStringList({"007"}));
        w.field->lineEdit()->selectAll();
        QTest::keyClick(w.field, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w.textsSeen, QStringList({"007", ""}));
    }

    void aFullListRefusesMoreEntries() {
        FieldInWindow w;
        w.field->setMaxCount(2);
        w.field->replaceEntries({"001"});
        try {
            w.field->replaceEntries({"001", "002", "003"});
            QFAIL("accepted");
        } catch (const std::runtime_error& failure) {
            QCOMPARE(QString(failure.what()), QString("Unable to insert a line"));
        }
        QCOMPARE(w.field->count(), 1);
    }
};

QTEST_MAIN(PickListEditTest)
#include "PickListEditTest.moc"
