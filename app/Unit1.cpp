#include "app/Unit1.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include "app/ErrorDisplay.h"
#include "app/LocaleTexts.h"
#include "app/RecordPlot.h"
#include "data/CommaText.h"
#include "data/DtsFileSource.h"
#include "data/DtsLoader.h"
#include "data/FileName.h"
#include "data/GroupFilter.h"

namespace app {
namespace {

// Shows the gauge over a pass of `total` steps and hides it again however the pass
// ends.
class GaugeShownDuringPass {
public:
    GaugeShownDuringPass(controls::Gauge& gauge, std::int32_t total) : gauge_(gauge) {
        gauge_.setMaxValue(total);
        gauge_.setMinValue(0);
        gauge_.show();
    }
    ~GaugeShownDuringPass() { gauge_.hide(); }
    GaugeShownDuringPass(const GaugeShownDuringPass&) = delete;
    GaugeShownDuringPass& operator=(const GaugeShownDuringPass&) = delete;

private:
    controls::Gauge& gauge_;
};

QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

}  // namespace

TForm1::TForm1(LoadedMeasurements& measurements, QWidget* parent)
    : QWidget(parent), measurements_(measurements) {
    createComponents();
    bindEvents();
}

template <typename Handler>
auto TForm1::guarded(Handler handler) {
    return [this, handler] { runGuarded([&] { (this->*handler)(); }); };
}

void TForm1::bindEvents() {
    connect(BitBtn1, &QPushButton::clicked, this, guarded(&TForm1::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, guarded(&TForm1::BitBtn2Click));
    connect(SpeedButton1, &QPushButton::clicked, this, guarded(&TForm1::SpeedButton1Click));
    connect(SpeedButton2, &QPushButton::clicked, this, guarded(&TForm1::SpeedButton2Click));
    connect(SpeedButton3, &QPushButton::clicked, this, guarded(&TForm1::SpeedButton3Click));
    connect(CheckBox1, &QCheckBox::clicked, this, guarded(&TForm1::CheckBox1Click));
    connect(CheckBox2, &QCheckBox::clicked, this, guarded(&TForm1::CheckBox2Click));
    connect(ComboBox1, &controls::PickListEdit::textChangedByUser, this,
            guarded(&TForm1::ComboBox1Change));
    connect(OpenDialog1, &controls::OpenFileDialog::TypeChange, this,
            guarded(&TForm1::OpenDialog1TypeChange));
    new controls::KeyPreview(this, [this](int key, Qt::KeyboardModifiers modifiers) {
        runGuarded([&] { FormKeyDown(key, modifiers); });
    });
}

bool TForm1::event(QEvent* event) {
    // Some window systems never activate a window nobody clicked (an X server with
    // no window manager, say); the first showing counts as activation there.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        runGuarded([this] { FormActivate(); });
    }
    return QWidget::event(event);
}

void TForm1::FormActivate() {
    const std::string program =
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    OpenDialog1->InitialDir = QFile::decodeName(QByteArray::fromStdString(data::folderOf(program)));
}

void TForm1::BitBtn1Click() {
    if (OpenDialog1->Execute(this)) {
        loadFile(OpenDialog1->FileName);
    }
}

void TForm1::loadFile(const QString& path) {
    const std::string filePath = QFile::encodeName(path).toStdString();
    const std::string timeSeparator = timeSeparatorOf(QLocale());
    data::DtsFileSource source(filePath);
    const std::int32_t records = data::wholeRecordCount(source);
    data::LoadedFile file;
    {
        GaugeShownDuringPass gauge(*Gauge1, records);
        file = data::readDtsRecords(source, records,
                                    [this](std::int32_t read) { Gauge1->setProgress(read); });
    }
    // Everything was read and can be shown; from here on nothing fails but memory.
    ComboBox1->replaceEntries(toQStringList(file.groupEntries));
    measurements_.LoadedFileName = data::fileNamePart(filePath);
    measurements_.MeasurementStore = std::move(file.store);
    const data::MeasurementStore& store = measurements_.MeasurementStore;
    Chart1->setTitleLines(data::commaTextLines(measurements_.LoadedFileName));
    plotAllRecords(store, *Series1, *Series2, timeSeparator);
    Label1->setCaption(recordCountText(store.RecordCount()));
    Label2->setCaption(loadStartText(store, timeSeparator));
    Label3->setCaption(loadEndText(store, timeSeparator));
}

void TForm1::OpenDialog1TypeChange() {}

void TForm1::ComboBox1Change() {
    const std::string text = ComboBox1->Text().toStdString();
    const std::string timeSeparator = timeSeparatorOf(QLocale());
    const data::MeasurementStore& store = measurements_.MeasurementStore;
    GaugeShownDuringPass gauge(*Gauge1, store.RecordCount());
    const std::vector<std::int32_t> matches =
        data::slotsOfGroup(store, text, [this](std::int32_t slot) { Gauge1->setProgress(slot); });
    plotSlots(store, matches, *Series1, *Series2, timeSeparator);
    if (!matches.empty()) {
        Label2->setCaption(filterStartText(store, matches.front(), timeSeparator));
        Label3->setCaption(filterEndText(store, matches.back(), timeSeparator));
    }
    Chart1->setTitleLines(data::commaTextLines(measurements_.LoadedFileName + "-" + text));
    Label1->setCaption(recordCountText(static_cast<std::int32_t>(matches.size())));
}

// TODO(#6): the view and print commands.
void TForm1::CheckBox1Click() {}
void TForm1::CheckBox2Click() {}
void TForm1::FormKeyDown(int&, Qt::KeyboardModifiers) {}
void TForm1::BitBtn2Click() {}
void TForm1::SpeedButton2Click() {}
void TForm1::SpeedButton1Click() {}
void TForm1::SpeedButton3Click() {}

}  // namespace app
