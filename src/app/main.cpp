#include "app/ctarvix_app.h"

int main(int argc, char** argv) {
    pelmora::CTarvixApp app;
    return app.run(argc, argv);
}
