#include "ui/window/App.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // These two answer without opening the window; a file is a contacts
    // file whose friends the window offers to bring in.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("ondulix " ONDULIX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::puts(
                "Usage: ondulix [--help | --version] [FILE.vcf | FILE.csv]\n"
                "Charts a person's cycles and the moon's phase. Settings: "
                "$XDG_CONFIG_HOME/Ondulix.ini.\nA contacts file (vCard or CSV) opens a preview "
                "of the friends to bring in from it;\nnothing is written before you confirm. "
                "See ondulix(1); ondulix-chart(1) draws the chart to a file.");
            return 0;
        }
    }
    return ondulix::RunOndulix(argc, argv);
}
