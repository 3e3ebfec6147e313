#pragma once
// The real window, shown headless, with helpers to write DTS files, drive the file
// dialog and compare everything a load can change.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "ModalDriver.h"
#include "app/Unit1.h"
#include "data/DtsFixtures.h"

namespace testing_support {

struct ViewerWindow {
    app::LoadedMeasurements measurements;
    app::TForm1 form{measurements};

    ViewerWindow() {
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(form.windowHandle(), key, modifiers);
    }
    void type(const QString& text) {
        for (QChar c : text) {
            QTest::keyClick(form.windowHandle(), c.toLatin1());
        }
    }
};

class FileFolder {
public:
    QString path(const QString& name) const { return folder_.filePath(name); }

    QString writeBytes(const QString& name, const std::vector<unsigned char>& bytes) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }
    QString writeRecords(const QString& name, const std::vector<data::DtsRecord>& records) const {
        return writeBytes(name, fixtures::dtsBytes(records));
    }

private:
    QTemporaryDir folder_;
};

// Everything the "Load" command may change.
struct ShownState {
    std::vector<std::string> title;
    std::string loadedFileName;
    std::int32_t recordCount = 0;
    std::vector<double> temperatures;
    std::vector<double> humidities;
    std::vector<std::string> labels;
    QStringList entries;
    QString selectorText;
    QString label1, label2, label3;
    bool gaugeVisible = false;

    bool operator==(const ShownState& o) const {
        return title == o.title && loadedFileName == o.loadedFileName &&
               recordCount == o.recordCount && temperatures == o.temperatures &&
               humidities == o.humidities && labels == o.labels && entries == o.entries &&
               selectorText == o.selectorText && label1 == o.label1 && label2 == o.label2 &&
               label3 == o.label3 && gaugeVisible == o.gaugeVisible;
    }
};

inline ShownState stateOf(const ViewerWindow& w) {
    ShownState state;
    const app::TForm1& f = w.form;
    state.title = f.Chart1->model().titleLines();
    state.loadedFileName = w.measurements.LoadedFileName;
    state.recordCount = w.measurements.MeasurementStore.RecordCount();
    const chart::ChartSeries& temperature = f.Series1->points();
    for (std::size_t i = 0; i < temperature.size(); ++i) {
        state.temperatures.push_back(temperature.value(i));
        state.labels.emplace_back(temperature.label(i));
    }
    for (std::size_t i = 0; i < f.Series2->Count(); ++i) {
        state.humidities.push_back(f.Series2->points().value(i));
    }
    for (int i = 0; i < f.ComboBox1->count(); ++i) {
        state.entries << f.ComboBox1->itemText(i);
    }
    state.selectorText = f.ComboBox1->Text();
    state.label1 = f.Label1->caption();
    state.label2 = f.Label2->caption();
    state.label3 = f.Label3->caption();
    state.gaugeVisible = f.Gauge1->isVisible();
    return state;
}

// Presses "Load" and confirms the given path in the real dialog.
inline void loadThroughDialog(ViewerWindow& w, const QString& path) {
    whenModalShows<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
    });
    QTest::mouseClick(w.form.BitBtn1, Qt::LeftButton);
}

inline void cancelDialog(ViewerWindow& w) {
    whenModalShows<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QTest::mouseClick(w.form.BitBtn1, Qt::LeftButton);
}

// Loads a file whose load is expected to fail, and returns the error box shown.
inline ShownMessage failingLoad(ViewerWindow& w, const QString& path) {
    ShownMessage shown;
    closeNextMessageBox(shown);
    loadThroughDialog(w, path);
    return shown;
}

}  // namespace testing_support
