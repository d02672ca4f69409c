# Lays out the manual's text inputs beside docbuilder and runs it (cmake -P script).
#   DOCBUILDER        the program, already in MANUAL_ROOT/bin/input
#   SOURCE_INPUT_DIR  InputIndex.txt and the chapter files Page_*.txt
#   TEMPLATE          InputHtmlHeaderSource.html
#   MANUAL_ROOT       the documentation root that receives index.html
#
# The build fails, and leaves no page behind, when docbuilder reports markup errors (exit
# status 1) or a missing input (2), and when the index names a chapter without a text file in
# the source: docbuilder would create an empty one in the tree and the page would show an
# empty chapter.
set(input_dir "${MANUAL_ROOT}/bin/input")
set(page "${MANUAL_ROOT}/index.html")

# Chapters removed from the source leave the tree too, so that an index line naming them is
# caught on every build.
file(GLOB installed_chapters "${input_dir}/Page_*.txt")
foreach(installed ${installed_chapters})
    get_filename_component(name "${installed}" NAME)
    if(NOT EXISTS "${SOURCE_INPUT_DIR}/${name}")
        file(REMOVE "${installed}")
    endif()
endforeach()
file(GLOB source_inputs "${SOURCE_INPUT_DIR}/*.txt")
foreach(source ${source_inputs})
    get_filename_component(name "${source}" NAME)
    file(COPY_FILE "${source}" "${input_dir}/${name}" ONLY_IF_DIFFERENT)
endforeach()
get_filename_component(template_name "${TEMPLATE}" NAME)
file(MAKE_DIRECTORY "${MANUAL_ROOT}/bin/bin")
file(COPY_FILE "${TEMPLATE}" "${MANUAL_ROOT}/bin/bin/${template_name}" ONLY_IF_DIFFERENT)

execute_process(
    COMMAND "${DOCBUILDER}"
    INPUT_FILE /dev/null
    OUTPUT_VARIABLE console
    ERROR_VARIABLE console
    RESULT_VARIABLE status
)
if(NOT status EQUAL 0 OR console MATCHES "Input file doesn't exist")
    file(REMOVE "${page}")
    message(FATAL_ERROR "docbuilder reported problems in the manual (exit status ${status}): "
                        "fix the markup, or give every chapter of the index its Page_*.txt in "
                        "${SOURCE_INPUT_DIR}.\n${console}")
endif()
