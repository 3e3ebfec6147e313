#include "ui/controls/KeyPreview.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "ui/controls/Buttons.h"

struct PreviewedWindow {
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    controls::BitmapButton* button = new controls::BitmapButton("Load", QPixmap(), &window);
    QCheckBox* box = new QCheckBox("3D", &window);
    QList<int> codes;
    int clicks = 0;

    PreviewedWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(button);
        layout->addWidget(box);
        new controls::KeyPreview(&window,
                                 [this](int code, Qt::KeyboardModifiers) { codes << code; });
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
        window.activateWindow();
    }

    // Keys as the window system delivers them: to the window, then to the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
};

class KeyPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void previewSeesTheKeyOnceAndTheControlStillGetsIt() {
        PreviewedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.field->setFocus();
        w.press(Qt::Key_Plus, Qt::KeypadModifier);
        w.press(Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(w.codes, QList<int>({controls::KeyCodeNumpadPlus, controls::KeyCodeNumpadMinus}));
        QCOMPARE(w.field->text(), QString("+-"));
    }

    void mainKeyboardPlusIsNotTheKeypadOne() {
        PreviewedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.field->setFocus();
        w.press(Qt::Key_Plus);
        QCOMPARE(w.codes.size(), 1);
        QVERIFY(w.codes.first() != controls::KeyCodeNumpadPlus);
        // Shift, Ctrl and Alt do not change the code.
        w.press(Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier);
        QCOMPARE(w.codes.last(), controls::KeyCodeNumpadPlus);
    }

    void keysTheWindowUsesAreNotShown() {
        PreviewedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.button->setFocus();
        w.press(Qt::Key_Return);
        QCOMPARE(w.clicks, 1);
        w.press(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(w.clicks, 1);  // Shift+Enter does not click
        w.press(Qt::Key_Tab);
        w.press(Qt::Key_Backtab);
        // Shift is a key of its own; the Enter that did not click is shown too.
        QCOMPARE(w.codes, QList<int>({Qt::Key_Shift, Qt::Key_Return}));
    }

    void spaceClicksTheFocusedButton() {
        PreviewedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.button->setFocus();
        w.press(Qt::Key_Space);
        QCOMPARE(w.clicks, 1);
    }
};

QTEST_MAIN(KeyPreviewTest)
#include "KeyPreviewTest.moc"
