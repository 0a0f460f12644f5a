# Layering check: every folder belongs to a layer, and a target may link only targets of the layers its
# own layer sits on (its own included). vq_check_layers() runs once all folders are added and stops the
# configuration listing every link that points up or sideways. Tests, benchmarks and fuzz targets belong
# to no layer and may link any.

# Folder (relative to the top) -> layer; a folder's subfolders are in its layer.
set(VQ_LAYER_FOLDERS
  platform/data=base platform/net=base platform/db=base contract=base
  platform/gui=gui
  framework=framework
  services=services
  module=module customer=module filter_report=module batch=module side_lists=module import=module
  server=server
  host=host)

# The layers each layer may link, itself included; "qt" stands for any Qt library. The server shares
# only the Qt-free base with the client side; the host sits on both.
set(VQ_LAYER_LINKS_base base)
set(VQ_LAYER_LINKS_server base server)
set(VQ_LAYER_LINKS_gui base gui qt)
set(VQ_LAYER_LINKS_framework base gui framework qt)
set(VQ_LAYER_LINKS_services base gui framework services qt)
set(VQ_LAYER_LINKS_module base gui framework services module qt)
set(VQ_LAYER_LINKS_host base gui framework services module server host qt)

function(vq_layer_of_folder dir out)
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${dir})
  set(layer "")
  foreach(entry IN LISTS VQ_LAYER_FOLDERS)
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 folder)
    if(rel STREQUAL folder OR rel MATCHES "^${folder}/")
      list(GET pair 1 layer)
      break()
    endif()
  endforeach()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

# The layer a linked item belongs to: "qt", a layer, "unlayered" for one of our targets outside every
# layer (a test helper), or "" for anything else (system and third-party libraries).
function(vq_layer_of_link item out)
  set(layer "")
  if(item MATCHES "^Qt[0-9]*::")
    set(layer qt)
  elseif(TARGET ${item})
    get_target_property(imported ${item} IMPORTED)
    if(NOT imported)
      get_target_property(dir ${item} SOURCE_DIR)
      vq_layer_of_folder(${dir} layer)
      if(NOT layer)
        set(layer unlayered)
      endif()
    endif()
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

function(vq_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    vq_targets_below(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(vq_check_layers)
  vq_targets_below(${PROJECT_SOURCE_DIR} targets)
  set(wrong "")
  foreach(target IN LISTS targets)
    get_target_property(dir ${target} SOURCE_DIR)
    vq_layer_of_folder(${dir} layer)
    if(NOT layer)
      continue()
    endif()
    set(links "")
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(items ${target} ${property})
      if(items)
        list(APPEND links ${items})
      endif()
    endforeach()
    # A static library's private links reach its users as $<LINK_ONLY:...>.
    list(TRANSFORM links REPLACE "^\\$<LINK_ONLY:(.+)>$" "\\1")
    list(REMOVE_DUPLICATES links)
    foreach(item IN LISTS links)
      vq_layer_of_link(${item} linked)
      if(linked AND NOT linked IN_LIST VQ_LAYER_LINKS_${layer})
        string(APPEND wrong "\n  ${target} (${layer}) links ${item} (${linked})")
      endif()
    endforeach()
  endforeach()
  if(wrong)
    message(FATAL_ERROR "Links against the layering (see cmake/VqLayers.cmake):${wrong}")
  endif()
endfunction()
