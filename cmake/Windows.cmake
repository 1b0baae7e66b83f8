# Windows build: Halvorn.exe, the Windows-side tests, the end-to-end driver and the timing harness.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
if(NOT MSVC)
  # One self-contained exe: no runtime DLL of ours or the compiler's.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # The time goes into the system's drawing, not into our own code: a smaller image
  # starts sooner and keeps less in memory. Functions nobody calls are left out.
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections")
  add_link_options(-Wl,--gc-sections)
endif()

add_library(halvorn_ui STATIC
  chart/Chart_Control.cpp
  app/Layout_Scaler.cpp
  app/Main_Commands.cpp
  app/Main_Menu.cpp
  app/Main_Window.cpp
  app/Page_Control.cpp
  app/Program_Windows.cpp
  app/Settings_File.cpp
  app/Window_Placement.cpp
  export/Desktop_Wallpaper.cpp
  export/Element_Data_Export.cpp
  export/Table_Image_File.cpp
  export/Table_Picture.cpp
  export/Table_Snapshot.cpp
  export/Wallpaper_Style_Dialog.cpp
  graphs/Graph_Page.cpp
  platform/Accessible_Object.cpp
  platform/Button_Decor.cpp
  platform/Child_Controls.cpp
  platform/Clipboard_Session.cpp
  platform/Component_Painting.cpp
  platform/Components.cpp
  platform/Control_Factory.cpp
  platform/Dpi.cpp
  platform/Form_Window.cpp
  platform/Gdiplus_Session.cpp
  platform/Accessible_Object.cpp
  platform/Graphic_Accessible.cpp
  platform/Modal_Runner.cpp
  platform/Registry_Key.cpp
  platform/Rich_Edit.cpp
  platform/Seams.cpp
  platform/Tooltip.cpp
  platform/Win_Text.cpp
  platform/Whole_File.cpp
  platform/Window_Base.cpp
  report/Glossary_Window.cpp
  report/Molar_Mass_Window.cpp
  report/Report_Window.cpp
  table_view/Element_Search.cpp
  table_view/Item_Select_Dialog.cpp
  table_view/Table_Accessible.cpp
  table_view/Table_Keyboard.cpp
  table_view/Table_Page.cpp
  table_view/Table_Tips.cpp
  table_view/Table_Views.cpp
  winint/About_Window.cpp
  winint/Gif_Animation.cpp
  winint/Notepad_Documents.cpp
  winint/Windows_Messages.cpp
  winint/Windows_Registry.cpp)
if(MSVC)
  target_link_libraries(halvorn_ui PUBLIC halvorn_core advapi32 comctl32 gdi32 user32 gdiplus shell32 shlwapi oleacc
                        ole32 oleaut32)
else()
  # GDI+, the shell and its helpers, the accessibility library and the COM it needs, and
  # all they pull in, are loaded when first used rather than at start-up: delay-load
  # import libraries of the functions the program calls (cmake/*-delay.def; a function
  # missing there fails the link).
  find_program(DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
  set(delay_libraries "")
  foreach(dll gdiplus shell32 shlwapi oleacc ole32 oleaut32)
    set(def "${CMAKE_SOURCE_DIR}/cmake/${dll}-delay.def")
    set(library "${CMAKE_BINARY_DIR}/lib${dll}_delay.a")
    add_custom_command(OUTPUT "${library}"
                       COMMAND "${DLLTOOL}" --input-def "${def}" --output-delaylib "${library}" --dllname ${dll}.dll
                       DEPENDS "${def}")
    list(APPEND delay_libraries "${library}")
  endforeach()
  add_custom_target(delay_imports DEPENDS ${delay_libraries})
  add_dependencies(halvorn_ui delay_imports)
  # The plain GDI+ library after them only supplies the header's cached objects.
  target_link_libraries(halvorn_ui PUBLIC halvorn_core advapi32 comctl32 gdi32 user32 ${delay_libraries} gdiplus)
  # Release builds carry no symbols.
  add_link_options($<$<CONFIG:Release>:-s>)
endif()

add_executable(Halvorn WIN32 app/Program_Main.cpp resources/Halvorn.rc)
target_link_libraries(Halvorn PRIVATE halvorn_ui)
if(NOT MSVC)
  # Sections aligned in the file as in memory let a loader map the image page by page
  # instead of reading all of it.
  target_link_options(Halvorn PRIVATE -municode -Wl,--file-alignment=4096)
endif()
# The readme and the catalogue ship beside the exe.
add_custom_command(TARGET Halvorn POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different "${CMAKE_SOURCE_DIR}/resources/Halvorn.txt"
          "${CMAKE_SOURCE_DIR}/resources/catalog.txt" "$<TARGET_FILE_DIR:Halvorn>")

# GoogleTest from the sources Debian ships, built with this toolchain.
set(gtest_source_dir "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory("${gtest_source_dir}" googletest EXCLUDE_FROM_ALL)

add_executable(halvorn_win_tests
  tests/win/Win_Test_Main.cpp
  tests/win/About_Window_Test.cpp
  tests/win/Main_Window_Test.cpp
  tests/win/Report_Window_Test.cpp
  tests/win/Search_Test.cpp
  tests/win/Dpi_Test.cpp
  tests/win/Keyboard_Access_Test.cpp
  tests/win/Painting_Test.cpp
  tests/win/Settings_Test.cpp
  tests/win/Registry_Test.cpp
  tests/win/Graph_Page_Test.cpp
  tests/win/Table_Picture_Test.cpp
  tests/win/Table_Views_Test.cpp
  tests/win/Classroom_Tools_Test.cpp
  tests/win/Platform_Test.cpp
  tests/win/Win_Test_Support.cpp
  ${unit_test_sources}
  resources/Halvorn.rc)
target_link_libraries(halvorn_win_tests PRIVATE halvorn_ui gtest)
add_test(NAME windows_side COMMAND halvorn_win_tests --gtest_filter=-Settings.FullDisk*)
set_tests_properties(windows_side PROPERTIES TIMEOUT 300)
add_test(NAME windows_side_full_disk
         COMMAND "${CMAKE_SOURCE_DIR}/tests/win/full_disk.sh" $<TARGET_FILE:halvorn_win_tests>)
set_tests_properties(windows_side_full_disk PROPERTIES TIMEOUT 120)
# The layout at other DPIs, each in a copy of the prefix set to it; the prefix itself stays
# at 96 for every other test.
foreach(dpi 120 144)
  add_test(NAME windows_side_dpi_${dpi}
           COMMAND "${CMAKE_SOURCE_DIR}/scripts/wine-run-at-dpi" ${dpi} $<TARGET_FILE:halvorn_win_tests>
                   --gtest_filter=Dpi.*)
  set_tests_properties(windows_side_dpi_${dpi} PROPERTIES TIMEOUT 120)
endforeach()

# Drives the real exe from outside, as a user would; the timing driver measures it.
add_executable(halvorn_driver tests/e2e/Halvorn_Driver.cpp platform/Win_Text.cpp)
target_link_libraries(halvorn_driver PRIVATE halvorn_core user32 gdi32)
add_executable(halvorn_timing bench/Timing_Driver.cpp platform/Win_Text.cpp)
target_link_libraries(halvorn_timing PRIVATE halvorn_core user32 gdi32 psapi)
add_test(NAME end_to_end
  COMMAND "${CMAKE_SOURCE_DIR}/tests/e2e/smoke.sh" $<TARGET_FILE:Halvorn> $<TARGET_FILE:halvorn_driver>
          "${CMAKE_BINARY_DIR}/e2e")
set_tests_properties(end_to_end PROPERTIES TIMEOUT 180)

# The start-up reference: a bare window with 216 static controls.
add_executable(reference_statics WIN32 bench/Reference_Statics.cpp)
target_link_libraries(reference_statics PRIVATE user32 gdi32)

# The resize reference: a lean program of the main window's composition, with the classic
# controls and with the visual-style ones.
add_executable(lean_composition WIN32 bench/Lean_Composition.cpp)
target_link_libraries(lean_composition PRIVATE user32 gdi32 comctl32)
add_executable(lean_composition_styled WIN32 bench/Lean_Composition.cpp bench/Lean_Styled.rc)
target_compile_definitions(lean_composition_styled PRIVATE "LEAN_TITLE=L\"Lean Reference Styled\"")
target_link_libraries(lean_composition_styled PRIVATE user32 gdi32 comctl32)
