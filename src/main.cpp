#include "app/application.h"

int main(int argc, char** argv) {
    return zephyra::runApplication(argc, argv);
}
