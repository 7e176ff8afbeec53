# The program's own sources, the same for every platform.
set(PROGRAM_SOURCES
  wizard/wizard.cpp
  wizard/prompts.cpp
  wizard/browser_page.cpp
  wizard/setup_state.cpp
  manifest/setup_medium.cpp
  manifest/manifest.cpp
  manifest/language_page.cpp
  search/disk_search.cpp
  search/folder_chooser.cpp
  install/install_plan.cpp
  install/finishing.cpp)
