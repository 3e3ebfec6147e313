#pragma once
// The viewer's one window, Form1.
//
// TForm1 is a switchboard. Its constructor creates the nineteen components and
// binds their events; each handler is a few lines that hand the work to data/
// (reading a file, the store, label texts) and to ui/ (the chart and the controls).
// Every handler is entered through runGuarded, so a failure ends up in the error
// display and the event loop goes on. What a load produced lives in
// LoadedMeasurements, outside the window.

#include <QCheckBox>
#include <QFrame>
#include <QWidget>

#include "app/ProgramState.h"
#include "ui/chart/ChartWidget.h"
#include "ui/chart/LineSeries.h"
#include "ui/controls/Buttons.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/KeyPreview.h"
#include "ui/controls/OpenFileDialog.h"
#include "ui/controls/PickListEdit.h"
#include "ui/controls/Pictures.h"

namespace app {

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(LoadedMeasurements& measurements, QWidget* parent = nullptr);

    chart::ChartWidget* Chart1 = nullptr;
    controls::OpenFileDialog* OpenDialog1 = nullptr;
    QFrame* Panel1 = nullptr;
    controls::Gauge* Gauge1 = nullptr;
    controls::BitmapButton* BitBtn1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    controls::BitmapButton* BitBtn2 = nullptr;
    controls::AutoSizeLabel* Label1 = nullptr;
    controls::AutoSizeLabel* Label2 = nullptr;
    controls::AutoSizeLabel* Label3 = nullptr;
    // The printer set-up dialog of "Print"; a named component until printing is
    // built (#6).
    QObject* PrinterSetupDialog1 = nullptr;
    controls::TransparentImage* Image1 = nullptr;
    chart::LineSeries* Series1 = nullptr;
    chart::LineSeries* Series2 = nullptr;
    controls::PickListEdit* ComboBox1 = nullptr;
    controls::SpeedButton* SpeedButton2 = nullptr;
    controls::SpeedButton* SpeedButton1 = nullptr;
    controls::SpeedButton* SpeedButton3 = nullptr;

    void BitBtn1Click();
    void CheckBox1Click();
    void FormKeyDown(int& Key, Qt::KeyboardModifiers Shift);
    void BitBtn2Click();
    void FormActivate();
    void CheckBox2Click();
    void OpenDialog1TypeChange();
    void ComboBox1Change();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void SpeedButton3Click();

    // The part of "Load" after its dialog: reads the file and, only when all of it
    // was read, shows it. On failure nothing changes.
    void loadFile(const QString& path);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createComponents();
    void bindEvents();
    template <typename Handler>
    auto guarded(Handler handler);

    LoadedMeasurements& measurements_;
};

}  // namespace app
