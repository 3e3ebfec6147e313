// Creating Form1's components with their designed places, sizes and settings.
#include <QFontDatabase>
#include <QImage>

#include "app/Unit1.h"
#include "ui/controls/Glyph.h"

namespace app {
namespace {

constexpr int ClientWidth = 579;
constexpr int ClientHeight = 405;
constexpr int PanelHeight = 101;

// The face the window was designed with where it exists, else one of its metrics.
QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

// The summary labels ask for a fixed-pitch face, so that "Start: " and "End  : "
// line up.
QFont fixedPitchFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                      QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(11);
    font.setFixedPitch(true);
    return font;
}

QPixmap glyph(const char* resource) {
    return controls::normalGlyph(QImage(QString::fromLatin1(resource)));
}

template <typename Widget>
Widget* placed(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

controls::AutoSizeLabel* summaryLabel(QWidget* panel, const char* name, const char* caption,
                                      int left, int top) {
    auto* label = new controls::AutoSizeLabel(QString(), panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(fixedPitchFont());
    label->move(left, top);
    label->setCaption(QString::fromLatin1(caption));
    return label;
}

}  // namespace

void TForm1::createComponents() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Prikaz grafika iz DTS fajlova - ver:1.4 - 09.04.2004."));
    setFont(windowFont());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    resize(ClientWidth, ClientHeight);
    move(191, 110);

    Chart1 = new chart::ChartWidget(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Series1 = Chart1->addSeries(QStringLiteral("Series1"), "Temperatura (\u00b0C)", {255, 0, 0});
    Series2 = Chart1->addSeries(QStringLiteral("Series2"), "Vlaznost (%RH)", {0, 128, 0});

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);

    // Created in this order, so that the gauge lies over Label1.
    Label1 = summaryLabel(Panel1, "Label1", "Ukupno zapisa", 112, 20);
    Label2 = summaryLabel(Panel1, "Label2", "Start", 112, 36);
    Label3 = summaryLabel(Panel1, "Label3", "End", 112, 52);
    Image1 = placed(new controls::TransparentImage(QImage(QStringLiteral(":/logo.png")), Panel1),
                    "Image1", 385, 48, 185, 44);
    Gauge1 = placed(new controls::Gauge(Panel1), "Gauge1", 112, 8, 201, 25);
    Gauge1->setProgress(20);
    Gauge1->hide();
    SpeedButton2 = placed(
        new controls::SpeedButton(QStringLiteral("Zoom"), glyph(":/glyph-zoom-in.png"), Panel1),
        "SpeedButton2", 304, 75, 65, 20);
    SpeedButton1 = placed(
        new controls::SpeedButton(QStringLiteral("Zoom-"), glyph(":/glyph-zoom-out.png"), Panel1),
        "SpeedButton1", 160, 75, 65, 20);
    SpeedButton3 = placed(new controls::SpeedButton(QStringLiteral("Normal"), QPixmap(), Panel1),
                          "SpeedButton3", 232, 75, 65, 20);
    CheckBox1 =
        placed(new QCheckBox(QStringLiteral("3D prikaz"), Panel1), "CheckBox1", 448, 8, 65, 17);
    CheckBox2 =
        placed(new QCheckBox(QStringLiteral("Points"), Panel1), "CheckBox2", 520, 8, 49, 17);
    BitBtn1 = placed(
        new controls::BitmapButton(QStringLiteral("Load"), glyph(":/glyph-load.png"), Panel1),
        "BitBtn1", 16, 8, 81, 25);
    BitBtn2 = placed(
        new controls::BitmapButton(QStringLiteral("Print"), glyph(":/glyph-print.png"), Panel1),
        "BitBtn2", 16, 40, 81, 25);
    ComboBox1 = placed(new controls::PickListEdit(Panel1), "ComboBox1", 320, 8, 121, 21);
    ComboBox1->setText(QStringLiteral("Prikazi sve zapise"));

    OpenDialog1 = new controls::OpenFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->Title = QStringLiteral("Ucitavanje datoteke");
    OpenDialog1->Filter = QStringLiteral("Data fajlovi (*.dts)|*.dts|All files|*.*");
    OpenDialog1->DefaultExt = QStringLiteral("*.dts");
    PrinterSetupDialog1 = new QObject(this);
    PrinterSetupDialog1->setObjectName(QStringLiteral("PrinterSetupDialog1"));

    for (QWidget* unfocusable : {static_cast<QWidget*>(Chart1), static_cast<QWidget*>(Panel1)}) {
        unfocusable->setFocusPolicy(Qt::NoFocus);
    }
    setTabOrder(BitBtn1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, BitBtn2);
    setTabOrder(BitBtn2, ComboBox1);
    BitBtn1->setFocus();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    // The panel keeps its height along the bottom edge; the chart takes the rest.
    Panel1->setGeometry(0, height() - PanelHeight, width(), PanelHeight);
    Chart1->setGeometry(0, 0, width(), std::max(0, height() - PanelHeight));
    QWidget::resizeEvent(event);
}

}  // namespace app
