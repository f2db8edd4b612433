// Writes the lexicon and thesaurus files of the program directory for the dictionaries and
// thesauri installed on the build machine. Runs at build time; not shipped.
#include <iostream>

#include "editor/LexiconFiles.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: qf-lexicons PROGRAM_DIR WORDS_DIR\n";
        return 2;
    }
    qf::LexiconSetup setup;
    setup.companionSourceDir = argv[2];
    const auto written = qf::WriteLexiconFiles(argv[1], setup);
    if (!written) {
        std::cerr << "qf-lexicons: could not write into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
