#include "ui/controls/PickListEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <stdexcept>

namespace controls {
namespace {

// QComboBox matches the typed text against the list when editing finishes (Enter,
// or the focus leaving) and then reports an "activation" although the user picked
// nothing. This field lets the combo box tell those apart.
class FieldEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool finishingEdit() const { return finishingEdit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool finishing = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        finishingEdit_ = finishing;
        QLineEdit::keyPressEvent(event);
        finishingEdit_ = false;
    }
    void focusOutEvent(QFocusEvent* event) override {
        finishingEdit_ = true;
        QLineEdit::focusOutEvent(event);
        finishingEdit_ = false;
    }

private:
    bool finishingEdit_ = false;
};

}  // namespace

PickListEdit::PickListEdit(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    auto* field = new FieldEdit(this);
    setLineEdit(field);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    setFocusPolicy(Qt::StrongFocus);

    connect(field, &QLineEdit::textEdited, this, [this](const QString& text) {
        noticedText_ = text;
        emit textChangedByUser();
    });
    connect(this, &QComboBox::activated, this, &PickListEdit::onEntryActivated);
}

void PickListEdit::onEntryActivated(int index) {
    const auto* field = static_cast<const FieldEdit*>(lineEdit());
    const bool anotherEntry = index != pickedIndex_ && !field->finishingEdit();
    pickedIndex_ = index;
    if (anotherEntry || currentText() != noticedText_) {
        noticedText_ = currentText();
        emit textChangedByUser();
    }
}

void PickListEdit::setText(const QString& text) {
    const QSignalBlocker blocker(this);
    lineEdit()->setText(text);
    noticedText_ = text;
}

template <typename Change>
void PickListEdit::changeListKeepingText(Change change) {
    QLineEdit* field = lineEdit();
    const QString text = field->text();
    const int cursor = field->cursorPosition();
    const int selectionStart = field->selectionStart();
    const int selectionLength = field->selectedText().size();
    {
        const QSignalBlocker blocker(this);
        const QSignalBlocker fieldBlocker(field);
        change();
        setCurrentIndex(-1);
        field->setText(text);
    }
    if (selectionStart >= 0) {
        field->setSelection(selectionStart, selectionLength);
    } else {
        field->setCursorPosition(cursor);
    }
    pickedIndex_ = -1;
}

void PickListEdit::replaceEntries(const QStringList& entries) {
    if (entries.size() > maxCount()) {
        throw std::runtime_error("Unable to insert a line");
    }
    changeListKeepingText([&] {
        clear();
        addItems(entries);
    });
}

}  // namespace controls
