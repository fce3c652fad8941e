# Installs the build into a staging folder and checks what a desktop needs:
# the launcher the menu entry starts, the program folder it points into,
# the icon in every size and the file type of widgets.
# Run as: cmake -DBUILD=<build folder> -DSTAGE=<empty folder> -P checkinstall.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /opt/glintra-check
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "install failed")
endif()
set(root ${STAGE}/opt/glintra-check)

function(expect_file path)
  if(NOT EXISTS ${root}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endfunction()

foreach(path bin/pallima-glintra lib/pallima-glintra/PallimaGlintra lib/pallima-glintra/glintra
             lib/pallima-glintra/libPageletGlintra.so lib/pallima-glintra/help/help.idx
             lib/pallima-glintra/help/index.html lib/pallima-glintra/Sample/sample.htm
             lib/pallima-glintra/Normal_PageletServer.Glintra.pgt
             share/applications/pallima-glintra.desktop share/mime/packages/pallima-glintra.xml)
  expect_file(${path})
endforeach()
foreach(size 16 32 48 128 256)
  expect_file(share/icons/hicolor/${size}x${size}/apps/pallima-glintra.png)
endforeach()

file(READ ${root}/share/applications/pallima-glintra.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Name=Pallima Glintra"
             "Exec=/opt/glintra-check/bin/pallima-glintra %f" "Icon=pallima-glintra"
             "MimeType=application/x-pallima-glintra-widget;")
  string(FIND "${entry}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the menu entry lacks the line: ${line}")
  endif()
endforeach()
# The launcher finds the program folder from where it lies.
execute_process(COMMAND sh -n ${root}/bin/pallima-glintra RESULT_VARIABLE syntax)
if(NOT syntax EQUAL 0)
  message(FATAL_ERROR "the launcher is no valid shell script")
endif()
file(READ ${root}/bin/pallima-glintra launcher)
string(FIND "${launcher}" "folder=\"$here/../lib/pallima-glintra\"" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the launcher does not point into the program folder")
endif()
file(READ ${root}/share/mime/packages/pallima-glintra.xml mime)
string(FIND "${mime}" "<glob pattern=\"*.pgt\"/>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the file type does not claim *.pgt")
endif()

# The desktop's own tool reads the file type, where it is installed.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND ${UPDATE_MIME} ${root}/share/mime RESULT_VARIABLE mimeResult
                  ERROR_VARIABLE mimeError OUTPUT_QUIET)
  if(NOT mimeResult EQUAL 0 OR NOT EXISTS ${root}/share/mime/application/x-pallima-glintra-widget.xml)
    message(FATAL_ERROR "update-mime-database rejected the file type: ${mimeError}")
  endif()
endif()
file(REMOVE_RECURSE ${STAGE})
