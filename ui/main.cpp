#include "app/TextFile.h"
#include "ui/KelvrinApp.h"

int main(int argc, char** argv) {
    kelvrin::IgnoreFileSizeSignal();
    kelvrin::CKelvrinApp app(argc, argv);
    return app.InitInstance();
}
