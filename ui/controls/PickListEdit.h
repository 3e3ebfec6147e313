#pragma once

#include <QComboBox>
#include <QStringList>

namespace controls {

// An editable field with a drop-down list of entries that behaves as the viewer's
// group selector needs, which a plain QComboBox does not:
// - changing the list (clearEntries, replaceEntries) never touches the field's text
//   and never signals;
// - textChangedByUser fires once per edit of the field by the user (typing,
//   deleting, cutting, pasting) and once per pick of a list entry with the mouse or
//   the keys, after the field shows the entry; never for the program's changes.
// The list keeps the order of appending, duplicates included, and shows eight rows.
class PickListEdit : public QComboBox {
    Q_OBJECT
public:
    explicit PickListEdit(QWidget* parent = nullptr);

    QString Text() const { return currentText(); }
    // Sets the field's text without signalling, for the initial text.
    void setText(const QString& text);

    void clearEntries() { replaceEntries({}); }
    // Throws "Unable to insert a line" when the list cannot take them all; the list is
    // then left as it was.
    void replaceEntries(const QStringList& entries);

signals:
    void textChangedByUser();

private:
    template <typename Change>
    void changeListKeepingText(Change change);
    void onEntryActivated(int index);

    int pickedIndex_ = -1;
    QString noticedText_;
};

}  // namespace controls
