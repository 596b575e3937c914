#include "ui/KelvrinApp.h"

int main(int argc, char** argv) {
    kelvrin::CKelvrinApp app(argc, argv);
    return app.InitInstance();
}
