#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "app/ViewerApplication.h"

int main(int argc, char** argv) {
    app::ViewerApplication application(argc, argv);
    app::LoadedMeasurements measurements;
    app::TForm1 Form1(measurements);
    Form1.show();
    return application.exec();
}
