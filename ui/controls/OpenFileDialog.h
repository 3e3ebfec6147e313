#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace controls {

// The dialog for choosing one file to open, described by properties that outlive
// each run: it starts in InitialDir with the last confirmed file in its name field,
// and remembers the file and file type of the last confirmed run only. A typed name
// of a file that does not exist is accepted.
class OpenFileDialog : public QObject {
    Q_OBJECT
public:
    explicit OpenFileDialog(QObject* parent = nullptr);

    QString Title;
    // Pairs of description and pattern separated by "|": "Text (*.txt)|*.txt|All|*.*".
    QString Filter;
    int FilterIndex = 1;  // 1 for the first file type
    // The suffix for a name typed without one; "*.dts" and ".dts" both mean "dts".
    QString DefaultExt;
    QString InitialDir;
    QString FileName;

    // Runs the dialog; true with FileName set when the user confirmed a name.
    bool Execute(QWidget* parent);

    // The Qt name filters for Filter, in order.
    QStringList nameFilters() const;
    // The descriptions of the file types, as the dialog shows them.
    QStringList typeDescriptions() const;

signals:
    // The user picked another file type while the dialog was open.
    void TypeChange();
};

}  // namespace controls
