#include "docbuilder/documentation_build.h"

#include "docbuilder/chapter_file.h"
#include "docbuilder/chapter_writer.h"
#include "docbuilder/error_report.h"
#include "docbuilder/page_index.h"
#include "docbuilder/page_settings.h"
#include "docbuilder/page_template.h"
#include "docbuilder/text_lines.h"

#include "platform/file_system.h"

#include <cctype>
#include <cstdio>
#include <optional>

namespace docbuilder {

namespace {

constexpr const char* errorBanner =
    "<br clear=all><div style=\"background-color:black;color:red;display:block;height:50px;"
    "padding:15px;\">ERROR ERROR ERROR The source contain errors, output html is wrong. Please "
    "read previous error msg !</div></td></tr></table></div></div></body></html><br clear=all>";

// The picture folder sits beside the program's folder: "...\bin\input\" becomes
// "...\bin\img\". Only the last "input\" is the program's folder.
std::string imageFolderOf(const std::string& programFolder) {
    std::string lowered = programFolder;
    for (char& c : lowered) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string folder = programFolder;
    size_t at = lowered.rfind("input\\");
    if (at != std::string::npos) {
        folder.replace(at, 6, "img\\");
    }
    return folder;
}

bool fileExists(const std::string& systemPath) {
    FILE* file = platform::openFile(systemPath.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

void ensureChapterFile(const BuildPaths& paths, const Chapter& chapter, std::ostream& console) {
    std::string path = paths.chapterFolder + chapter.fileName;
    if (fileExists(path)) {
        return;
    }
    console << "\nInput file doesn't exist, creating file: " << chapter.fileName << "\n";
    if (!createChapterFile(path, chapter.fileName)) {
        console << "ERROR Creating chapter file: " << chapter.fileName << "\n";
    }
}

void writeChapters(const BuildPaths& paths, const PageIndex& index, const PageSettings& settings,
                   const ImageFolder& images, ErrorReport& errors, std::string& page,
                   std::ostream& console) {
    for (size_t number = 0; number < index.chapters.size(); ++number) {
        const Chapter& chapter = index.chapters[number];
        console << "Opening " << chapter.fileName;
        std::optional<std::vector<std::string>> lines =
            readTextLines(paths.chapterFolder + chapter.fileName);
        if (!lines) {
            console << "Error, unable to open: " << chapter.fileName << "\n\n";
            continue;
        }
        ChapterPlacement placement{chapterSpacing(settings), number + 1 == index.chapters.size()};
        writeChapter(chapter, *lines, placement, images, errors, page);
        console << "...content added\n";
    }
}

bool writeFile(FILE* file, const std::string& text) {
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

BuildPaths buildPathsFrom(const std::string& programFolder) {
    BuildPaths paths;
    paths.indexFile = programFolder + "InputIndex.txt";
    paths.titleBackground = programFolder + "InputBackgroundTitle.jpg";
    paths.templateFile = programFolder + "..\\bin\\InputHtmlHeaderSource.html";
    paths.outputPage = programFolder + "..\\bin\\..\\..\\index.html";
    paths.chapterFolder = programFolder;
    paths.imageFolder = imageFolderOf(programFolder);
    return paths;
}

BuildOutcome buildDocumentation(const BuildPaths& paths, const PictureMeasure& measure,
                                std::ostream& console) {
    console << "Html doc creator by Ferrand\n"
            << "--------------------------------------------\n\n"
            << "This prog create the html doc based on Input txt file located in\n"
            << "directory and html source 'InputHtmlHeaderSource.html'\n\n";

    console << "Search html page setting 'InputSettings.txt'\n";
    std::optional<std::vector<std::string>> indexLines = readTextLines(paths.indexFile);
    if (!indexLines) {
        console << "Error, unable to find InputIndex.txt\n\n";
        return BuildOutcome::MissingInput;
    }
    PageSettings settings = readPageSettings(*indexLines);
    std::optional<PictureSize> titleSize = measure(paths.titleBackground);

    console << "Search header 'InputHtmlHeaderSource.html'\n";
    std::optional<std::vector<std::string>> templateLines = readTextLines(paths.templateFile);
    if (!templateLines) {
        console << "Error, unable to find InputHtmlHeaderSource.html\n\n";
        return BuildOutcome::MissingInput;
    }
    std::optional<PageTemplate> pageTemplate =
        fillPageTemplate(*templateLines, settings, titleSize ? titleSize->height : 0);
    if (!pageTemplate) {
        console << "Error, unable to find <ProgramWillPlaceNextVoranthHelpTextHere> in "
                   "InputHtmlHeaderSource.html\n\n";
        return BuildOutcome::MissingInput;
    }

    console << "Search menu file 'InputIndex.txt', create index\n";
    ErrorReport errors(console);
    PageIndex index = readPageIndex(*indexLines, errors, [&](const Chapter& chapter) {
        ensureChapterFile(paths, chapter, console);
    });

    console << "\nCreate html doc\n";
    FILE* output = platform::openFile(paths.outputPage.c_str(), "w");
    if (output == nullptr) {
        console << "Error, unable to create index.html\n\n";
        return BuildOutcome::MissingInput;
    }
    std::string page = pageTemplate->parts[0] + index.html + pageTemplate->parts[1];
    page += pageSeparator;
    errors.writeInto(page);
    writeChapters(paths, index, settings, ImageFolder{paths.imageFolder, measure}, errors, page,
                  console);
    page += errors.count() == 0 ? pageTemplate->parts[2] : errorBanner;
    if (!writeFile(output, page)) {
        console << "Error, unable to create index.html\n\n";
        return BuildOutcome::MissingInput;
    }

    console << "\n\nDone ! " << errors.count() << " errors\n\n";
    return errors.count() == 0 ? BuildOutcome::PageWritten : BuildOutcome::PageWithErrors;
}

} // namespace docbuilder
