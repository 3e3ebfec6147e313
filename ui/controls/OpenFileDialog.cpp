#include "ui/controls/OpenFileDialog.h"

#include <QFileDialog>

namespace controls {
namespace {

// Patterns are written for systems where "*.*" matches every file, names without
// a dot included.
QString namePatterns(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        result << (pattern.trimmed() == QLatin1String("*.*") ? QStringLiteral("*")
                                                             : pattern.trimmed());
    }
    return result.join(QLatin1Char(' '));
}

QString plainSuffix(QString suffix) {
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    return suffix;
}

}  // namespace

OpenFileDialog::OpenFileDialog(QObject* parent) : QObject(parent) {}

QStringList OpenFileDialog::typeDescriptions() const {
    QStringList descriptions;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        descriptions << parts[i];
    }
    return descriptions;
}

QStringList OpenFileDialog::nameFilters() const {
    // The description is shown as written; the patterns go in a trailing bracket
    // that the dialog hides.
    QStringList filters;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + QStringLiteral(" (") + namePatterns(parts[i + 1]) + QLatin1Char(')');
    }
    return filters;
}

bool OpenFileDialog::Execute(QWidget* parent) {
    QFileDialog dialog(parent, Title, InitialDir);
    dialog.setObjectName(objectName());
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setSizeGripEnabled(true);
    dialog.setDefaultSuffix(plainSuffix(DefaultExt));

    const QStringList filters = nameFilters();
    dialog.setNameFilters(filters);
    if (FilterIndex >= 1 && FilterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[FilterIndex - 1]);
    }
    if (!FileName.isEmpty()) {
        dialog.selectFile(FileName);
    }
    connect(&dialog, &QFileDialog::filterSelected, this, &OpenFileDialog::TypeChange);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    FileName = dialog.selectedFiles().constFirst();
    // Depending on the Qt version the chosen type comes back as its whole filter or
    // as the description the dialog showed.
    const QString chosen = dialog.selectedNameFilter();
    qsizetype chosenType = filters.indexOf(chosen);
    if (chosenType < 0) {
        chosenType = typeDescriptions().indexOf(chosen);
    }
    if (chosenType >= 0) {
        FilterIndex = static_cast<int>(chosenType) + 1;
    }
    return true;
}

}  // namespace controls
