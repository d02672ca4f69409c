// docbuilder: builds the HTML manual from the marked-up text files beside the program.
#include "docbuilder/documentation_build.h"
#include "docbuilder/picture_size.h"

#include "platform/module_path.h"

#include <cstdio>
#include <iostream>
#include <string_view>

namespace {

constexpr const char* usage =
    "Usage: docbuilder [--help]\n"
    "\n"
    "Builds the HTML documentation page from the text files of the folder the program\n"
    "lives in. Below the documentation root D:\n"
    "  D\\bin\\input\\   docbuilder, InputIndex.txt (settings and index), the chapter\n"
    "                 files Page_<id>.txt, InputBackgroundTitle.jpg and\n"
    "                 InputBackgroundChapter.jpg\n"
    "  D\\bin\\img\\     the pictures of [img=...] tags\n"
    "  D\\bin\\bin\\     the template InputHtmlHeaderSource.html and the smiley folder\n"
    "  D\\index.html   the page it writes\n"
    "\n"
    "A chapter file that the index names but that does not exist is created with a\n"
    "header listing the markup. Markup errors are printed and shown in the page, which\n"
    "then ends with an error banner. At the end the program waits for Enter (it returns\n"
    "at once when standard input is closed).\n"
    "\n"
    "Exit status: 0 page written, 1 page written with markup errors,\n"
    "             2 an input is missing or the page cannot be written, or a bad argument.\n";

constexpr int exitMarkupErrors = 1;
constexpr int exitNotBuilt = 2;

std::string programFolder() {
    std::string path = platform::executablePath();
    return path.substr(0, path.rfind('\\') + 1);
}

int exitStatus(docbuilder::BuildOutcome outcome) {
    switch (outcome) {
    case docbuilder::BuildOutcome::PageWritten:
        return 0;
    case docbuilder::BuildOutcome::PageWithErrors:
        return exitMarkupErrors;
    case docbuilder::BuildOutcome::MissingInput:
        break;
    }
    return exitNotBuilt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        std::string_view argument = argv[1];
        if (argument == "--help" || argument == "-h") {
            std::cout << usage;
            return 0;
        }
        std::cerr << "docbuilder: unknown argument '" << argument
                  << "'; it takes none (see docbuilder --help)\n";
        return exitNotBuilt;
    }
    docbuilder::BuildOutcome outcome = docbuilder::buildDocumentation(
        docbuilder::buildPathsFrom(programFolder()), docbuilder::measurePicture, std::cout);
    std::cout << " <press enter to exit>" << std::flush;
    std::getchar();
    return exitStatus(outcome);
}
