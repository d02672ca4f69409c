// The whole build of the page, from the inputs beside the program to "index.html".
#pragma once

#include "docbuilder/picture_size.h"

#include <ostream>
#include <string>

namespace docbuilder {

// Where the build finds its inputs and writes the page, all from the program's own folder
// ("D\bin\input\" under the documentation root D).
struct BuildPaths {
    std::string indexFile;
    std::string titleBackground;
    std::string templateFile;
    std::string outputPage;
    std::string chapterFolder;
    std::string imageFolder;
};

// `programFolder` in the system's form with its trailing backslash.
BuildPaths buildPathsFrom(const std::string& programFolder);

enum class BuildOutcome {
    PageWritten,    // the page is complete, without markup errors
    PageWithErrors, // the page is written and shows its markup errors
    MissingInput,   // an input is missing or the page cannot be written: nothing was built
};

BuildOutcome buildDocumentation(const BuildPaths& paths, const PictureMeasure& measure,
                                std::ostream& console);

} // namespace docbuilder
