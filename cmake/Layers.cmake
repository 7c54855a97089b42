# The game is built in layers, each a library that may use only the layers below it:
#   the rules:      pond -> creatures -> snake -> game
#   the front end:  pond -> resources -> sound and dialogs, side by side -> app, over the rules too
# zurk3_layer(TARGET FOLDER...) lets TARGET's sources include headers as "folder/Name.h" from the
# folders named, its own and those below it, and from no other: an include of a layer above
# fails to compile. The test Layers.NoTwoFoldersIncludeEachOther (tests/layers) checks the
# folders' includes for circles besides.
function(zurk3_layer target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()

# Tools and tests may include the header of any layer.
function(zurk3_sees_all_layers target)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
endfunction()
