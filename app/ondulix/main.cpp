#include "ui/window/App.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // The window takes no arguments; these two answer without opening it.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("ondulix " ONDULIX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::puts(
                "Usage: ondulix [--help | --version]\n"
                "Charts a person's cycles and the moon's phase. Settings: "
                "$XDG_CONFIG_HOME/Ondulix.ini.\nSee ondulix(1); ondulix-chart(1) draws the chart "
                "to a file.");
            return 0;
        }
    }
    return ondulix::RunOndulix(argc, argv);
}
