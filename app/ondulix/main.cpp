#include "ui/App.h"

int main(int argc, char** argv) {
    return ondulix::RunOndulix(argc, argv);
}
